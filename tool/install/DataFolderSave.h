#pragma once

#include <QString>

// Putting the simulator's "data" folder aside before slicing ("data-save") and bringing it back
// afterwards. Both take the path of FLY2.EXE, show their boxes and return the error text of a step that
// failed (empty on success); the caller shows it in the error box.
QString SaveDataFolder(const QString& flyExePath);
QString RestoreDataFolder(const QString& flyExePath);
