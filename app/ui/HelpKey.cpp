#include "app/ui/HelpKey.h"

#include "league/ui/HelpContext.h"
#include "league/ui/HelpRequest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace grd {
namespace {

bool isHelpKey(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

} // namespace

HelpKey::HelpKey(QMdiArea* area, int mainContext, QObject* parent)
    : QObject(parent), area_(area), mainContext_(mainContext) {
    qApp->installEventFilter(this);
}

int HelpKey::context() const {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr)
        window = QApplication::activeWindow();
    // A dialog that has just opened may not have the focus yet: its topic comes first.
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && (window == nullptr || focus->window() == window))
        if (std::optional<int> focused = helpContextOf(focus))
            return *focused;
    if (window != nullptr && window == area_->window())
        if (QMdiSubWindow* child = area_->activeSubWindow())
            if (std::optional<int> active = helpContextOf(child->widget()))
                return *active;
    return helpContextOf(window).value_or(mainContext_);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && isHelpKey(event)) {
        // Claims the key, so no window's shortcut competes for it.
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && isHelpKey(event)) {
        if (const int topic = context(); topic != 0)
            requestHelp(topic);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace grd
