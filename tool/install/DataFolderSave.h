#pragma once

#include <QString>

struct Outcome;

// Putting the simulator's "data" folder aside before slicing ("data-save") and bringing it back
// afterwards. Both take the path of FLY2.EXE and return their boxes, ending with the error of a step that
// failed.
Outcome SaveDataFolder(const QString& flyExePath);
Outcome RestoreDataFolder(const QString& flyExePath);
