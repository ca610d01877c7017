#include "initune/IniSaving.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "initune/RenderIniTuning.h"

Done CheckIniToSave(IniGrid& grid) {
    if (grid.path.isEmpty() || grid.mode != IniMode::RenderIni)
        return {};
    return CheckNewCounts(grid);
}

Result<Done> SaveIni(IniGrid& grid) {
    if (grid.path.isEmpty())
        return Done();
    if (const Done backup = MakeDatedBackup(grid.path); !backup)
        return Failure{grid.path, backup.failure().reason, backup.failure().refused};
    if (const Done saved = WriteFileAtomic(grid.path, grid.TakeNewValuesAndBuildText()); !saved)
        return Done(Failure{grid.path, saved.failure().reason, saved.failure().refused});
    return Done();
}
