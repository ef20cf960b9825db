#include "TestConfig.h"
#include "companion/GRDOddsApi.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <climits>
#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The library as the program binds it: by file name, then each export by name.
struct Companion {
    void* handle = dlopen(ODDSMITH_COMPANION_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    template <class Fn> Fn bind(const char* name) const {
        return reinterpret_cast<Fn>(dlsym(handle, name));
    }
    ShowSplashScreenFn showSplash = bind<ShowSplashScreenFn>("ShowSplashScreen");
    CloseSplashScreenFn closeSplash = bind<CloseSplashScreenFn>("CloseSplashScreen");
    ShowAboutDlgFn showAbout = bind<ShowAboutDlgFn>("ShowAboutDlg");
    ShowGetWeekDlgFn showGetWeek = bind<ShowGetWeekDlgFn>("ShowGetWeekDlg");
    WeekMapFn weekMap = bind<WeekMapFn>("WeekMap");
    SetWGCFn setWGC = bind<SetWGCFn>("SetWGC");
    GetFGamesFn getFGames = bind<GetFGamesFn>("GetFGames");
    GetSGamesFn getSGames = bind<GetSGamesFn>("GetSGames");
    SetPlayOffNamesFn setPlayOffNames = bind<SetPlayOffNamesFn>("SetPlayOffNames");
};

const Companion& companion() {
    static Companion library;
    return library;
}

QApplication* app = nullptr;

QApplication& application() {
    static int argc = 1;
    static char name[] = "companion_tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (app == nullptr)
        app = new QApplication(argc, argv);
    return *app;
}

// The application goes before exit, while Qt's plugins are still loaded.
class QtEnvironment : public ::testing::Environment {
    void TearDown() override {
        delete app;
        app = nullptr;
    }
};
const auto* const qtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Runs act on the modal dialog once it is up.
void whenModal(std::function<void(QDialog*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start(10);
}

std::pair<int, int> forecast(int week) {
    std::pair<int, int> range{-1, -1};
    companion().getFGames(week, &range.first, &range.second);
    return range;
}

std::pair<int, int> scored(int week) {
    std::pair<int, int> range{-1, -1};
    companion().getSGames(week, &range.first, &range.second);
    return range;
}

TEST(Companion, exportsAllNineProcedures) {
    const Companion& c = companion();
    ASSERT_NE(c.handle, nullptr) << dlerror();
    EXPECT_TRUE(c.showSplash && c.closeSplash && c.showAbout && c.showGetWeek && c.weekMap &&
                c.setWGC && c.getFGames && c.getSGames && c.setPlayOffNames);
}

TEST(Companion, gameRangesOfWeeks) {
    const int counts[] = {3, 16, 16, 14};
    companion().setWGC(counts, 3);
    EXPECT_EQ(forecast(3), std::pair(32, 46));
    EXPECT_EQ(scored(3), std::pair(16, 32));
    EXPECT_EQ(forecast(1), std::pair(0, 16));
    EXPECT_EQ(scored(1), std::pair(0, 0));
    EXPECT_EQ(companion().weekMap(5), 5);
}

TEST(Companion, weeksOutsideTheTableStayInsideIt) {
    const int counts[] = {3, 16, 16, 14};
    companion().setWGC(counts, 3);
    EXPECT_EQ(forecast(4), std::pair(46, 46));
    EXPECT_EQ(forecast(INT_MAX), std::pair(46, 46));
    EXPECT_EQ(scored(INT_MIN), std::pair(0, 0));
    EXPECT_EQ(forecast(-3), std::pair(0, 0));

    const int negative[] = {2, -5, 10};
    companion().setWGC(negative, 2);
    EXPECT_EQ(forecast(2), std::pair(0, 10));
    companion().setWGC(nullptr, 5);
    EXPECT_EQ(forecast(1), std::pair(0, 0));
    const char* names[] = {"Wild Card"};
    companion().setPlayOffNames(names, 1);
}

TEST(Companion, weekChooserListsEveryWeekAndReturnsTheChoice) {
    application();
    QStringList entries;
    QString caption;
    whenModal([&](QDialog* dialog) {
        caption = dialog->windowTitle();
        auto* list = dialog->findChild<QListWidget*>("WeekListBox");
        for (int i = 0; i < list->count(); ++i)
            entries << list->item(i)->text();
        list->setCurrentRow(17);
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    int weeks = 17;
    int code = -1;
    ASSERT_TRUE(companion().showGetWeek(nullptr, &weeks, &code, nullptr, 0));
    EXPECT_EQ(code, 17);
    EXPECT_EQ(caption, " GRD Oddsmith: Weekly Tasks: Choose Week");
    ASSERT_EQ(entries.size(), 23);
    EXPECT_EQ(entries[0], "                       Week  1 spreads");
    EXPECT_EQ(entries[1], " Week  1 scores........Week  2 spreads");
    EXPECT_EQ(entries[9], " Week  9 scores........Week 10 spreads");
    EXPECT_EQ(entries[16], " Week 16 scores........Week 17 spreads");
    EXPECT_EQ(entries[17], " Week 17 scores........Wild Card spreads");
    EXPECT_EQ(entries[18], " Wild Card scores......Division spreads");
    EXPECT_EQ(entries[19], " Division scores.......Championship spreads");
    EXPECT_EQ(entries[20], " Championship scores...Super Bowl spreads");
    EXPECT_EQ(entries[21], " Super Bowl score");
    EXPECT_EQ(entries[22], " Other scores..........Other spreads");
}

TEST(Companion, weekChooserShowsWhereTheDataStandsAndOffersTheNextEntry) {
    application();
    const struct {
        int standsAt, offered;
        const char* label; // empty: none shown
    } cases[] = {
        {-1, 0, ""},
        {0, 1, "The main data file stands at: Week 1 spreads"},
        {2, 3, "The main data file stands at: Week 2 scores / Week 3 spreads"},
        {21, 0, "The main data file stands at: Super Bowl score"}, // the season is over
    };
    for (const auto& c : cases) {
        int offered = -2;
        QString label;
        whenModal([&](QDialog* dialog) {
            offered = dialog->findChild<QListWidget*>("WeekListBox")->currentRow();
            if (auto* stands = dialog->findChild<QLabel*>("StandsAtLabel"))
                label = stands->text();
            dialog->reject();
        });
        int weeks = 17;
        int code = c.standsAt;
        companion().showGetWeek(nullptr, &weeks, &code, nullptr, 0);
        EXPECT_EQ(offered, c.offered) << c.standsAt;
        EXPECT_EQ(label.toStdString(), c.label);
    }
}

// Where a label's text begins, in the coordinates of the widget to.
int textLeft(const QLabel* label, const QWidget* to) {
    QSize text(label->fontMetrics().horizontalAdvance(label->text()), 1);
    QRect drawn =
        QStyle::alignedRect(Qt::LeftToRight, label->alignment(), text, label->contentsRect());
    return label->mapTo(to, drawn.topLeft()).x();
}

TEST(Companion, weekChooserHeadingsStandOverTheirColumns) {
    application();
    int enterOffset = 999;
    int forecastOffset = 999;
    whenModal([&](QDialog* dialog) {
        dialog->show();
        auto* list = dialog->findChild<QListWidget*>("WeekListBox");
        // The first entry's text, as the list draws it, and its character width.
        int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        int entryLeft =
            list->viewport()->mapTo(dialog, list->visualItemRect(list->item(1)).topLeft()).x() +
            margin;
        // " Week  1 scores........Week  2 spreads": the parts begin at 1 and 23.
        QString entry = list->item(1)->text();
        QFontMetrics metrics(list->font());
        enterOffset = textLeft(dialog->findChild<QLabel*>("EnterLabel"), dialog) - entryLeft -
                      metrics.horizontalAdvance(entry.left(1));
        forecastOffset = textLeft(dialog->findChild<QLabel*>("ForecastLabel"), dialog) - entryLeft -
                         metrics.horizontalAdvance(entry.left(23));
        dialog->reject();
    });
    int weeks = 18;
    int code = -1;
    companion().showGetWeek(nullptr, &weeks, &code, nullptr, 0);
    EXPECT_EQ(enterOffset, 0);
    EXPECT_EQ(forecastOffset, 0);
}

TEST(Companion, weekChooserCancelledOrClosedGivesFalse) {
    application();
    int weeks = 18;
    int code = -1;
    whenModal([](QDialog* dialog) { dialog->findChild<QPushButton*>("CancelBtn")->click(); });
    EXPECT_FALSE(companion().showGetWeek(nullptr, &weeks, &code, nullptr, 0));
    whenModal([](QDialog* dialog) { dialog->close(); });
    EXPECT_FALSE(companion().showGetWeek(nullptr, &weeks, &code, nullptr, 0));
    whenModal([](QDialog* dialog) {
        dialog->findChild<QListWidget*>("WeekListBox")->clearSelection();
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    EXPECT_FALSE(companion().showGetWeek(nullptr, &weeks, &code, nullptr, 0));
    EXPECT_EQ(code, -1);
}

TEST(Companion, splashAndAboutBox) {
    application();
    EXPECT_EQ(companion().showSplash(nullptr), 1);
    auto splashes = [] {
        int shown = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            shown += w->objectName() == "SPLASHBOX" && w->isVisible();
        return shown;
    };
    EXPECT_EQ(splashes(), 1);
    companion().closeSplash(nullptr);
    EXPECT_EQ(splashes(), 0);
    companion().closeSplash(nullptr);

    // Help windows opened from the About box close with it.
    QWidget help;
    help.setWindowTitle("GRD Oddsmith Help");
    help.show();
    QString title;
    whenModal([&](QDialog* dialog) {
        title = dialog->findChild<QLabel*>("TitleLabel")->text();
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    companion().showAbout(nullptr);
    EXPECT_EQ(title, "GRD Oddsmith 7.18");
    EXPECT_FALSE(help.isVisible());
}

TEST(Companion, aboutBoxNamesTheMainWindowsDataDirectory) {
    application();
    QWidget mainWindow;
    const QString dir = "/home/someone/.local/share/grd-oddsmith/";
    mainWindow.setProperty("dataDirectory", dir);
    QString shown;
    bool named = true;
    whenModal([&](QDialog* dialog) {
        shown = dialog->findChild<QLineEdit*>("DataDirEdit")->text();
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    companion().showAbout(&mainWindow);
    EXPECT_EQ(shown, dir);

    // A parent that names none (as in the tests above) shows no data line.
    whenModal([&](QDialog* dialog) {
        named = dialog->findChild<QLineEdit*>("DataDirEdit") != nullptr;
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    companion().showAbout(nullptr);
    EXPECT_FALSE(named);
}

} // namespace
