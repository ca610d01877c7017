#pragma once

#include "fs/Result.h"
#include "initune/IniGrid.h"

#include <QStringList>

// One tuning page: the grid started for mode with the headers "FLY! function", "OLD value", third and
// "NEW value", column 2 given its role (IniGrid::recColumn or memColumn), then the file at path read into
// it (values trimmed for render.ini): false when that file isn't there, or the failure naming it when it
// can't be read. The grid then holds no file.
Result<bool> LoadIniPage(IniGrid& grid, IniMode mode, int dataRow, const QString& third, int IniGrid::*role,
                         const QString& path);
