// The whole-file half of the path layer: a file read whole, and a file written whole through a
// temporary name beside it.
#include "fs/NativeFs.h"

#include "fs/ChangeRecorder.h"
#include "fs/Fingerprint.h"
#include "fs/NativeText.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Hands every chunk of the plain file at fd to sink; false on a read error or when sink refuses.
bool ReadAll(int fd, const std::function<bool(const char*, qsizetype)>& sink) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return false;
    }
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

Result<int> OpenForReading(const QString& resolved) {
    if (resolved.isEmpty())
        return SystemFailure(resolved, ENOENT);
    const int fd = ::open(ToNative(resolved).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return SystemFailure(resolved, errno);
    return fd;
}

// The replaced file's permissions, or those a new file gets.
mode_t ModeFor(const QString& target) {
    struct stat st {};
    if (::stat(ToNative(target).constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A hidden name beside target that no file has yet, most likely.
QString TemporaryBeside(const QString& target) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
    const qsizetype slash = target.lastIndexOf('/');
    return target.left(slash + 1) + '.' + target.mid(slash + 1) + '.' + suffix;
}

// Makes a new temporary beside target, told to the recorder before it exists so that whatever becomes
// of the write, the temporary can be found again; its descriptor, or the failure.
Result<int> MakeTemporary(const QString& target, QString& temporary) {
    for (;;) {
        temporary = TemporaryBeside(target);
        int fd = -1;
        int error = 0;
        const Done made = Recorded({FileChange::Kind::Temporary, temporary, {}, {}}, [&] {
            fd = ::open(ToNative(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            error = fd < 0 ? errno : 0;
            return fd >= 0;
        });
        if (made)
            return fd;
        if (error != EEXIST)
            return Failure{target, made.failure().reason, made.failure().refused};
    }
}

// The new contents go to a hidden temporary name beside target (where the write lands: WriteTarget), are
// flushed, and then renamed over it, so a failure at any point leaves the old file as it was.
Done WriteThroughTemporary(const QString& target, const std::function<bool(int, Checksum&, qint64&)>& fill) {
    if (target.isEmpty())
        return Failure{target, QCoreApplication::translate("NativeFsFiles", "aucun fichier")};
    QString temporary;
    const Result<int> fd = MakeTemporary(target, temporary);
    if (!fd)
        return fd.failure();
    Checksum sum;
    qint64 size = 0;
    bool ok = fill(*fd, sum, size) && ::fchmod(*fd, ModeFor(target)) == 0 && ::fsync(*fd) == 0;
    const int error = errno;
    ok = ::close(*fd) == 0 && ok;
    Done done = ok ? Done() : Done(SystemFailure(target, error));
    if (done)
        done = Recorded({FileChange::Kind::Write, target, {}, {Fingerprint::Kind::File, size, sum.Value()}},
                        [&] { return ::rename(ToNative(temporary).constData(), ToNative(target).constData()) == 0; });
    if (!done)
        ::unlink(ToNative(temporary).constData());
    return done;
}

// Copies the plain file at a resolved source to target (where the write lands).
Done CopyThroughTemporary(const QString& source, const QString& target) {
    const Result<int> in = OpenForReading(source);
    if (!in)
        return in.failure();
    const Done done = WriteThroughTemporary(target, [&in](int out, Checksum& sum, qint64& total) {
        return ReadAll(*in, [out, &sum, &total](const char* data, qsizetype size) {
            sum.Add(data, size);
            total += size;
            return WriteAll(out, data, size);
        });
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
                                 [&bytes](int fd, Checksum& sum, qint64& size) {
                                     sum.Add(bytes.constData(), bytes.size());
                                     size = bytes.size();
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
