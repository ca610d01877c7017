#pragma once

#include "MkFly2Options.h"

#include <string>

// The benchmark installation for one database (AIRPORT, RUNWAY, WAYPOINT, ...): the whole synthetic
// installation with small tables, then DATABASE\<BASE>.DBD as a loose table of options.records records
// (the importer takes it before the archived one) and dex\BENCH.DEX with as many records: 10 % of them
// replace records with changed fields, 5 % delete, 10 % add new keys, the rest replace records with
// their own bytes; in shuffled order. For RUNWAY the changed replacements also carry a wrong runway key
// (rkey), which the importer's -R repair puts right. Throws std::runtime_error on failure.
void WriteBenchScenario(const MkFly2Options& options, const std::string& base);
