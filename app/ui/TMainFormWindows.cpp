#include "app/ui/TMainForm.h"

#include "app/ui/MainFormDisplayHost.h"
#include "prefs/ui/FontConversion.h"
#include "views/ui/DisplayWindows.h"

#include <QCoreApplication>
#include <QFontDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

namespace grd {
namespace {

// The display form behind an MDI child: the child itself or the widget it holds,
// whichever has the method.
QObject* formWithMethod(QMdiSubWindow* child, const char* signature) {
    const QByteArray normalized = QMetaObject::normalizedSignature(signature);
    for (QObject* candidate :
         {static_cast<QObject*>(child->widget()), static_cast<QObject*>(child)})
        if (candidate != nullptr && candidate->metaObject()->indexOfMethod(normalized) >= 0)
            return candidate;
    return nullptr;
}

} // namespace

void TMainForm::RedrawChildren(bool recalcPosition, bool recalcColumnWidths) {
    const QList<QMdiSubWindow*> children = mdi_->subWindowList();
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        if (QObject* form = formWithMethod(*child, "DrawTheGrid(bool,bool)"))
            QMetaObject::invokeMethod(form, "DrawTheGrid", Q_ARG(bool, recalcPosition),
                                      Q_ARG(bool, recalcColumnWidths));
}

void TMainForm::CloseViewWindows(bool freeRankings) {
    // The windows go first: they read the rankings until they are closed.
    for (int code = kFirstWindowCode; code <= kLastWindowCode; ++code) {
        const auto windowCode = static_cast<WindowCode>(code);
        if (QWidget* window = views_[windowCode]) {
            window->close();
            setViewWindow(windowCode, nullptr);
        }
    }
    if (freeRankings)
        state_.rankings.reset();
    runMenuRules();
}

void TMainForm::EditCopyClick() {
    if (QMdiSubWindow* active = mdi_->activeSubWindow())
        if (QObject* form = formWithMethod(active, "CopyToClipboard()"))
            QMetaObject::invokeMethod(form, "CopyToClipboard");
}

void TMainForm::smWindowRestoreDefaultWithDefaultFontClick() {
    CloseViewWindows(false);
    QCoreApplication::processEvents();
    openDefaultLayout(displayHostOf(*this), LayoutFont::Default);
}
void TMainForm::smWindowRestoreDefaultWithCurrentFontClick() {
    CloseViewWindows(false);
    QCoreApplication::processEvents();
    openDefaultLayout(displayHostOf(*this), LayoutFont::Current);
}
void TMainForm::mmWindowOpenWnds(int windowCode) {
    if (windowCode >= kFirstWindowCode && windowCode <= kLastWindowCode)
        openDisplayWindow(displayHostOf(*this), static_cast<WindowCode>(windowCode));
}

void TMainForm::OptionsFont() {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, mainFont(), this, QStringLiteral("Font"));
    if (!ok)
        return;
    setMainFont(chosen);
    RedrawChildren(false, true);
}

QFont TMainForm::mainFont() const {
    return mainFont_;
}

void TMainForm::setMainFont(const QFont& font) {
    mainFont_ = font;
    FontPrefs& prefs = state_.prefs.view.font;
    prefs = toFontPrefs(font, prefs.colour);
    applyFontColour();
}

void TMainForm::smWindowCascadeClick() {
    cascadeChildren();
}
void TMainForm::smWindowTileClick() {
    tileChildren(state_.prefs.view.tileVert);
}
void TMainForm::smWindowNextClick() {
    mdi_->activateNextSubWindow();
}
void TMainForm::smWindowPreviousClick() {
    mdi_->activatePreviousSubWindow();
}

void TMainForm::tileChildren(bool vertical) {
    QList<QMdiSubWindow*> children;
    for (QMdiSubWindow* child : mdi_->subWindowList())
        if (child->isVisible() && !child->isMinimized())
            children.append(child);
    const auto n = static_cast<int>(children.size());
    const QRect area = mdi_->viewport()->rect();
    for (int i = 0; i < n; ++i) {
        // Vertical tiling puts the windows side by side, horizontal one above another.
        QRect cell = vertical ? QRect(area.width() * i / n, 0, area.width() / n, area.height())
                              : QRect(0, area.height() * i / n, area.width(), area.height() / n);
        children[i]->showNormal();
        children[i]->setGeometry(cell);
    }
}

// Each window keeps its size, cut only where it would leave the client area, and
// sits one caption height below and right of the window beneath it.
void TMainForm::cascadeChildren() {
    QMdiSubWindow* active = mdi_->activeSubWindow();
    const QSize area = mdi_->viewport()->size();
    int offset = 0;
    for (QMdiSubWindow* child : mdi_->subWindowList(QMdiArea::StackingOrder)) {
        if (child->isHidden() || child->isMinimized())
            continue;
        const int step = child->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, child);
        // Start again at the corner rather than leave a window a mere caption.
        if (offset + 3 * step > std::min(area.width(), area.height()))
            offset = 0;
        child->showNormal();
        const QSize size = child->size().boundedTo(area - QSize(offset, offset));
        child->setGeometry(QRect(QPoint(offset, offset), size));
        child->raise();
        offset += step;
    }
    if (active != nullptr)
        mdi_->setActiveSubWindow(active);
}

} // namespace grd
