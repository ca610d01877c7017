#include "initune/RenderIniTuning.h"

#include "initune/IniLoading.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 MaxProduct = std::numeric_limits<qint32>::max();
constexpr qint64 MinProduct = std::numeric_limits<qint32>::min();
constexpr int TotalRow = 1;
// A texture count of 999 is a marker in render.ini, not a number of textures: it reserves no
// memory, so it counts as 0 MB and is never refused as too many.
const QLatin1String NoCountMarker("999");

QString NotAnInteger(const QString& text) {
    return QCoreApplication::translate("IniTuning", "'%1' is not a valid integer value").arg(text);
}

QString TooManyTextures(const QString& name, const QString& count, qint64 bytes) {
    return QCoreApplication::translate("IniTuning", "Nombre de textures trop grand pour %1 : %2 (%3 au plus)")
        .arg(name, count, QString::number(MaxProduct / bytes));
}

bool OnlyDigits(const QString& text) {
    for (const QChar c : text) {
        if (c < QChar('0') || c > QChar('9'))
            return false;
    }
    return true;
}

// Empties the refused NEW cell and tells why.
Failure Refuse(IniGrid& grid, int row, const QString& message) {
    grid.SetCell(row, grid.newColumn, QString());
    return {grid.Cell(row, 0), message};
}

// A NEW count must sit on a named row, be all digits, and fit the memory figure.
Done CheckNewCount(IniGrid& grid, int row) {
    const QString count = grid.Cell(row, grid.newColumn);
    if (count.isEmpty())
        return {};
    const QString name = grid.Cell(row, 0);
    if (name.isEmpty() || name.startsWith('['))
        return Refuse(grid, row,
                      QCoreApplication::translate("IniTuning", "Pas d''en têtes ou de lignes vides!"));
    if (!OnlyDigits(count))
        return Refuse(grid, row,
                      QCoreApplication::translate("IniTuning",
                                                  "Les nouvelles valeurs ne doivent comportées que des "
                                                  "chiffres (0..9), pas d''autres caractères"));
    const auto bytes = TextureBytes(name);
    bool ok = false;
    const qint64 value = count.toLongLong(&ok);
    if (bytes && count != NoCountMarker && (!ok || !TextureMegabytes(value, *bytes)))
        return Refuse(grid, row, TooManyTextures(name, count, *bytes));
    return {};
}

Done ComputeTotal(IniGrid& grid) {
    qint64 total = 0;
    bool agp = false;
    bool nonAgp = false;
    for (int row = grid.firstDataRow; row < grid.RowCount(); ++row) {
        const QString name = grid.Cell(row, 0);
        if (name.contains('[')) {
            agp = name == QLatin1String("[AGP]");
            nonAgp = name == QLatin1String("[NonAGP]");
        }
        const QString memory = grid.Cell(row, grid.memColumn);
        if (agp || nonAgp || memory.isEmpty())
            continue;
        bool ok = false;
        total += memory.toLongLong(&ok);
        if (!ok)
            return Failure{memory, NotAnInteger(memory)};
    }
    grid.SetCell(TotalRow, 0, QCoreApplication::translate("IniTuning", "Memory in MB (without AGP)"));
    grid.SetCell(TotalRow, grid.memColumn, QString::number(total));
    return {};
}

} // namespace

std::optional<qint64> TextureBytes(const QString& name) {
    static const QHash<QString, qint64> bytes = {
        {"maxTextures32", 4096},        {"maxTextures32_565", 2048},    {"maxTextures64", 16384},
        {"maxTextures64_565", 8192},    {"maxTextures128", 65536},      {"maxTextures128_565", 32768},
        {"maxTextures256", 262144},     {"maxTextures256_565", 131072}, {"maxTextures512", 1048576},
        {"maxTextures512_565", 524288}, {"maxTextures1024", 4194304},
    };
    const auto found = bytes.constFind(name);
    if (found == bytes.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<qint64> TextureMegabytes(qint64 count, qint64 bytes) {
    if (bytes <= 0 || count > MaxProduct / bytes || count < MinProduct / bytes)
        return std::nullopt;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return static_cast<qint64>(std::nearbyint(static_cast<double>(count * bytes) / 1048576.0 + 0.5));
}

Result<bool> LoadRenderIni(IniGrid& grid, const QString& path) {
    return LoadIniPage(grid, IniMode::RenderIni, 2, QCoreApplication::translate("IniTuning", "Memory (MB)"),
                       &IniGrid::memColumn, path);
}

Done ComputeMemory(IniGrid& grid) {
    for (int row = grid.firstDataRow; row < grid.RowCount(); ++row) {
        const QString count = grid.Cell(row, grid.oldColumn);
        if (count == NoCountMarker) {
            grid.SetCell(row, grid.memColumn, QStringLiteral("0"));
            continue;
        }
        const QString name = grid.Cell(row, 0);
        const auto bytes = TextureBytes(name);
        if (!bytes)
            continue;
        bool ok = false;
        const int value = count.toInt(&ok);
        if (!ok)
            return Failure{count, NotAnInteger(count)};
        const auto megabytes = TextureMegabytes(value, *bytes);
        if (!megabytes)
            return Failure{count, TooManyTextures(name, count, *bytes)};
        grid.SetCell(row, grid.memColumn, QString::number(*megabytes));
    }
    return ComputeTotal(grid);
}

Done CheckNewCounts(IniGrid& grid) {
    for (int row = grid.firstDataRow; row < grid.RowCount(); ++row) {
        if (const Done checked = CheckNewCount(grid, row); !checked)
            return checked;
    }
    return {};
}

Done ApplyNewCounts(IniGrid& grid) {
    for (int row = grid.firstDataRow; row < grid.RowCount(); ++row) {
        if (const Done checked = CheckNewCount(grid, row); !checked)
            return checked;
        const QString count = grid.Cell(row, grid.newColumn);
        if (!count.isEmpty())
            grid.SetCell(row, grid.oldColumn, count);
    }
    return {};
}
