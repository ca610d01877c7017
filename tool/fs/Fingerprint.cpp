#include "fs/Fingerprint.h"

#include "fs/NativeFolder.h"
#include "fs/NativeText.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Fingerprint OfFile(const QByteArray& native) {
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {Fingerprint::Kind::Other, 0, 0};
    Checksum sum;
    static char buffer[1 << 16];
    qint64 total = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ::close(fd);
            return got < 0 ? Fingerprint{Fingerprint::Kind::Other, 0, 0}
                           : Fingerprint{Fingerprint::Kind::File, total, sum.Value()};
        }
        sum.Add(buffer, got);
        total += got;
    }
}

void AddNumber(Checksum& sum, qint64 value) {
    sum.Add(reinterpret_cast<const char*>(&value), sizeof value);
}

// Names in a fixed order, each with its kind, size and modification time, folders below it included.
void AddTree(Checksum& sum, const QString& folder) {
    QStringList names = EntryNames(folder);
    std::sort(names.begin(), names.end());
    for (const QString& name : names) {
        const QString path = folder + '/' + name;
        struct stat st {};
        if (::lstat(ToNative(path).constData(), &st) != 0)
            continue;
        const QByteArray bytes = ToNative(name);
        sum.Add(bytes.constData(), bytes.size() + 1);
        AddNumber(sum, qint64(st.st_mode & S_IFMT));
        AddNumber(sum, qint64(st.st_size));
        AddNumber(sum, qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec);
        if (S_ISDIR(st.st_mode))
            AddTree(sum, path);
    }
}

} // namespace

void Checksum::Add(const char* data, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i) {
        sum_ ^= static_cast<unsigned char>(data[i]);
        sum_ *= 1099511628211ULL;
    }
}

QString Fingerprint::Text() const {
    const QString hex = QString::number(sum, 16);
    switch (kind) {
    case Kind::Absent:
        return QStringLiteral("-");
    case Kind::File:
        return 'f' + QString::number(size) + '.' + hex;
    case Kind::Folder:
        return 'd' + hex;
    case Kind::Link:
        return 'l' + hex;
    case Kind::Other:
        return QStringLiteral("o");
    case Kind::Unknown:
        break;
    }
    return QStringLiteral("?");
}

Fingerprint Fingerprint::Parse(const QString& text) {
    const QChar tag = text.isEmpty() ? QChar('?') : text[0];
    const QString rest = text.mid(1);
    if (tag == '-')
        return {Kind::Absent, 0, 0};
    if (tag == 'f') {
        const qsizetype dot = rest.indexOf('.');
        return {Kind::File, rest.left(dot).toLongLong(), rest.mid(dot + 1).toULongLong(nullptr, 16)};
    }
    if (tag == 'd')
        return {Kind::Folder, 0, rest.toULongLong(nullptr, 16)};
    if (tag == 'l')
        return {Kind::Link, 0, rest.toULongLong(nullptr, 16)};
    if (tag == 'o')
        return {Kind::Other, 0, 0};
    return {Kind::Unknown, 0, 0};
}

Fingerprint FingerprintOf(const QString& nativePath) {
    const QByteArray native = ToNative(nativePath);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return {errno == ENOENT || errno == ENOTDIR ? Fingerprint::Kind::Absent : Fingerprint::Kind::Other, 0,
                0};
    if (S_ISREG(st.st_mode))
        return OfFile(native);
    Checksum sum;
    if (S_ISDIR(st.st_mode)) {
        AddTree(sum, nativePath);
        return {Fingerprint::Kind::Folder, 0, sum.Value()};
    }
    if (S_ISLNK(st.st_mode)) {
        QByteArray target(4096, '\0');
        const ssize_t length = ::readlink(native.constData(), target.data(), size_t(target.size()));
        sum.Add(target.constData(), std::max<qsizetype>(length, 0));
        return {Fingerprint::Kind::Link, 0, sum.Value()};
    }
    return {Fingerprint::Kind::Other, 0, 0};
}
