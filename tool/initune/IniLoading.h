#pragma once

#include "fs/Outcome.h"
#include "initune/IniGrid.h"

#include <QStringList>

// One tuning page: the grid started for mode with the headers "FLY! function", "OLD value", third and
// "NEW value", column 2 given its role (IniGrid::recColumn or memColumn), then the file at path read into
// it (values trimmed for render.ini).
Outcome LoadIniPage(IniGrid& grid, IniMode mode, int dataRow, const QString& third, int IniGrid::*role,
                    const QString& path);
