#pragma once

#include "MkFly2Options.h"

// Writes system/fly.ini and system/render.ini; throws std::runtime_error on failure.
void WriteIniFiles(const MkFly2Options& options);
