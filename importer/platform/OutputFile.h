#pragma once

#include <cstddef>
#include <string>

// A file being written, with every write checked. Written either straight to its name (created anew)
// or to a temporary name beside it that Commit renames over the target, so that a failure or crash
// leaves the old file intact. Unless committed, what it created is removed again on destruction.
// Functions returning int give 0 or the system's error number.
class OutputFile final {
  public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    // flushed false: a file that no one reads after a crash (the import reads it back, then removes it),
    // whose bytes need not reach the disk: its write-back is not started, nor is it flushed at the commit.
    int Create(const std::string& path, bool viaTemporary, bool flushed = true);
    // Writes all bytes; a short write that cannot be completed is an error.
    int Write(const void* data, size_t size);
    // Flushes to disk and closes; a temporary replaces the target (or, with replace false, is moved
    // there only when no target exists: EEXIST otherwise).
    int Commit(bool replace = true);

    // Writes size bytes as the whole file at path (created anew, not through a temporary) and flushes
    // it to disk; on failure nothing of it is left.
    static int WriteWhole(const std::string& path, const void* data, size_t size);

  private:
    // Flushes the file to disk (unless created not to be) and closes it (closed either way); 0 or the
    // system's error number.
    int FlushAndClose();
    void Discard();

    int fd_ = -1;
    std::string target_;
    std::string written_;
    bool viaTemporary_ = false;
    bool flushed_ = true;
};
