#pragma once

#include "TestConfig.h"
#include "league/NamesFile.h"
#include "league/RankingsFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "state/AppState.h"
#include "tasks/GameRange.h"
#include "tasks/WeekData.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <stdexcept>

// What the tests of the weekly task's windows share: finding and working their
// widgets as a user would, the shipped league, and the checks of what a user sees.
namespace grd::test {

// Runs act on the modal window of the given object name as soon as it is shown and
// active: keys pressed before it takes the focus would go to the window below.
inline void onModal(const QString& name, std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* window = QApplication::activeModalWidget();
        if (window != nullptr && window->objectName() == name &&
            QApplication::activeWindow() == window) {
            timer->stop();
            timer->deleteLater();
            act(window);
        }
    });
    timer->start();
}

template <class T> T* child(QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no child %s", name);
    }
    return found;
}

inline void click(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

inline void clickCell(QTableWidget* grid, int row, int column) {
    grid->scrollToItem(grid->item(row, column));
    QRect cell = grid->visualItemRect(grid->item(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Team t of the test league of TaskFixture stands in division (t-1)/2 at position
// (t-1)%2 + 1 of the teams grid.
inline void pickTeam(QWidget* window, int team) {
    clickCell(child<QTableWidget>(window, "TeamsGrid"), (team - 1) % 2 + 1, (team - 1) / 2);
}

inline void forecastGame(QWidget* window, int first, int second) {
    pickTeam(window, first);
    pickTeam(window, second);
    click(window, "ForecastBtn");
}

// Presses a key on whatever has the keyboard focus, as the user's keyboard would.
inline void press(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) {
        qFatal("nothing has the focus");
    }
    QTest::keyClick(focus, key);
}

inline void type(const char* text) {
    QTest::keyClicks(QApplication::focusWidget(), QLatin1String(text));
}

// The cells whose text the grid cannot show whole; empty when every name fits.
inline QStringList cutCells(const QTableWidget* grid) {
    QStringList cut;
    QStyleOptionViewItem option;
    option.initFrom(grid);
    option.widget = grid;
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QTableWidgetItem* item = grid->item(row, column);
            if (item == nullptr || item->text().isEmpty()) {
                continue;
            }
            QModelIndex index = grid->model()->index(row, column);
            int needed = grid->itemDelegateForIndex(index)->sizeHint(option, index).width();
            if (grid->visualItemRect(item).width() < needed) {
                cut << item->text();
            }
        }
    }
    return cut;
}

// A grid a user sees whole: no scroll bars and its last cell inside its viewport.
inline bool showsWhole(const QTableWidget* grid) {
    QModelIndex last = grid->model()->index(grid->rowCount() - 1, grid->columnCount() - 1);
    return grid->horizontalScrollBar()->maximum() == 0 &&
           grid->verticalScrollBar()->maximum() == 0 &&
           grid->viewport()->rect().contains(grid->visualRect(last));
}

// A dialog that fits a 1280x800 screen with its frame, is fixed in size and is wide
// enough for its whole caption in the caption's bold type.
inline void checkFitsScreen(const QWidget* dialog) {
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY2(dialog->width() <= 1280 - 20, qPrintable(QString::number(dialog->width())));
    QVERIFY2(dialog->height() <= 800 - 60, qPrintable(QString::number(dialog->height())));
    QFont bold = dialog->font();
    bold.setBold(true);
    QVERIFY(dialog->width() > QFontMetrics(bold).horizontalAdvance(dialog->windowTitle()));
}

// The shipped league, schedule and main data file, as start-up and a weekly task
// load them.
struct ShippedLeague {
    AppState app;

    ShippedLeague() {
        app.programDir = ODDSMITH_PROGRAM_DIR;
        app.schedule = std::make_unique<tSchedule70>();
        if (!LoadLeagueStructure(app.programDir, app.league).empty() ||
            !LoadSchedule(app.programDir, *app.schedule, app.league).ok() ||
            !LoadNames(app.programDir, app.schedule->namesFileName, app.league).ok()) {
            throw std::runtime_error("the shipped data does not load");
        }
        // As a weekly task does: the main data file makes its alignment the active one.
        app.rankings = std::make_unique<tRankings>();
        if (!ReadRankings(app.programDir + kMainDataFileName, kMainDataKind, *app.rankings,
                          app.program, app.league)
                 .ok()) {
            throw std::runtime_error("the shipped main data file does not read");
        }
    }

    // The lists of a weekly task at currentWeek, before any game is put in them.
    WeekData week(int currentWeek) {
        app.program.prepareWeekLists(app.schedule->teamCount);
        app.program.currentWeek = currentWeek;
        return {*app.rankings, app.program, app.league, app.schedule->teamCount};
    }

    // The same with the scheduled games of a regular week to score.
    WeekData scoring(int scoredWeek) {
        WeekData data = week(scoredWeek + 1);
        GameRange range = gamesOfWeek(app.league.weekGameCounts, scoredWeek);
        for (int index = range.first; index < range.last; ++index) {
            const auto& game = app.schedule->games[static_cast<size_t>(index)];
            auto position = static_cast<size_t>(2 * (index - range.first) + 1);
            app.program.scoreTeams[position] = game.visitorCode - 2;
            app.program.scoreTeams[position + 1] = game.homeCode - 2;
        }
        app.program.scoreGameCount = range.count();
        return data;
    }
};

} // namespace grd::test
