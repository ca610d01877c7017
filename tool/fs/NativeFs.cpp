#include "fs/NativeFs.h"

#include "fs/ChangeRecorder.h"
#include "fs/FolderIndex.h"
#include "fs/NativeText.h"

#include <QHash>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

bool Exists(const QString& path) {
    struct stat st {};
    return ::lstat(ToNative(path).constData(), &st) == 0;
}

bool IsFolder(const QString& resolved) {
    struct stat st {};
    return ::stat(ToNative(resolved).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return name;
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QString LastName(const QString& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

WindowsPathResolver& Resolver() {
    static WindowsPathResolver resolver;
    return resolver;
}

// A Windows path that the resolver leaves as it is stays a relative name, with its backslashes as
// separators.
QString NativeForm(const QString& path) {
    if (!IsWindowsPath(path))
        return path;
    QString native = Resolver() ? Resolver()(path) : path;
    if (native == path)
        native.replace('\\', '/');
    return native;
}

QString Absolute(const QString& path) {
    if (path.startsWith('/'))
        return path;
    char* cwd = ::getcwd(nullptr, 0);
    const QString current = cwd == nullptr ? QString() : FromNative(cwd);
    std::free(cwd);
    return JoinPath(current, path);
}

thread_local QHash<QString, QString>* keptRealFolders = nullptr;

// path with its longest existing beginning replaced by its real path (links followed) and the rest
// cleaned of "." and ".." by the text; empty when not even the root can be found.
QString FindCanonical(const QString& path) {
    const QStringList parts = Absolute(path).split('/', Qt::SkipEmptyParts);
    for (qsizetype known = parts.size(); known >= 0; --known) {
        char* real = ::realpath(ToNative('/' + parts.mid(0, known).join('/')).constData(), nullptr);
        if (real == nullptr)
            continue;
        QString result = FromNative(real);
        std::free(real);
        for (const QString& part : parts.mid(known)) {
            if (part == QLatin1String(".."))
                result = result.left(std::max<qsizetype>(result.lastIndexOf('/'), 1));
            else if (part != QLatin1String("."))
                result = JoinPath(result, part);
        }
        return result;
    }
    return {};
}

QString Canonical(const QString& path) {
    if (keptRealFolders == nullptr)
        return FindCanonical(path);
    const auto kept = keptRealFolders->constFind(path);
    if (kept != keptRealFolders->cend())
        return *kept;
    const QString real = FindCanonical(path);
    keptRealFolders->insert(path, real);
    return real;
}

// How many leading parts exist as written, so that none of them needs a search: a whole path that exists
// has each of its beginnings existing too. Most paths exist, or name a new entry of an existing folder.
qsizetype PartsAsWritten(const QString& root, const QStringList& parts) {
    for (qsizetype known = parts.size(); known > 0 && known >= parts.size() - 1; --known)
        if (Exists(root + parts.mid(0, known).join('/')))
            return known;
    return 0;
}

// The size of the plain file at a resolved path; -1 when there is none.
qint64 PlainFileSize(const QString& resolved) {
    struct stat st {};
    return !resolved.isEmpty() && ::stat(ToNative(resolved).constData(), &st) == 0 && S_ISREG(st.st_mode)
               ? qint64(st.st_size)
               : -1;
}

bool SameEntry(const QString& a, const QString& b) {
    struct stat x {
    }, y{};
    // b first: it is most often a copy's target, which doesn't exist yet.
    return !a.isEmpty() && !b.isEmpty() && ::stat(ToNative(b).constData(), &y) == 0 &&
           ::stat(ToNative(a).constData(), &x) == 0 && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

// What the symbolic link at a resolved path points to, with every link followed; nothing when it is no
// link or leads nowhere.
std::optional<QString> LinkTarget(const QString& resolved) {
    struct stat st {};
    if (::lstat(ToNative(resolved).constData(), &st) != 0 || !S_ISLNK(st.st_mode))
        return std::nullopt;
    char* real = ::realpath(ToNative(resolved).constData(), nullptr);
    const std::optional<QString> target =
        real == nullptr ? std::nullopt : std::optional<QString>(FromNative(real));
    std::free(real);
    return target;
}

} // namespace

RealFoldersKept::RealFoldersKept() : previous_(std::exchange(keptRealFolders, &kept_)) {}

RealFoldersKept::~RealFoldersKept() {
    keptRealFolders = previous_;
}

bool IsWindowsPath(const QString& path) {
    return path.size() >= 3 && path[0].unicode() < 128 && path[0].isLetter() && path[1] == ':' &&
           (path[2] == '\\' || path[2] == '/');
}

WindowsPathResolver SetWindowsPathResolver(WindowsPathResolver resolver) {
    return std::exchange(Resolver(), std::move(resolver));
}

namespace {

// A path as found on disk, and whether it was there.
struct Found final {
    QString onDisk;
    bool there = false;
};

// The quick way for a path written plainly (a folder, a slash, a name; no doubled or trailing slash): its
// text is its parts joined, so when it exists, or names a new entry of an existing folder, no part of it
// needs splitting off. Nothing when it takes the whole search.
std::optional<Found> FoundPlainly(const QString& given) {
    const qsizetype slash = given.lastIndexOf('/');
    if (slash < 0 || slash == given.size() - 1 || given.contains(QLatin1String("//")))
        return std::nullopt;
    if (Exists(given))
        return Found{given, true};
    const QString folder = slash == 0 ? QStringLiteral("/") : given.left(slash);
    if (!Exists(folder))
        return std::nullopt;
    const QString name = given.mid(slash + 1);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return Found{given, false};
    const QString match = FindEntryIgnoringCase(folder, name);
    return match.isEmpty() ? Found{given, false} : Found{JoinPath(folder, match), true};
}

// Each part of the native path given found as it is on disk, searched for where it isn't there as written.
QString Searched(const QString& given) {
    const QStringList parts = given.split('/', Qt::SkipEmptyParts);
    const QString root = given.startsWith('/') ? QStringLiteral("/") : QString();
    const qsizetype written = PartsAsWritten(root, parts);
    QString resolved = root + parts.mid(0, written).join('/');
    bool searching = true;
    // The part after those written was just found missing as written: only its search is left.
    bool missing = written == parts.size() - 1;
    for (const QString& part : parts.mid(written)) {
        QString next = JoinPath(resolved, part);
        if (searching && part != "." && part != ".." && (std::exchange(missing, false) || !Exists(next))) {
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

Found Find(const QString& path) {
    const QString given = NativeForm(path);
    if (given.isEmpty())
        return {};
    if (std::optional<Found> plain = FoundPlainly(given))
        return *std::move(plain);
    QString onDisk = Searched(given);
    const bool there = Exists(onDisk);
    return {std::move(onDisk), there};
}

} // namespace

QString ResolvePath(const QString& path) {
    return Find(path).onDisk;
}

ResolvedPath Resolve(const QString& path) {
    Found found = Find(path);
    ResolvedPath resolved{std::move(found.onDisk), {}, found.there};
    if (path.isEmpty())
        return resolved;
    QString full = resolved.onDisk;
    while (full.size() > 1 && full.endsWith('/'))
        full.chop(1);
    const qsizetype slash = full.lastIndexOf('/');
    resolved.realFolder =
        Canonical(slash < 0 ? QStringLiteral(".") : full.left(std::max<qsizetype>(slash, 1)));
    return resolved;
}

ResolvedPath ResolveBeside(const ResolvedPath& sibling, const QString& path) {
    const qsizetype slash = sibling.onDisk.lastIndexOf('/');
    const QString name = path.mid(slash + 1);
    if (slash < 0 || !path.startsWith(QStringView(sibling.onDisk).left(slash + 1)) || name.isEmpty() ||
        name.contains('/') || name == QLatin1String(".") || name == QLatin1String(".."))
        return Resolve(path);
    Found found = Find(path);
    return {std::move(found.onDisk), sibling.realFolder, found.there};
}

QString RealFolder(const QString& folder) {
    return folder.isEmpty() ? QString() : Canonical(ResolvePath(folder));
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && PlainFileSize(ResolvePath(path)) >= 0;
}

bool FileExists(const ResolvedPath& path) {
    return PlainFileSize(path.onDisk) >= 0;
}

qint64 FileSize(const QString& path) {
    return path.isEmpty() ? 0 : std::max<qint64>(PlainFileSize(ResolvePath(path)), 0);
}

qint64 FileSize(const ResolvedPath& path) {
    return std::max<qint64>(PlainFileSize(path.onDisk), 0);
}

bool FolderExists(const QString& path) {
    return !path.isEmpty() && IsFolder(ResolvePath(path));
}

bool FolderExists(const ResolvedPath& path) {
    return !path.onDisk.isEmpty() && IsFolder(path.onDisk);
}

bool PathExists(const QString& path) {
    return !path.isEmpty() && Exists(ResolvePath(path));
}

bool PathExists(const ResolvedPath& path) {
    return !path.onDisk.isEmpty() && Exists(path.onDisk);
}

Done RemoveFile(const QString& path) {
    const QString resolved = ResolvePath(path);
    if (path.isEmpty() || IsFolder(resolved) || !Exists(resolved))
        return SystemFailure(resolved, path.isEmpty() || !Exists(resolved) ? ENOENT : EISDIR);
    return Recorded({FileChange::Kind::Delete, resolved, {}, {}},
                    [&] { return ::unlink(ToNative(resolved).constData()) == 0; });
}

Done MakeFolder(const QString& path) {
    const QString resolved = ResolvePath(path);
    if (path.isEmpty() || Exists(resolved))
        return SystemFailure(resolved, path.isEmpty() ? ENOENT : EEXIST);
    return Recorded({FileChange::Kind::MakeFolder, resolved, {}, {}},
                    [&] { return ::mkdir(ToNative(resolved).constData(), 0777) == 0; });
}

Done RemoveEmptyFolder(const QString& path) {
    const QString resolved = ResolvePath(path);
    if (path.isEmpty() || !IsFolder(resolved))
        return SystemFailure(resolved, ENOTDIR);
    return Recorded({FileChange::Kind::Delete, resolved, {}, {}},
                    [&] { return ::rmdir(ToNative(resolved).constData()) == 0; });
}

bool SameFile(const ResolvedPath& a, const ResolvedPath& b) {
    return SameEntry(a.onDisk, b.onDisk);
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

// The names of a rename from an existing resolved source to the target named to, found at target.
std::optional<QPair<QString, QString>> RenameNames(const QString& source, QString target, const QString& to) {
    if (target == source) {
        // Only the case of the name changes: the entry found is the source itself.
        target = JoinPath(source.left(source.lastIndexOf('/') + 1), LastName(NativeForm(to)));
        if (target == source)
            return std::nullopt;
    }
    return qMakePair(source, target);
}

} // namespace

std::optional<QPair<QString, QString>> ResolvedRename(const QString& from, const QString& to) {
    if (from.isEmpty() || to.isEmpty())
        return std::nullopt;
    const QString source = ResolvePath(from);
    if (!Exists(source))
        return std::nullopt;
    return RenameNames(source, ResolvePath(to), to);
}

Done RenameBesideNoReplace(const ResolvedPath& from, const ResolvedPath& target, const QString& to) {
    const std::optional<QPair<QString, QString>> names =
        from.onDisk.isEmpty() || to.isEmpty() || !Exists(from.onDisk)
            ? std::nullopt
            : RenameNames(from.onDisk, target.onDisk, to);
    if (!names)
        return SystemFailure(from.onDisk, ENOENT);
    return RenameResolvedNoReplace(names->first, names->second);
}

Done RenameNoReplace(const QString& from, const QString& to) {
    const std::optional<QPair<QString, QString>> names = ResolvedRename(from, to);
    if (!names)
        return SystemFailure(ResolvePath(from), ENOENT);
    return RenameResolvedNoReplace(names->first, names->second);
}

Done RenameResolvedNoReplace(const QString& from, const QString& to) {
    const QByteArray a = ToNative(from);
    const QByteArray b = ToNative(to);
    return Recorded({FileChange::Kind::Rename, from, to, {}}, [&] {
        if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
            return true;
        return (errno == EINVAL || errno == ENOSYS) && RenameWithoutRenameat2(a, b);
    });
}

Done PlanRenames(const QList<QPair<QString, QString>>& renames) {
    if (CurrentRecorder() == nullptr)
        return {};
    QList<QPair<QString, QString>> resolved;
    for (const auto& [from, to] : renames)
        if (const std::optional<QPair<QString, QString>> names = ResolvedRename(from, to))
            resolved << *names;
    return PlanResolvedRenames(resolved);
}

Done PlanResolvedRenames(const QList<QPair<QString, QString>>& renames, const QList<Fingerprint>& moved) {
    ChangeRecorder* recorder = CurrentRecorder();
    if (recorder == nullptr)
        return {};
    QList<FileChange> changes;
    for (qsizetype i = 0; i < renames.size(); ++i)
        changes.append({FileChange::Kind::Rename, renames[i].first, renames[i].second, moved.value(i)});
    return recorder->Before(changes);
}

bool LiesInside(const QString& path, const QString& folder) {
    return !path.isEmpty() && !folder.isEmpty() && LiesInside(Resolve(path), RealFolder(folder));
}

bool LiesInside(const ResolvedPath& path, const QString& realFolder) {
    const QString name = path.Name();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        path.realFolder.isEmpty() || realFolder.isEmpty())
        return false;
    const QString& parent = path.realFolder;
    return parent == realFolder ||
           parent.startsWith(realFolder.endsWith('/') ? realFolder : realFolder + '/');
}

QString RealPath(const QString& path) {
    if (path.isEmpty())
        return {};
    char* real = ::realpath(ToNative(ResolvePath(path)).constData(), nullptr);
    const QString result = real == nullptr ? QString() : FromNative(real);
    std::free(real);
    return result;
}

QString WriteTarget(const QString& path) {
    const QString resolved = ResolvePath(path);
    return LinkTarget(resolved).value_or(resolved);
}

ResolvedPath WriteTarget(const ResolvedPath& path) {
    const std::optional<QString> target = LinkTarget(path.onDisk);
    return target ? Resolve(*target) : path;
}
