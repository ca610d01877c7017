#pragma once

#include <sys/resource.h>

// While it lives, no file written may grow past bytes and SIGXFSZ is ignored, so that an oversized
// write fails with EFBIG as on a full disk.
class FileSizeLimit final {
  public:
    explicit FileSizeLimit(rlim_t bytes);
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit();

  private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};
