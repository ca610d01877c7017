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

// Reads path into the data rows (values trimmed of blanks when trimValues); the outcome says why nothing
// was read.
Outcome ReadIniIntoGrid(IniGrid& grid, const QString& path, bool trimValues) {
    // A path the settings don't hold yet (the path window's OK fills it in) is named by its file.
    const QString unknown =
        grid.mode == IniMode::RenderIni ? QStringLiteral("render.ini") : QStringLiteral("fly.ini");
    if (!FileExists(path))
        return Outcome::Info(QCoreApplication::translate("IniTuning", "%1 NON TROUVE!!!")
                                 .arg(path.isEmpty() ? unknown : ResolvePath(path)));
    const auto bytes = ReadWholeFile(path);
    if (!bytes)
        return Outcome::Error(
            QCoreApplication::translate("IniTuning", "Lecture impossible : %1").arg(ResolvePath(path)));
    const QList<QByteArray> lines = SplitLines(*bytes);
    grid.path = path;
    grid.SetRowCount(std::max(static_cast<int>(lines.size()) + grid.firstDataRow, grid.firstDataRow + 1));
    grid.PutLines(lines, grid.firstDataRow, trimValues);
    return {};
}

} // namespace

Outcome LoadIniPage(IniGrid& grid, IniMode mode, int dataRow, const QString& third, int IniGrid::*role,
                    const QString& path) {
    StartIniGrid(grid, mode, dataRow,
                 {QCoreApplication::translate("IniTuning", "FLY! function"),
                  QCoreApplication::translate("IniTuning", "OLD value"), third,
                  QCoreApplication::translate("IniTuning", "NEW value")});
    grid.*role = 2;
    return ReadIniIntoGrid(grid, path, mode == IniMode::RenderIni);
}
