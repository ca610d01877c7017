#include "initune/IniLoading.h"

#include "fs/NativeFs.h"
#include "fs/TextLines.h"

#include <algorithm>

#include <QCoreApplication>

namespace {

// Empties the grid and lays it out for mode: the headers in row 0, OLD in column 1, NEW in column 3, the
// data from dataRow on (one empty data row to begin with).
void StartIniGrid(IniGrid& grid, IniMode mode, int dataRow, const QStringList& headers) {
    grid.Clear();
    grid.mode = mode;
    grid.oldColumn = 1;
    grid.newColumn = 3;
    grid.fixedRows = dataRow;
    grid.firstDataRow = dataRow;
    grid.SetRowCount(dataRow + 1);
    for (int column = 0; column < IniGrid::ColumnCount; ++column)
        grid.SetCell(0, column, headers[column]);
}

// Reads path into the data rows (values trimmed of blanks when trimValues).
Result<bool> ReadIniIntoGrid(IniGrid& grid, const QString& path, bool trimValues) {
    if (!FileExists(path))
        return false;
    const auto bytes = ReadWholeFile(path);
    if (!bytes)
        return Failure{ResolvePath(path), bytes.failure().reason, bytes.failure().refused};
    const QList<QByteArray> lines = SplitLines(*bytes);
    grid.path = path;
    grid.SetRowCount(std::max(static_cast<int>(lines.size()) + grid.firstDataRow, grid.firstDataRow + 1));
    grid.PutLines(lines, grid.firstDataRow, trimValues);
    return true;
}

} // namespace

Result<bool> LoadIniPage(IniGrid& grid, IniMode mode, int dataRow, const QString& third, int IniGrid::*role,
                         const QString& path) {
    StartIniGrid(grid, mode, dataRow,
                 {QCoreApplication::translate("IniTuning", "FLY! function"),
                  QCoreApplication::translate("IniTuning", "OLD value"), third,
                  QCoreApplication::translate("IniTuning", "NEW value")});
    grid.*role = 2;
    return ReadIniIntoGrid(grid, path, mode == IniMode::RenderIni);
}
