#pragma once

#include "fs/Outcome.h"
#include "initune/IniGrid.h"

#include <QStringList>

// Empties the grid and lays it out for mode: the headers in row 0, OLD in column 1, NEW in column 3,
// the data from dataRow on (one empty data row to begin with).
void StartIniGrid(IniGrid& grid, IniMode mode, int dataRow, const QStringList& headers);
// Reads path into the data rows (values trimmed of blanks when trimValues); the outcome says why
// nothing was read.
Outcome ReadIniIntoGrid(IniGrid& grid, const QString& path, bool trimValues);
