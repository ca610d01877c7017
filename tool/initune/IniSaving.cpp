#include "initune/IniSaving.h"

#include "initune/RenderIniTuning.h"
#include "shell/FileUtils.h"
#include "shell/NativeFs.h"

Outcome SaveIni(IniGrid& grid) {
    if (grid.path.isEmpty())
        return {};
    if (grid.mode == IniMode::RenderIni) {
        const Outcome refusal = CheckNewCounts(grid);
        if (!refusal.ok())
            return refusal;
    }
    if (!MakeDatedBackup(grid.path))
        return BackupFailed();
    if (!WriteFileAtomic(grid.path, grid.TakeNewValuesAndBuildText()))
        return Outcome::Error(QString::fromUtf8("Impossible d'enregistrer ") + grid.path);
    return {};
}
