#pragma once

#include "MkFly2Options.h"

// Writes SYSTEM\<NAME>.POD with the template, table and indexes of each of the eight databases, and
// update files into dex\; throws std::runtime_error on failure.
void WriteDatabases(const MkFly2Options& options);
