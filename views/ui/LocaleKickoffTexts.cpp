#include "views/ui/LocaleKickoffTexts.h"

#include <QTime>

namespace grd {

LocaleKickoffTexts::LocaleKickoffTexts(const QLocale& locale)
    : locale_(locale), useDefault_(locale.language() == QLocale::C) {}

std::string LocaleKickoffTexts::dayName(int weekday) const {
    if (useDefault_ || weekday < 0 || weekday > 6) {
        return KickoffTexts::dayName(weekday);
    }
    // Qt counts Monday as 1 and Sunday as 7.
    return locale_.dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat).toStdString();
}

std::string LocaleKickoffTexts::monthName(int month) const {
    if (useDefault_ || month < 1 || month > 12) {
        return KickoffTexts::monthName(month);
    }
    return locale_.monthName(month, QLocale::ShortFormat).toStdString();
}

std::string LocaleKickoffTexts::shortTime(int hour, int minute) const {
    if (useDefault_) {
        return KickoffTexts::shortTime(hour, minute);
    }
    return locale_.toString(QTime(hour, minute), QLocale::ShortFormat).toStdString();
}

} // namespace grd
