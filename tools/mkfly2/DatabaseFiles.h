#pragma once

#include "MkFly2Options.h"

// Writes SYSTEM/*.POD with templates, tables and indexes of the eight databases, and DEX files; throws std::runtime_error on failure.
void WriteDatabases(const MkFly2Options& options);
