// The folder half of the file utilities: listings, list files and the shell folder operations.
#include "shell/FileUtils.h"

#include "shell/NativeFs.h"
#include "shell/TextLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

enum class Listing { FilesAndFolders, Files };

// Windows masks match without regard to case, and "*.*" matches names without a dot too.
QDir MaskedFolder(const QString& folder, const QString& mask, QDir::Filters filters) {
    QDir dir(ResolvePath(folder), QString(), QDir::Name | QDir::IgnoreCase, filters);
    // One pattern, even with blanks in it (the string form would split it there).
    dir.setNameFilters({mask == QLatin1String("*.*") ? QStringLiteral("*") : mask});
    return dir;
}

void KeepResponsive() {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents();
}

void ListInto(const QString& folder, const QString& mask, QStringList& list, bool recurse, Listing kind) {
    const QString prefix = WithBackslash(folder);
    const QDir::Filters filters =
        kind == Listing::Files ? QDir::Files : QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot;
    for (const QString& name : MaskedFolder(prefix, mask, filters).entryList()) {
        list << prefix + name;
        KeepResponsive();
    }
    if (!recurse)
        return;
    // Symbolic links to folders are not followed, so a link loop can't make the listing endless.
    const QDir subfolders(ResolvePath(prefix), QString(), QDir::Name | QDir::IgnoreCase,
                          QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString& name : subfolders.entryList())
        ListInto(prefix + name, mask, list, true, kind);
}

bool CopyFolderTree(const QString& from, const QString& to) {
    if (!FolderExists(to) && !MakeFolder(to))
        return false;
    const QDir source(ResolvePath(from), QString(), QDir::Name,
                      QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    bool ok = true;
    for (const QFileInfo& entry : source.entryInfoList()) {
        const QString target = WithBackslash(to) + entry.fileName();
        ok = (entry.isDir() && !entry.isSymLink() ? CopyFolderTree(entry.filePath(), target)
                                                  : CopyFileOver(entry.filePath(), target)) &&
             ok;
    }
    return ok;
}

// Where the shell puts a folder copied or moved to "to": inside it when it is a folder already.
QString FolderTarget(const QString& from, const QString& to) {
    if (!FolderExists(to))
        return to;
    QString source = from;
    if (source.endsWith('/'))
        source.chop(1);
    return WithBackslash(to) + QFileInfo(source).fileName();
}

// Qt 6.4 "trashes" into ./files of the current folder when it can't make the home trash, so the trash is
// used only where the desktop's data folder exists.
bool DesktopHasTrash() {
    const QFileInfo data(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return data.isDir() && data.isWritable();
}

bool DeleteFolder(const QString& folder) {
    const QString resolved = ResolvePath(folder);
    return (DesktopHasTrash() && QFile::moveToTrash(resolved)) || QDir(resolved).removeRecursively();
}

} // namespace

// The confirmation and progress flags have no meaning without the Windows shell: nothing here asks or
// shows progress. renameOnCollision is not supported: a collision fails instead of overwriting.
bool ShellFileOp(const QString& operation, bool /*renameOnCollision*/, bool /*noConfirmation*/,
                 bool /*silent*/, bool /*simpleProgress*/, const QString& from, const QString& to) {
    if (!FolderExists(from))
        return false;
    const QString op = operation.toUpper();
    if (op == QLatin1String("DELETE"))
        return DeleteFolder(from);
    if (op == QLatin1String("RENAME"))
        return RenameNoReplace(from, to);
    if (op == QLatin1String("MOVE"))
        return RenameNoReplace(from, FolderTarget(from, to));
    if (op == QLatin1String("COPY"))
        return CopyFolderTree(from, FolderTarget(from, to));
    return false;
}

bool ShellDelete(const QString& folder) {
    return ShellFileOp(QStringLiteral("DELETE"), false, true, true, false, folder, {});
}

bool ShellRename(const QString& from, const QString& to) {
    return ShellFileOp(QStringLiteral("RENAME"), false, true, true, false, from, to);
}

void ListFilesAndFolders(const QString& folder, const QString& mask, QStringList& list, bool recurse) {
    ListInto(folder, mask, list, recurse, Listing::FilesAndFolders);
}

void ListFiles(const QString& folder, const QString& mask, QStringList& list, bool recurse) {
    ListInto(folder, mask, list, recurse, Listing::Files);
}

void ListNames(const QString& folder, const QString& mask, QStringList& list) {
    for (const QString& name : MaskedFolder(WithBackslash(folder), mask, QDir::Files).entryList()) {
        list << name;
        KeepResponsive();
    }
}

bool SaveListToFile(const QString& name, const QStringList& list) {
    if (name.isEmpty())
        return false;
    return WriteFileAtomic(name, JoinLines(list));
}

// A read error of an existing file is reported as false, like the other failures.
bool LoadListFromFile(const QString& name, QStringList& list) {
    if (name.isEmpty() || !FileExists(name))
        return false;
    const std::optional<QByteArray> bytes = ReadWholeFile(name);
    if (!bytes)
        return false;
    list.clear();
    for (const QByteArray& line : SplitLines(*bytes))
        list << QFile::decodeName(line);
    return true;
}
