#pragma once

#include <string>

// The import done the way the file formats were first described: every DEX record looked up by a
// linear scan of the table, runway keys repaired by comparing every pair of records, and every sort
// rebuilding both key texts for each comparison. Saving, index writing and packing use the importer's
// own classes. Used only as a yardstick for the benchmark. All figures are processor seconds.
struct LiteralCost final {
    double repairSeconds = 0; // all-pairs runway comparison (scaled up when sampled)
    double mergeSeconds = 0;  // linear-scan merge (scaled up when sampled)
    double sortSeconds = 0;   // table sort and one sort per index, key texts rebuilt per comparison
    double restSeconds = 0;   // loading, saving, index files, archive
    int sampleEvery = 1;      // 1: measured whole; n: every n-th outer record, time scaled by n
    double Total() const { return repairSeconds + mergeSeconds + sortSeconds + restSeconds; }
};

LiteralCost RunLiteralImport(const std::string& fly, const std::string& dexName, bool matchRunways,
                             int sampleEvery);
