#pragma once

#include "platform/InputFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TriDb;

// A table file (a DEX update) read through a buffer of about kPartBytes, part by part, instead of mapped
// whole: a merge keeps only the records it takes, as copies, and the file's pages never become the
// process's.
class TableFileReader final {
  public:
    static constexpr size_t kPartBytes = 128 * 1024;

    // Opens path and loads its header and template into table, which gets no records yet (TriDb::LoadHeader,
    // and its failures); a file that cannot be opened or read: ZorException with the system's error.
    void Open(const std::string& path, TriDb& table);
    // The next part of the records becomes table's (TriDb::LoadPart), replacing the part before; false
    // after the last. A file that ends before the header's count of records fails.
    bool LoadNext(TriDb& table);

  private:
    void Fill();

    InputFile file_;
    std::string path_;
    std::vector<uint8_t> buffer_;
    size_t begin_ = 0; // the bytes not yet handed out: buffer_[begin_, end_)
    size_t end_ = 0;
    size_t recordSize_ = 0;
    size_t recordsLeft_ = 0;
};
