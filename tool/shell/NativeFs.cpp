#include "shell/NativeFs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool SameIgnoringAsciiCase(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        if (lower(x) != lower(y))
            return false;
    }
    return true;
}

bool Exists(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// The entry of folder whose name equals name without regard to ASCII case (the first in name order
// when several do), or empty.
QString FindEntryIgnoringCase(const QString& folder, const QString& name) {
    QStringList entries =
        QDir(folder.isEmpty() ? QStringLiteral(".") : folder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    std::sort(entries.begin(), entries.end());
    for (const QString& entry : entries)
        if (SameIgnoringAsciiCase(entry, name))
            return entry;
    return {};
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return name;
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// A drive-letter path from a Windows-era setting ("C:/Fly2") lies on that drive of the user's default
// Wine prefix when there is one; otherwise it stays a relative name.
QString FromDriveLetter(const QString& path) {
    const bool drive =
        path.size() >= 3 && path[0].isLetter() && path[0].unicode() < 128 && path[1] == ':' && path[2] == '/';
    const passwd* user = drive ? ::getpwuid(::getuid()) : nullptr;
    if (user == nullptr)
        return path;
    const QString device = QFile::decodeName(user->pw_dir) + "/.wine/dosdevices/" + path[0].toLower() + ':';
    return QFileInfo(device).isDir() ? device + path.mid(2) : path;
}

} // namespace

QString ResolvePath(const QString& path) {
    QString given = path;
    given.replace('\\', '/');
    given = FromDriveLetter(given);
    if (given.isEmpty())
        return given;
    const QStringList parts = given.split('/');
    QString resolved = given.startsWith('/') ? QStringLiteral("/") : QString();
    bool searching = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty())
            continue;
        QString next = JoinPath(resolved, part);
        if (searching && part != "." && part != ".." && !Exists(next)) {
            const QString match = FindEntryIgnoringCase(resolved, part);
            if (match.isEmpty())
                searching = false;
            else
                next = JoinPath(resolved, match);
        }
        resolved = next;
    }
    if (given.endsWith('/') && !resolved.endsWith('/'))
        resolved += '/';
    return resolved;
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(ResolvePath(path)).isFile();
}

bool FolderExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(ResolvePath(path)).isDir();
}

bool PathExists(const QString& path) {
    return !path.isEmpty() && Exists(ResolvePath(path));
}

bool RemoveFile(const QString& path) {
    const QString resolved = ResolvePath(path);
    return !path.isEmpty() && !QFileInfo(resolved).isDir() && ::unlink(Native(resolved).constData()) == 0;
}

bool MakeFolder(const QString& path) {
    return !path.isEmpty() && ::mkdir(Native(ResolvePath(path)).constData(), 0777) == 0;
}

namespace {

// For file systems without renameat2: a hard link can't replace an entry, so link + unlink never
// overwrites; folders (and file systems without hard links) fall back to a check before the rename.
bool RenameWithoutRenameat2(const QByteArray& from, const QByteArray& to) {
    if (::link(from.constData(), to.constData()) == 0)
        return ::unlink(from.constData()) == 0;
    if (errno == EEXIST)
        return false;
    struct stat st {};
    if (::lstat(to.constData(), &st) == 0)
        return false;
    return ::rename(from.constData(), to.constData()) == 0;
}

} // namespace

bool RenameNoReplace(const QString& from, const QString& to) {
    if (from.isEmpty() || to.isEmpty())
        return false;
    const QString source = ResolvePath(from);
    QString target = ResolvePath(to);
    if (!Exists(source))
        return false;
    if (target == source) {
        // Only the case of the name changes: the entry found is the source itself.
        QString given = to;
        given.replace('\\', '/');
        const QString name = QFileInfo(given).fileName();
        target = JoinPath(QFileInfo(source).path(), name);
        if (target == source)
            return false;
    }
    const QByteArray a = Native(source);
    const QByteArray b = Native(target);
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    return RenameWithoutRenameat2(a, b);
}

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    QFile file(ResolvePath(path));
    if (path.isEmpty() || QFileInfo(file.fileName()).isDir() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool WriteFileAtomic(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        return false;
    QSaveFile file(ResolvePath(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
