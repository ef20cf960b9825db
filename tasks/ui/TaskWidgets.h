#pragma once

#include "league/LeagueStructure.h"

#include <QString>
#include <QStringList>

class QFrame;
class QPushButton;
class QWidget;

namespace grd {

// Small pieces the weekly task's windows share.
namespace taskui {

// A panel of instruction lines, hidden until shown.
QFrame* instructionPanel(const char* objectName, const QStringList& lines, QWidget* parent);
QPushButton* button(const char* objectName, const QString& caption, QWidget* parent);
// A Help button that opens the help topic of a context.
QPushButton* helpButton(int context, QWidget* parent);
QString teamName(const LeagueStructure& league, int team, bool cityNames);
// The information beep that marks the end of entering.
void informationBeep();

} // namespace taskui
} // namespace grd
