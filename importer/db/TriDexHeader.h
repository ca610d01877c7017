#pragma once

#include "db/DexFileHeader.h"
#include "db/TriDbTableHeader.h"

// The header of a ".DEX" update, written back unchanged.
class TriDexHeader final : public TriDbTableHeader<DexFileHeader> {};
