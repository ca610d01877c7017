#include "platform/OutputFile.h"

#include "platform/NativeFs.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The disk starts on the bytes just written, the last written of fd, while the program makes the next
// ones, so that the flush at the commit finds little left to wait for. Only a hint: where it is refused
// (a pipe, a device), the flush still does all the work and checks it.
void StartWriteBack(int fd, size_t written) {
#ifdef SYNC_FILE_RANGE_WRITE
    const off_t end = lseek(fd, 0, SEEK_CUR);
    if (end >= static_cast<off_t>(written))
        (void)sync_file_range(fd, end - static_cast<off_t>(written), static_cast<off_t>(written), SYNC_FILE_RANGE_WRITE);
#endif
}

} // namespace

int OutputFile::Create(const std::string& path, bool viaTemporary, bool flushed) {
    Discard();
    target_ = NativePath(path);
    viaTemporary_ = viaTemporary;
    flushed_ = flushed;
    if (!viaTemporary) {
        fd_ = open(target_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd_ < 0)
            return errno;
        // Only a regular file is ours to remove again (never a device such as /dev/full).
        struct stat info;
        if (fstat(fd_, &info) == 0 && S_ISREG(info.st_mode))
            written_ = target_;
        return 0;
    }
    std::string pattern = target_ + ".XXXXXX";
    fd_ = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0)
        return errno;
    written_ = pattern;
    // mkstemp makes the file 0600; it gets the mode a plain create would give (0666 less the umask), and
    // the umask can only be read by setting it, so it is set back at once.
    const mode_t mask = umask(0);
    umask(mask);
    if (fchmod(fd_, 0666 & ~mask) != 0) {
        const int error = errno;
        Discard();
        return error;
    }
    return 0;
}

int OutputFile::Write(const void* data, size_t size) {
    if (fd_ < 0)
        return EBADF;
    const auto* bytes = static_cast<const char*>(data);
    for (size_t left = size; left > 0;) {
        const ssize_t done = write(fd_, bytes, left);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return done < 0 ? errno : EIO;
        bytes += done;
        left -= static_cast<size_t>(done);
    }
    if (flushed_)
        StartWriteBack(fd_, size);
    return 0;
}

int OutputFile::FlushAndClose() {
    if (fd_ < 0)
        return EBADF;
    int error = !flushed_ || fsync(fd_) == 0 ? 0 : errno;
    if (close(fd_) != 0 && error == 0)
        error = errno;
    fd_ = -1;
    return error;
}

void OutputFile::Discard() {
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    if (!written_.empty())
        unlink(written_.c_str());
    written_.clear();
}
