#pragma once

#include "fs/Fingerprint.h"
#include "fs/ResolvedPath.h"
#include "fs/Result.h"
#include "fs/Tally.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class CopyBatch;

// Free operations on paths, files and folders shared by every window. Paths are native: '/' separates
// folders, a folder "with backslash" is one that ends with '/', and the root '/' plays the drive root.
// Every file system access goes through the case-insensitive lookup of NativeFs.h; a name is never
// parsed again as a Windows path.

// 1-based position of needle in text, 0 when absent: exact first, then without regard to case.
int PathPos(const QString& needle, const QString& text);
// The folder one level above (trailing '/' kept); empty when that would be the root.
QString ParentFolder(const QString& path);
// path with '/' appended unless it already ends with one (the empty path stays empty).
QString WithBackslash(const QString& path);
// The folder part without trailing '/'; empty when there is none.
QString FolderOfFile(const QString& path);
// path below base (exact, case-sensitive), or empty.
QString RelativeTo(const QString& path, const QString& base);

// The ".notused" names. Each cuts the name at the first ".notused" (any case). hasKind, when given,
// tells whether the result contains kindMark (PathPos).
QString ActiveName(const QString& name, const QString& kindMark, bool* hasKind = nullptr);
QString InactiveName(const QString& name, const QString& kindMark, bool* hasKind = nullptr);
QString ToggleNotUsed(const QString& name, const QString& kindMark, bool* hasKind = nullptr);

// Copies all bytes of source over target.
Done CopyFileOver(const QString& source, const QString& target);

// Operations for targets that must stay inside the folder within (a name from a folder listing, a profile
// or a list joined to the folder it belongs to): refused, changing nothing, when the target (for a rename
// both names) doesn't lie inside within (LiesInside of NativeFs.h). The copy creates the target's missing
// folders first; when one can't be, it fails naming the target, marked folderNotMade.
Done CopyFileMakingFolders(const QString& source, const QString& target, const QString& within);
Done RenameNoReplace(const QString& from, const QString& to, const QString& within);
// The same for paths resolved once and the real path of within (Resolve and RealFolder of NativeFs.h),
// for work that walks many files.
Done CopyFileMakingFolders(const ResolvedPath& source, const ResolvedPath& target, const QString& realWithin);
Done RenameNoReplace(const ResolvedPath& from, const QString& to, const QString& realWithin);
// Renames decided on resolved names (a ListedFolder's, each target no entry yet): those inside realWithin
// are told to the recorder all at once, then made in order, never over an existing entry. The number made,
// and each one refused or failed. moved, when given, holds what each source holds, as the caller just read
// it (a copy's fingerprint), so that the recorder doesn't read it again.
Tally RenameAllNoReplace(const QList<QPair<ResolvedPath, ResolvedPath>>& renames, const QString& realWithin,
                         const QList<Fingerprint>& moved = {});
// Checks a copy and makes the target's folders as CopyFileMakingFolders does, then adds the copy to batch
// instead of making it.
Done AddCopyMakingFolders(CopyBatch& batch, const ResolvedPath& source, const ResolvedPath& target,
                          const QString& realWithin);
Done RemoveFile(const QString& path, const QString& within);
// Creates base + each missing level of relative; a level that can't be made stops it, failing marked
// folderNotMade.
Done MakeFolderChain(const QString& base, const QString& relative);
// The missing folders of target made, outermost first; or why one can't be (marked folderNotMade).
Result<QStringList> MakeFoldersOf(const ResolvedPath& target);
// Copies an existing file to file + ddmmyyhhnnss + ".BAK". Fails only when the file exists and the copy
// failed.
Done MakeDatedBackup(const QString& file);

// Folder operations "with undo": COPY, DELETE (to the trash where there is one), MOVE, RENAME.
Done ShellFileOp(const QString& operation, bool renameOnCollision, bool noConfirmation, bool silent,
                 bool simpleProgress, const QString& from, const QString& to);
Done ShellDelete(const QString& folder);
// Never over an existing entry.
Done ShellRename(const QString& from, const QString& to);

// Listings append to list and keep the event loop responsive; hidden entries are left out.
void ListFilesAndFolders(const QString& folder, const QString& mask, QStringList& list, bool recurse);
void ListFiles(const QString& folder, const QString& mask, QStringList& list, bool recurse);
void ListNames(const QString& folder, const QString& mask, QStringList& list);

// A list file: one line per entry, CR LF, written whole through a temporary file.
Done SaveListToFile(const QString& name, const QStringList& list);
Result<QStringList> LoadListFromFile(const QString& name);
