#pragma once

#include "platform/OutputFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A table or index file being written, buffered, every write checked: through a temporary name, so that
// nothing replaces the old file until Commit succeeds, or straight to a work file of an import.
class DbFileWriter final {
public:
    // Returns 0 or the system's error number.
    // flushed: as OutputFile::Create's (a work file read back and removed by its import need not be).
    int Create(const std::string& path, bool viaTemporary = true, bool flushed = true);
    // Returns size, or 0 once a write has failed (the failure is kept for Commit).
    size_t Write(const void* data, size_t size);
    // Flushes to disk, then renames a temporary over the target; 0 or the first error met.
    int Commit();

private:
    bool Flush();

    OutputFile file_;
    std::vector<uint8_t> buffer_;
    int error_ = 0;
};
