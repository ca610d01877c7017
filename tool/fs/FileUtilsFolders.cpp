// The folder half of the file utilities: listings, list files and the shell folder operations.
#include "fs/FileUtils.h"

#include "fs/ChangeRecorder.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"
#include "fs/TextLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

namespace {

enum class Listing { FilesAndFolders, Files };

void KeepResponsive() {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents();
}

// Hidden entries start with a dot; entries that are neither files nor folders (broken links, devices)
// are the system's and are never listed either.
bool Listed(const FolderEntry& entry, Listing kind) {
    return !entry.name.startsWith('.') && (entry.file || (entry.folder && kind == Listing::FilesAndFolders));
}

void ListInto(const QString& folder, const QString& mask, QStringList& list, bool recurse, Listing kind) {
    const QString prefix = WithBackslash(folder);
    const QList<FolderEntry> entries = FolderEntries(ResolvePath(prefix));
    for (const FolderEntry& entry : entries) {
        if (Listed(entry, kind) && MatchesMask(entry.name, mask)) {
            list << prefix + entry.name;
            KeepResponsive();
        }
    }
    if (!recurse)
        return;
    // Symbolic links to folders are not followed, so a link loop can't make the listing endless.
    for (const FolderEntry& entry : entries)
        if (!entry.name.startsWith('.') && entry.folder && !entry.link)
            ListInto(prefix + entry.name, mask, list, true, kind);
}

// Copies what it can; the first failure is the result.
Done CopyFolderTree(const QString& from, const QString& to) {
    if (!FolderExists(to))
        if (const Done made = MakeFolder(to); !made)
            return made;
    Done result;
    for (const FolderEntry& entry : FolderEntries(ResolvePath(from))) {
        const QString source = WithBackslash(from) + entry.name;
        const QString target = WithBackslash(to) + entry.name;
        const Done done = entry.folder && !entry.link ? CopyFolderTree(source, target) : CopyFileOver(source, target);
        if (!done && result)
            result = done;
    }
    return result;
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

// Qt names files in UTF-8 only: a folder whose path holds other bytes is refused rather than guessed at.
Done DeleteFolder(const QString& folder) {
    const QString resolved = ResolvePath(folder);
    if (QFile::encodeName(resolved) != ToNative(resolved))
        return Failure{resolved, QCoreApplication::translate("FileUtilsFolders",
                                                             "nom de fichier illisible pour la corbeille")};
    return Recorded({FileChange::Kind::Delete, resolved, {}, {}}, [&] {
        return (DesktopHasTrash() && QFile::moveToTrash(resolved)) || QDir(resolved).removeRecursively();
    });
}

} // namespace

// The confirmation and progress flags have no meaning without the Windows shell: nothing here asks or
// shows progress. renameOnCollision is not supported: a collision fails instead of overwriting.
Done ShellFileOp(const QString& operation, bool /*renameOnCollision*/, bool /*noConfirmation*/,
                 bool /*silent*/, bool /*simpleProgress*/, const QString& from, const QString& to) {
    if (!FolderExists(from))
        return SystemFailure(ResolvePath(from), ENOENT);
    const QString op = operation.toUpper();
    if (op == QLatin1String("DELETE"))
        return DeleteFolder(from);
    if (op == QLatin1String("RENAME"))
        return RenameNoReplace(from, to);
    if (op == QLatin1String("MOVE"))
        return RenameNoReplace(from, FolderTarget(from, to));
    if (op == QLatin1String("COPY"))
        return CopyFolderTree(from, FolderTarget(from, to));
    return Failure{ResolvePath(from),
                   QCoreApplication::translate("FileUtilsFolders", "opération inconnue %1").arg(operation)};
}

Done ShellDelete(const QString& folder) {
    return ShellFileOp(QStringLiteral("DELETE"), false, true, true, false, folder, {});
}

Done ShellRename(const QString& from, const QString& to) {
    return ShellFileOp(QStringLiteral("RENAME"), false, true, true, false, from, to);
}

void ListFilesAndFolders(const QString& folder, const QString& mask, QStringList& list, bool recurse) {
    ListInto(folder, mask, list, recurse, Listing::FilesAndFolders);
}

void ListFiles(const QString& folder, const QString& mask, QStringList& list, bool recurse) {
    ListInto(folder, mask, list, recurse, Listing::Files);
}

void ListNames(const QString& folder, const QString& mask, QStringList& list) {
    for (const FolderEntry& entry : FolderEntries(ResolvePath(WithBackslash(folder)))) {
        if (Listed(entry, Listing::Files) && MatchesMask(entry.name, mask)) {
            list << entry.name;
            KeepResponsive();
        }
    }
}

Done SaveListToFile(const QString& name, const QStringList& list) {
    return WriteFileAtomic(name, JoinLines(list));
}

Result<QStringList> LoadListFromFile(const QString& name) {
    const Result<QByteArray> bytes = ReadWholeFile(name);
    if (!bytes)
        return bytes.failure();
    QStringList list;
    for (const QByteArray& line : SplitLines(*bytes))
        list << FromNative(line);
    return list;
}
