#pragma once

#include "views/KickoffTexts.h"

#include <QLocale>

namespace grd {

// Weekday, month and time of day as the user's locale writes them; the plain C
// locale keeps the U.S. English default.
class LocaleKickoffTexts : public KickoffTexts {
public:
    explicit LocaleKickoffTexts(const QLocale& locale = QLocale::system());

    std::string dayName(int weekday) const override;
    std::string monthName(int month) const override;
    std::string shortTime(int hour, int minute) const override;

private:
    QLocale locale_;
    bool useDefault_ = false;
};

} // namespace grd
