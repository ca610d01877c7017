#pragma once

#include "MkFly2Options.h"

// Writes FLY2.EXE, flystart.exe, modules, scenery, data, aircraft, dex, taxiways, control files; throws std::runtime_error on failure.
void WriteToolFiles(const MkFly2Options& options);
