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

    AppState app;
    ViewState views;
    QMdiArea area;
    QFont font{QStringLiteral("Arial")};
    int fontRequests = 0;
    std::vector<Failure> errors;
};

// The lines of a text put on the clipboard, which ends each with CR LF.
inline QStringList clipboardLines() {
    QString text = QGuiApplication::clipboard()->text();
    if (!text.endsWith(QLatin1String("\r\n"))) {
        return {QStringLiteral("<clipboard text without CR LF ending>")};
    }
    text.chop(2);
    return text.split(QStringLiteral("\r\n"));
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
