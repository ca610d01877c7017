#pragma once

#include "fs/Outcome.h"
#include "initune/IniGrid.h"

// "OK, enregistrer" of both modes: NEW over OLD, the dated backup, then the whole file through a
// temporary name. Nothing is written when no file is loaded, when a render.ini count is refused, or
// when the backup fails.
Outcome SaveIni(IniGrid& grid);
