#include "FileSizeLimit.h"

#include <csignal>
#include <stdexcept>

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    if (::getrlimit(RLIMIT_FSIZE, &saved_) != 0)
        throw std::runtime_error("getrlimit failed");
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &small) != 0) {
        std::signal(SIGXFSZ, savedHandler_);
        throw std::runtime_error("setrlimit failed");
    }
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
}
