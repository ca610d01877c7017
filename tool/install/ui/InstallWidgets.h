#pragma once

#include <QString>

class QLabel;
class QPushButton;

// The controls the installer windows build, named for the tests and the help.
QPushButton* MakeButton(const char* name, const QString& caption);
// A word-wrapped text.
QLabel* MakeLabel(const char* name, const QString& text);
