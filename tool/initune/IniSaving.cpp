#include "initune/IniSaving.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "initune/RenderIniTuning.h"

Outcome SaveIni(IniGrid& grid) {
    if (grid.path.isEmpty())
        return {};
    if (grid.mode == IniMode::RenderIni) {
        const Outcome refusal = CheckNewCounts(grid);
        if (!refusal.ok())
            return refusal;
    }
    if (const Done backup = MakeDatedBackup(grid.path); !backup)
        return BackupFailed(grid.path, backup.failure());
    if (const Done saved = WriteFileAtomic(grid.path, grid.TakeNewValuesAndBuildText()); !saved)
        return Outcome::Error(QString::fromUtf8("Impossible d'enregistrer ") + grid.path + QStringLiteral(" : ") +
                              saved.failure().reason);
    return {};
}
