#pragma once

// A frame for display windows under test: the six-team fixture league and schedule,
// an MDI area, and the main window's sort command.

#include "files/Failure.h"
#include "league/ui/MessageDialogs.h"
#include "views/ViewsFixture.h"
#include "views/ui/DisplayHost.h"
#include "views/ui/DisplayWindows.h"
#include "views/ui/TDisplayForm.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

#include <memory>
#include <vector>

namespace grd::test {

class DisplayTestHost : public DisplayHost {
public:
    DisplayTestHost() {
        app.league = viewsLeague();
        app.schedule = std::make_unique<tSchedule70>(viewsSchedule());
        font.setPointSize(10);
        area.resize(1200, 800);
        area.show();
        MessageDialogs::recordErrors(&errors);
    }
    ~DisplayTestHost() override { MessageDialogs::recordErrors(nullptr); }

    void load(const std::string& name, int32_t kind) {
        app.rankings = std::make_unique<tRankings>();
        readViewsFixture(name, kind, *app.rankings, app.program, app.league);
    }

    template <class Form> Form* open(WindowCode code) {
        QMdiSubWindow* window = openDisplayWindow(*this, code);
        return window != nullptr ? qobject_cast<Form*>(displayFormOf(window)) : nullptr;
    }

    AppState& appState() override { return app; }
    ViewState& viewState() override { return views; }
    QMdiArea* mdiArea() override { return &area; }
    QFont displayFont() const override { return font; }
    void setDisplayFont(const QFont& chosen) override { font = chosen; }
    void chooseFont() override { ++fontRequests; }
    void resort(int sortKey) override {
        ProgramState& program = app.program;
        program.previousSortKey = program.sortKey;
        program.sortKey = static_cast<int16_t>(sortKey);
        if (program.sortKey != program.previousSortKey) {
            applySortKey(*this, sortKey);
        }
    }
    void windowOpened(WindowCode code, QWidget*) override { app.windowOpen[code] = true; }
    void windowClosed(WindowCode code) override { app.windowOpen[code] = false; }

    // A print request as the windows hand it on: the report kind (0 for a schedule or
    // plain lines), the preview flag and, for schedules and lines, what is printed.
    struct PrintRequest {
        int kind = 0;
        bool preview = false;
        int scheduleType = 0;
        std::string viewName;
        QStringList lines;
        QString title;
    };
    void printReport(int kind, bool preview) override {
        printRequests.push_back({kind, preview, 0, {}, {}, {}});
    }
    void printSchedule(const GridContent&, int scheduleType, const std::string& viewName,
                       bool preview, QWidget*) override {
        printRequests.push_back({0, preview, scheduleType, viewName, {}, {}});
    }
    void printLines(const QStringList& lines, const QString& title, bool preview,
                    QWidget*) override {
        printRequests.push_back({0, preview, 0, {}, lines, title});
    }

    AppState app;
    ViewState views;
    QMdiArea area;
    QFont font{QStringLiteral("Arial")};
    int fontRequests = 0;
    std::vector<PrintRequest> printRequests;
    std::vector<Failure> errors;
};

// The lines of a text put on the clipboard, which ends each with CR LF.
inline QStringList clipboardLines() {
    QString text = QGuiApplication::clipboard()->text();
    if (!text.endsWith(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        return {QStringLiteral("<clipboard text without LF line ends>")};
    }
    text.chop(1);
    return text.split(QLatin1Char('\n'));
}

// The expected lines of a fixture text file.
inline QStringList expectedLines(const char* name) {
    QFile file(QString::fromStdString(kViewsFixtureDir) + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {QStringLiteral("<missing fixture>")};
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    return text.split(QLatin1Char('\n'));
}

} // namespace grd::test
