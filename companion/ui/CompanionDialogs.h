#pragma once

class QWidget;

// The library's windows. Parents are the program's windows, or none.
void showSplash(QWidget* parent);
void closeSplash();
bool splashShown();
void runAboutBox(QWidget* parent);
// The chosen entry of the week chooser, or -1 when none was chosen.
int runWeekChooser(QWidget* parent, int regularWeeks, int standsAt);
