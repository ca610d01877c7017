#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The least an import can cost: every input byte read with plain sequential reads, three columns of
// keys sorted (the table's own order and two indexes: no importer can skip them), and as many bytes as the
// import writes written with plain sequential writes into files in folder, each flushed to disk as the
// importer flushes its files. Returns the wall time in seconds.
double MeasureFloor(const std::vector<std::string>& inputs, size_t tableRecords,
                    const std::vector<uint64_t>& outputSizes, const std::string& folder);
