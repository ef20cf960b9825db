#include "tasks/ui/TaskWidgets.h"

#include "league/LeagueLookups.h"
#include "league/ui/HelpContext.h"
#include "prefs/ui/HelpWindow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace grd::taskui {

QFrame* instructionPanel(const char* objectName, const QStringList& lines, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(objectName));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(panel);
    for (const auto& line : lines) {
        layout->addWidget(new QLabel(line, panel));
    }
    panel->hide();
    return panel;
}

QPushButton* button(const char* objectName, const QString& caption, QWidget* parent) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(objectName));
    result->setAutoDefault(false);
    return result;
}

QPushButton* helpButton(int context, QWidget* parent) {
    auto* help = button("HelpBtn", QStringLiteral("&Help"), parent);
    QObject::connect(help, &QPushButton::clicked, parent, [context] { showHelp(context); });
    // F1 asks for the same topic.
    setHelpContext(parent->window(), context);
    return help;
}

QString teamName(const LeagueStructure& league, int team, bool cityNames) {
    return QString::fromStdString(TeamName(league, team, cityNames));
}

void informationBeep() {
    QApplication::beep();
}

} // namespace grd::taskui
