#include "fs/NativeFolder.h"

#include "fs/ChangeRecorder.h"
#include "fs/FileHash.h"
#include "fs/Fingerprint.h"
#include "fs/NativeText.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool SameLetter(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// Classic wildcard matching with one backtrack point per '*'.
bool Matches(const QString& name, const QString& mask) {
    qsizetype n = 0, m = 0, starMask = -1, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && SameLetter(mask[m], name[n])))) {
            ++n, ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
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

// The kind of a folder's entry: from the listing's own type where it gives one, else asked of the system
// (a link's target always is).
FolderEntry EntryOfType(const QString& name, const QByteArray& path, unsigned char type) {
    FolderEntry entry{name};
    if (type == DT_REG || type == DT_DIR) {
        entry.file = type == DT_REG;
        entry.folder = type == DT_DIR;
        return entry;
    }
    struct stat st {};
    if (::stat(path.constData(), &st) == 0) {
        entry.file = S_ISREG(st.st_mode);
        entry.folder = S_ISDIR(st.st_mode);
    }
    entry.link =
        type == DT_LNK || (type == DT_UNKNOWN && ::lstat(path.constData(), &st) == 0 && S_ISLNK(st.st_mode));
    return entry;
}

} // namespace

QStringList EntryNames(const QString& resolvedFolder) {
    const QByteArray path = resolvedFolder.isEmpty() ? QByteArray(".") : ToNative(resolvedFolder);
    return ReadEntryNames(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

QStringList ReadEntryNames(int openFolder) {
    QStringList names;
    ReadEntries(openFolder, [&names](const QString& name, unsigned char) { names << name; });
    return names;
}

void ReadEntries(int openFolder, const std::function<void(const QString&, unsigned char)>& take) {
    DIR* dir = openFolder < 0 ? nullptr : ::fdopendir(openFolder);
    if (dir == nullptr) {
        if (openFolder >= 0)
            ::close(openFolder);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            take(FromNative(name), entry->d_type);
    }
    ::closedir(dir);
}

QList<FolderEntry> FolderEntries(const QString& resolved) {
    const QString prefix = resolved.isEmpty() || resolved.endsWith('/') ? resolved : resolved + '/';
    const QByteArray path = resolved.isEmpty() ? QByteArray(".") : ToNative(resolved);
    QList<FolderEntry> entries;
    ReadEntries(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC),
                [&](const QString& name, unsigned char type) {
                    entries.append(EntryOfType(name, ToNative(prefix + name), type));
                });
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return entries;
}

bool MatchesMask(const QString& name, const QString& mask) {
    return mask == QLatin1String("*.*") || Matches(name, mask);
}

Done FlushFolder(const QString& folder) {
    const int fd = ::open(ToNative(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return SystemFailure(folder, errno);
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == 0 ? Done() : Done(SystemFailure(folder, error));
}

Fingerprint FingerprintOfOpenFile(int fd, Fingerprint::Hash hash) {
    FileHash sum(hash);
    static char buffer[1 << 18];
    qint64 total = 0;
    for (;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {Fingerprint::Kind::Other, 0, 0};
        if (got == 0)
            return sum.Value();
        sum.Add(buffer, got);
        total += got;
    }
}

Fingerprint FingerprintOfContents(const QString& nativePath, Fingerprint::Hash hash) {
    const int fd = ::open(ToNative(nativePath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {Fingerprint::Kind::Other, 0, 0};
    const Fingerprint fingerprint = FingerprintOfOpenFile(fd, hash);
    ::close(fd);
    return fingerprint;
}

Fingerprint FingerprintOfBytes(const QByteArray& bytes) {
    FileHash sum;
    sum.Add(bytes.constData(), bytes.size());
    return sum.Value();
}

Fingerprint FingerprintOf(const QString& nativePath, Fingerprint::Hash hash) {
    const QByteArray native = ToNative(nativePath);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return {errno == ENOENT || errno == ENOTDIR ? Fingerprint::Kind::Absent : Fingerprint::Kind::Other, 0,
                0};
    if (S_ISREG(st.st_mode))
        return FingerprintOfContents(nativePath, hash);
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
