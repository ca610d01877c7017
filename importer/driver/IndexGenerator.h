#pragma once

#include "db/IndexGen.h"
#include "driver/NavDatabase.h"

#include <memory>

class TriDb;

// The key generator that writes one of a database's index files.
std::unique_ptr<IndexGen> MakeIndexGenerator(const TriDb& table, const NavIndex& index);
