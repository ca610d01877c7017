#pragma once

#include "db/IndexGen.h"
#include "driver/NavDatabase.h"

#include <memory>

class TriDb;

// The key generator that writes one of a database's index files.
std::unique_ptr<IndexGen> MakeIndexGen(const TriDb& table, const NavIndex& index);
