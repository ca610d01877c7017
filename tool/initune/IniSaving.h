#pragma once

#include "fs/Result.h"
#include "initune/IniGrid.h"

// "OK, enregistrer" of both modes, in two steps. First the render.ini counts (CheckNewCounts): the first
// refusal, none for fly.ini or while no file is loaded.
Done CheckIniToSave(IniGrid& grid);
// Then NEW over OLD, the dated backup, and the whole file through a temporary name; nothing when no file is
// loaded. Fails naming the file when the backup failed (nothing is written, BackupFailed tells why); once
// it is made, the write's result.
Result<Done> SaveIni(IniGrid& grid);
