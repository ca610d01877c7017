// The whole-file half of the path layer: a file read whole, and a file written whole through a
// temporary name beside it.
#include "fs/NativeFs.h"

#include "fs/ChangeRecorder.h"
#include "fs/FileCopy.h"
#include "fs/Fingerprint.h"
#include "fs/NativeText.h"

#include "fs/NativeFolder.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const char* data, qsizetype size) {
    const Done written = WriteFully(fd, data, size, {});
    errno = written ? 0 : written.failure().error;
    return bool(written);
}

// The size of the plain file open at fd, or -1 with errno saying why not (EISDIR for a folder).
qint64 PlainSize(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return -1;
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    return st.st_size;
}

// Hands every chunk of the plain file at fd to sink; false on a read error or when sink refuses.
bool ReadAll(int fd, const std::function<bool(const char*, qsizetype)>& sink) {
    if (PlainSize(fd) < 0)
        return false;
    static char buffer[1 << 20];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!sink(buffer, got))
            return false;
    }
}

// Whether a clone or an in-kernel copy failed only because this file system (or this pair of them) can't
// make it, so that the next way down may.
bool CannotHere(int error) {
    return error == EOPNOTSUPP || error == ENOTTY || error == EXDEV || error == EINVAL || error == ENOSYS;
}

// copy_file_range from where both offsets stand, up to size bytes: how many it copied, or -1 on a
// failure. A file system that copies nothing (some report 0 before the end) or refuses leaves the rest
// to the caller, offsets where they stand.
qint64 CopyInKernel(int in, int out, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t copied =
            ::copy_file_range(in, nullptr, out, nullptr, size_t(std::min<qint64>(size - done, 1 << 30)), 0);
        if (copied > 0)
            done += copied;
        else if (copied == 0 || CannotHere(errno))
            break;
        else if (errno != EINTR)
            return -1;
    }
    return done;
}

} // namespace

Done WriteFully(int fd, const char* data, qsizetype size, const QString& path, qint64 offset) {
    for (qsizetype done = 0; done < size;) {
        const ssize_t n = offset < 0 ? ::write(fd, data + done, size_t(size - done))
                                     : ::pwrite(fd, data + done, size_t(size - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return SystemFailure(path, errno);
        if (n == 0)
            return SystemFailure(path, ENOSPC);
        done += n;
    }
    return {};
}

Result<int> OpenForReading(const QString& resolved) {
    if (resolved.isEmpty())
        return SystemFailure(resolved, ENOENT);
    const int fd = ::open(ToNative(resolved).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return SystemFailure(resolved, errno);
    return fd;
}

mode_t ModeFor(const QString& target) {
    struct stat st {};
    if (::stat(ToNative(target).constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QString TemporaryBeside(const QString& target) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
    const qsizetype slash = target.lastIndexOf('/');
    return target.left(slash + 1) + '.' + target.mid(slash + 1) + '.' + suffix;
}

Result<int> CreateTemporary(const QString& temporary, const QString& target) {
    int fd = -1;
    const Done made = Recorded({FileChange::Kind::Temporary, temporary, {}, {}}, [&] {
        fd = ::open(ToNative(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        return fd >= 0;
    });
    if (!made) {
        Failure failure = made.failure();
        failure.path = target;
        return failure;
    }
    return fd;
}

bool CopyContents(int in, int out) {
    const qint64 size = PlainSize(in);
    if (size < 0)
        return false;
    if (::ioctl(out, FICLONE, in) == 0)
        return true;
    if (!CannotHere(errno))
        return false;
    const qint64 copied = CopyInKernel(in, out, size);
    if (copied < 0)
        return false;
    // What the file system left to copy.
    return copied == size ||
           ReadAll(in, [out](const char* data, qsizetype length) { return WriteAll(out, data, length); });
}

namespace {

// Makes a new temporary beside target; its descriptor, or the failure.
Result<int> MakeTemporary(const QString& target, QString& temporary) {
    for (;;) {
        temporary = TemporaryBeside(target);
        const Result<int> fd = CreateTemporary(temporary, target);
        if (fd || fd.failure().error != EEXIST)
            return fd;
    }
}

// The new contents go to a hidden temporary name beside target (where the write lands: WriteTarget), are
// flushed, and then renamed over it, so a failure at any point leaves the old file as it was. fill writes
// them and sets the fingerprint the journal records for them.
Done WriteThroughTemporary(const QString& target, const std::function<bool(int, Fingerprint&)>& fill) {
    if (target.isEmpty())
        return Failure{target, QCoreApplication::translate("NativeFsFiles", "aucun fichier")};
    QString temporary;
    const Result<int> fd = MakeTemporary(target, temporary);
    if (!fd)
        return fd.failure();
    Fingerprint after{Fingerprint::Kind::File, 0, 0};
    bool ok = fill(*fd, after) && ::fchmod(*fd, ModeFor(target)) == 0 && ::fsync(*fd) == 0;
    const int error = errno;
    ok = ::close(*fd) == 0 && ok;
    Done done = ok ? Done() : Done(SystemFailure(target, error));
    if (done)
        done = Recorded({FileChange::Kind::Write, target, {}, after}, [&] {
            return ::rename(ToNative(temporary).constData(), ToNative(target).constData()) == 0;
        });
    if (!done)
        ::unlink(ToNative(temporary).constData());
    return done;
}

// Copies the plain file at a resolved source to target (where the write lands). Only the journal needs
// the copy's fingerprint: the source is read for it, from the page cache, when one records, while the
// disk takes the copy (its write-back started first; the flush after waits for it).
Done CopyThroughTemporary(const QString& source, const QString& target) {
    const Result<int> in = OpenForReading(source);
    if (!in)
        return in.failure();
    const Done done = WriteThroughTemporary(target, [&in](int out, Fingerprint& after) {
        if (!CopyContents(*in, out))
            return false;
        if (CurrentRecorder() == nullptr)
            return true;
        ::sync_file_range(out, 0, 0, SYNC_FILE_RANGE_WRITE);
        after = FingerprintOfOpenFile(*in);
        return after.kind == Fingerprint::Kind::File;
    });
    ::close(*in);
    return done;
}

} // namespace

Result<QByteArray> ReadWholeFile(const QString& path) {
    const Result<int> fd = OpenForReading(ResolvePath(path));
    if (!fd)
        return fd.failure();
    QByteArray bytes;
    const bool ok = ReadAll(*fd, [&bytes](const char* data, qsizetype size) {
        bytes.append(data, size);
        return true;
    });
    const int error = errno;
    ::close(*fd);
    if (!ok)
        return SystemFailure(ResolvePath(path), error);
    return bytes;
}

Done WriteFileAtomic(const QString& path, const QByteArray& bytes) {
    return WriteThroughTemporary(path.isEmpty() ? path : WriteTarget(path),
                                 [&bytes](int fd, Fingerprint& after) {
                                     after = FingerprintOfBytes(bytes);
                                     return WriteAll(fd, bytes.constData(), bytes.size());
                                 });
}

Done CopyWholeFile(const QString& source, const QString& target) {
    return CopyThroughTemporary(ResolvePath(source), target.isEmpty() ? target : WriteTarget(target));
}

Done CopyWholeFile(const ResolvedPath& source, const ResolvedPath& target) {
    return CopyThroughTemporary(source.onDisk,
                                target.onDisk.isEmpty() ? QString() : WriteTarget(target).onDisk);
}
