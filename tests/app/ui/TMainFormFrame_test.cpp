#include "app/ui/ApplicationSetup.h"
#include "app/ui/TMainForm.h"
#include "league/ui/MessageDialogs.h"
#include "support/TempDir.h"
#include "views/ui/DisplayWindows.h"
#include "views/ui/TDisplayForm.h"

#include "MainFormTesting.h"
#include "TestConfig.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

namespace grd {

// The main window as a frame: its captions, client area, child windows, hints,
// splash screen and tool-bar glyphs.
class TMainFormFrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir_;
    std::vector<Failure> errors_;

    std::string dir() const { return dir_->dir(); }
    std::unique_ptr<TMainForm> readyWithData() {
        auto form = std::make_unique<TMainForm>(dir());
        form->resize(1200, 800);
        form->show();
        test::tickTwice(*form);
        form->findChild<QAction*>("smViewCurrent")->trigger();
        return form;
    }
    static QMdiSubWindow* child(TMainForm& form, WindowCode code) {
        return qobject_cast<QMdiSubWindow*>(form.viewWindow(code));
    }
    // Whether hovering the widget pops up its short hint.
    static bool showsHint(QWidget* widget) {
        QToolTip::hideText();
        const QPoint at = widget->rect().center();
        QHelpEvent hover(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &hover);
        return QToolTip::isVisible();
    }
    // How much of a pixmap shows: the sum of its pixels' opacity.
    static qint64 opacity(const QPixmap& pixmap) {
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        qint64 sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum += qAlpha(image.pixel(x, y));
        return sum;
    }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        test::copyProgramFiles(dir());
        errors_.clear();
        MessageDialogs::recordErrors(&errors_);
    }
    void cleanup() {
        MessageDialogs::recordErrors(nullptr);
        dir_.reset();
    }

    void captions_standAloneWithoutTheApplicationName() {
        setUpApplication();
        QCOMPARE(QApplication::applicationName(), QStringLiteral("GRD Oddsmith"));
        // A display name of its own would be added to every caption; without one it
        // follows the application name.
        QApplication::setApplicationName(QStringLiteral("probe"));
        QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("probe"));
        setUpApplication();
    }

    void shrunkMainWindow_scrollsToItsChildren() {
        auto form = readyWithData();
        QScrollBar* across = form->mdiArea()->horizontalScrollBar();
        QScrollBar* down = form->mdiArea()->verticalScrollBar();
        QVERIFY(!across->isVisible() || across->maximum() == 0);
        form->resize(420, 320);
        QTRY_VERIFY(across->isVisible() && down->isVisible());
        QVERIFY(across->maximum() > 0 && down->maximum() > 0);
    }

    void cascade_keepsEachWindowsSizeAndStepsByACaption() {
        auto form = readyWithData();
        std::map<QMdiSubWindow*, QSize> sizes;
        for (QMdiSubWindow* window : form->mdiArea()->subWindowList())
            sizes[window] = window->size();
        QMdiSubWindow* active = form->mdiArea()->activeSubWindow();
        form->findChild<QAction*>("smWindowCascade")->trigger();

        const QList<QMdiSubWindow*> stack = form->mdiArea()->subWindowList(QMdiArea::StackingOrder);
        QCOMPARE(stack.size(), 3);
        const int step = stack[1]->y() - stack[0]->y();
        QVERIFY(step >= 10);
        const QSize area = form->mdiArea()->viewport()->size();
        for (int i = 0; i < stack.size(); ++i) {
            QCOMPARE(stack[i]->pos(), QPoint(i * step, i * step));
            QCOMPARE(stack[i]->size(), sizes[stack[i]].boundedTo(area - QSize(i * step, i * step)));
        }
        QCOMPARE(form->mdiArea()->activeSubWindow(), active);
    }

    void optionsFont_leavesCaptionsAndFitsToolBars() {
        auto form = readyWithData();
        QMdiSubWindow* category = child(*form, kCategoryRankWindow);
        const QFont system = category->font();
        QFont big(QStringLiteral("Arial"));
        big.setPointSize(28);
        form->setMainFont(big);
        form->RedrawChildren(false, true);
        QCOMPARE(category->font(), system);
        QCOMPARE(displayFormOf(category)->grid()->font().pointSize(), 28);

        auto* label = category->findChild<QLabel*>("NameLengthLabel");
        QWidget* bar = category->findChild<QWidget*>("TheToolbar");
        QTRY_VERIFY(bar->height() >= bar->sizeHint().height());
        QVERIFY(label->height() >= label->sizeHint().height());
    }

    void flybyOff_silencesTheHintsOfEveryWindow() {
        dir_->write("GRDOdds.cfg", "[General]\nFlyBy=0\n");
        auto form = readyWithData();
        auto* sortButton = child(*form, kTeamRankWindow)->findChild<QToolButton*>("SortOffSBtn");
        auto* nameLength = child(*form, kCategoryRankWindow)->findChild<QWidget*>("NameLengthSpin");
        auto* quick = form->findChild<QToolButton*>("QuickSBtn");
        for (QWidget* control :
             {static_cast<QWidget*>(sortButton), nameLength, static_cast<QWidget*>(quick)})
            QVERIFY2(!showsHint(control), qPrintable(control->objectName()));

        form->state().prefs.general.flyby = true;
        form->applyPreferences();
        for (QWidget* control :
             {static_cast<QWidget*>(sortButton), nameLength, static_cast<QWidget*>(quick)})
            QVERIFY2(showsHint(control), qPrintable(control->objectName()));
        QToolTip::hideText();
    }

    void splash_showsAboveTheShownMainWindowCentredOnTheScreen() {
        TMainForm form(dir());
        const auto splash = [&form] { return form.findChild<QWidget*>("SPLASHBOX"); };
        QVERIFY(splash() == nullptr || !splash()->isVisible());
        form.show();
        QTRY_VERIFY(splash() != nullptr && splash()->isVisible());
        const QRect screen = form.screen()->availableGeometry();
        QVERIFY((splash()->geometry().center() - screen.center()).manhattanLength() <= 2);
        test::tickTwice(form);
        QTRY_VERIFY(splash() == nullptr);
    }

    void printButton_looksFainterWhenDisabled() {
        TMainForm form(dir());
        const QIcon glyph = form.findChild<QToolButton*>("PrintSBtn")->icon();
        const qint64 enabled = opacity(glyph.pixmap(24, QIcon::Normal));
        const qint64 disabled = opacity(glyph.pixmap(24, QIcon::Disabled));
        QVERIFY(enabled > 0);
        QVERIFY2(disabled * 2 < enabled,
                 qPrintable(QStringLiteral("%1 of %2").arg(disabled).arg(enabled)));
    }

    void failedMainDataRead_leavesNothingToSave() {
        auto form = std::make_unique<TMainForm>(dir());
        form->show();
        test::tickTwice(*form);
        ProgramState& program = form->state().program;
        program.rankingsUpdated = true;
        program.spreadsForecast = true;
        dir_->write("MAIN-DTA.GRD", "5.1\r\nMD\r\ncut short\r\n");
        MessageDialogs::setNextAnswer(Answer::No);
        form->ViewLoadDataClick(101);
        QCOMPARE(errors_.size(), size_t{1});
        QCOMPARE(errors_[0].number, -8);
        QVERIFY(!program.hasUnsavedData());
        // Closing asks nothing more: there is nothing it could save.
        QVERIFY(form->close());
        QCOMPARE(MessageDialogs::questionsAsked().size(), size_t{1});
    }
};

} // namespace grd

QTEST_MAIN(grd::TMainFormFrameTest)
#include "TMainFormFrame_test.moc"
