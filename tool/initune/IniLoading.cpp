#include "initune/IniLoading.h"

#include "fs/NativeFs.h"
#include "fs/TextLines.h"

#include <algorithm>

#include <QCoreApplication>

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
