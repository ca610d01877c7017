#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A disk file read from its start through the caller's buffer, without mapping it: the bytes stay in
// the system's file cache and only the buffer is the process's. Functions returning int give 0 or the
// system's error number.
class InputFile final {
  public:
    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    // A regular file only; its size is taken at the open.
    int Open(const std::string& path);
    uint64_t Size() const { return size_; }
    // Reads up to size bytes into data, fewer only at the end of the file; got tells how many.
    int Read(void* data, size_t size, size_t& got);

  private:
    void Close();

    intptr_t handle_ = -1; // a descriptor, or a Windows handle
    uint64_t size_ = 0;
};
