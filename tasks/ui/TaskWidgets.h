#pragma once

#include "league/LeagueStructure.h"

#include <QString>
#include <QStringList>

class QFontMetrics;
class QFrame;
class QPushButton;
class QTableView;
class QWidget;

namespace grd {

// Small pieces the weekly task's windows share.
namespace taskui {

// A panel of instruction lines, hidden until shown; its room is kept meanwhile.
QFrame* instructionPanel(const char* objectName, const QStringList& lines, QWidget* parent);
QPushButton* button(const char* objectName, const QString& caption, QWidget* parent);
// A Help button that opens the help topic of a context.
QPushButton* helpButton(int context, QWidget* parent);
QString teamName(const LeagueStructure& league, int team, bool cityNames);
// The information beep that marks the end of entering.
void informationBeep();

// The width of the widest team cell text: " San Francisco ", or a longer name of the
// active alignment with its blanks.
int teamTextWidth(const QFontMetrics& metrics, const LeagueStructure& league, bool cityNames);
// What a grid cell needs beside its text's width: the margins on both sides, the
// rounding of the text's width and the grid line.
int cellMargins(const QTableView* grid);
// Fixes a grid at the size that shows every row and column without scroll bars.
void showWhole(QTableView* grid);
// Keeps a hidden widget's room in its layout, so that showing it later does not
// resize the window.
void keepRoom(QWidget* widget);

} // namespace taskui
} // namespace grd
