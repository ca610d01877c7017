#include "initune/IniSaving.h"

#include "initune/RenderIniTuning.h"
#include "shell/FileUtils.h"
#include "shell/NativeFs.h"

IniOutcome SaveIni(IniGrid& grid) {
    if (grid.path.isEmpty())
        return {};
    if (grid.mode == IniMode::RenderIni) {
        const IniOutcome refusal = CheckNewCounts(grid);
        if (!refusal.ok())
            return refusal;
    }
    if (!MakeDatedBackup(grid.path, false))
        return IniOutcome::Warning(QString::fromUtf8("Impossible de créer un fichier de SAUVEGARDE"));
    if (!WriteFileAtomic(grid.path, grid.TakeNewValuesAndBuildText()))
        return IniOutcome::Error(QString::fromUtf8("Impossible d'enregistrer ") + grid.path);
    return {};
}
