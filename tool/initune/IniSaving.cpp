#include "initune/IniSaving.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "initune/RenderIniTuning.h"

#include <QCoreApplication>

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
        return Outcome::Error(QCoreApplication::translate("IniTuning", "Impossible d'enregistrer %1 : %2")
                                  .arg(grid.path, saved.failure().reason));
    return {};
}
