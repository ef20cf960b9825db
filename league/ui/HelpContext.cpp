#include "league/ui/HelpContext.h"

#include <QVariant>
#include <QWidget>

namespace grd {
namespace {

const char* const kHelpContextProperty = "helpContext";

} // namespace

void setHelpContext(QWidget* widget, int context) {
    widget->setProperty(kHelpContextProperty, context);
}

std::optional<int> helpContextOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant context = widget->property(kHelpContextProperty);
        if (context.isValid())
            return context.toInt();
        if (widget->isWindow())
            break;
    }
    return std::nullopt;
}

} // namespace grd
