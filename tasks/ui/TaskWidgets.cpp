#include "tasks/ui/TaskWidgets.h"

#include "league/LeagueLookups.h"
#include "league/ui/HelpContext.h"
#include "prefs/ui/HelpWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

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
    keepRoom(panel);
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

int teamTextWidth(const QFontMetrics& metrics, const LeagueStructure& league, bool cityNames) {
    int widest = metrics.horizontalAdvance(QStringLiteral(" San Francisco "));
    if (const auto* alignment = league.active()) {
        for (int team = 1; team <= alignment->teamCount; ++team) {
            QString text = QStringLiteral(" ") + teamName(league, team, cityNames) + QChar(' ');
            widest = std::max(widest, metrics.horizontalAdvance(text));
        }
    }
    return widest;
}

int cellMargins(const QTableView* grid) {
    // The item view draws its text this far inside the cell on either side, and
    // rounds the text's width up to a whole pixel.
    int textMargin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    return 2 * textMargin + 1 + (grid->showGrid() ? 1 : 0);
}

void showWhole(QTableView* grid) {
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = 2 * grid->frameWidth();
    for (int column = 0; column < grid->model()->columnCount(); ++column) {
        width += grid->columnWidth(column);
    }
    int height = 2 * grid->frameWidth();
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        height += grid->rowHeight(row);
    }
    grid->setFixedSize(width, height);
}

void keepRoom(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace grd::taskui
