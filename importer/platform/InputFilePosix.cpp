#include "platform/InputFile.h"

#include "platform/NativeFs.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

InputFile::~InputFile() {
    Close();
}

void InputFile::Close() {
    if (handle_ >= 0)
        close(static_cast<int>(handle_));
    handle_ = -1;
    size_ = 0;
}

int InputFile::Open(const std::string& path) {
    Close();
    const int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat info;
    int error = fstat(fd, &info) != 0 ? errno : 0;
    if (error == 0 && !S_ISREG(info.st_mode))
        error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    if (error != 0) {
        close(fd);
        return error;
    }
    handle_ = fd;
    size_ = static_cast<uint64_t>(info.st_size);
    return 0;
}

int InputFile::Read(void* data, size_t size, size_t& got) {
    got = 0;
    while (got < size) {
        const ssize_t n = read(static_cast<int>(handle_), static_cast<char*>(data) + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    return 0;
}
