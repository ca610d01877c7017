#pragma once

#include "fs/Fingerprint.h"
#include "fs/ResolvedPath.h"
#include "fs/Result.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <optional>

// The tool's platform layer for files. A Fly! II folder copied from Windows has names in any case, so
// every lookup matches each path component exactly first, then without regard to ASCII case. Paths are
// native: a name found in a folder is used as it stands, so on Linux "a\..\x.pod" is one file name. Only
// a path that is a Windows path as a whole ("C:\Fly2\FLY2.EXE", from a setting made on Windows) has its
// backslashes taken as separators. Names go to and from the system through NativeText.h. Every change is
// told to the recorder of ChangeRecorder.h before it is made, and not made when the recorder refuses it;
// a change that fails says which path and why.

// Whether path begins with a drive letter, a colon and a separator.
bool IsWindowsPath(const QString& path);
// The existing path that path names (case-insensitive per component); for a path that doesn't exist,
// its existing beginning resolved and the rest as given. A Windows path goes through the resolver set
// below, else it is taken as a relative name. This is also the path as it is on disk, the form in which
// messages and logs show it.
QString ResolvePath(const QString& path);
// Turns a Windows path into the native path it names (the path unchanged when it names none).
using WindowsPathResolver = std::function<QString(const QString&)>;
// The resolver of every Windows path from now on (the application's: through the simulator's Wine
// prefix); none leaves them relative names. Returns the one before.
WindowsPathResolver SetWindowsPathResolver(WindowsPathResolver resolver);
// The path resolved once, for the functions below that take a ResolvedPath.
ResolvedPath Resolve(const QString& path);
// The same for a path named in the folder of sibling as it is on disk, whose real folder it shares.
ResolvedPath ResolveBeside(const ResolvedPath& sibling, const QString& path);
// The real path of folder as LiesInside compares it: its existing beginning with every symbolic link
// followed, the rest cleaned of "." and "..".
QString RealFolder(const QString& folder);

// While one lives, the real folders found on this thread (by Resolve, RealFolder and LiesInside) are kept
// and found again without asking the system: for an operation that walks many files in few folders and
// makes, removes or renames no symbolic link and removes or renames no folder on the way (a folder it
// makes is fine: its real path is the one found before it was made).
class RealFoldersKept final {
  public:
    RealFoldersKept();
    ~RealFoldersKept();
    RealFoldersKept(const RealFoldersKept&) = delete;
    RealFoldersKept& operator=(const RealFoldersKept&) = delete;

  private:
    QHash<QString, QString> kept_;
    QHash<QString, QString>* previous_;
};

bool FileExists(const QString& path);
bool FileExists(const ResolvedPath& path);
// The size of a plain file; 0 when there is none.
qint64 FileSize(const QString& path);
qint64 FileSize(const ResolvedPath& path);
bool FolderExists(const QString& path);
bool FolderExists(const ResolvedPath& path);
bool PathExists(const QString& path);
bool PathExists(const ResolvedPath& path);
Done RemoveFile(const QString& path);
Done MakeFolder(const QString& path); // one level; fails when it exists already
Done RemoveEmptyFolder(const QString& path);
// Rename that fails when the target exists (in any case).
Done RenameNoReplace(const QString& from, const QString& to);
// The same between names resolved already (ResolvedRename, or a ListedFolder), the target no entry yet.
Done RenameResolvedNoReplace(const QString& from, const QString& to);
// The same for a resolved source and the target named to, resolved beside it (ResolveBeside).
Done RenameBesideNoReplace(const ResolvedPath& from, const ResolvedPath& target, const QString& to);
// Tells the recorder of renames about to be made, all at once, before the first of them.
Done PlanRenames(const QList<QPair<QString, QString>>& renames);
// The same for renames between resolved names, as RenameResolvedNoReplace will make them.
Done PlanResolvedRenames(const QList<QPair<QString, QString>>& renames, const QList<Fingerprint>& moved = {});
// The resolved names that RenameNoReplace(from, to) would rename from and to; nothing when it can't.
std::optional<QPair<QString, QString>> ResolvedRename(const QString& from, const QString& to);
// Whether both paths name the same existing file.
bool SameFile(const ResolvedPath& a, const ResolvedPath& b);

// Whether path, once resolved, names an entry inside folder (never folder itself): the folders on the way
// are followed through "..", "." and symbolic links; the last name is taken as it stands. Every copy,
// move, rename and delete that must stay inside a folder is checked here.
bool LiesInside(const QString& path, const QString& folder);
// The same for a resolved path and the real path of the folder (RealFolder).
bool LiesInside(const ResolvedPath& path, const QString& realFolder);
// The existing path that path names with every symbolic link followed; empty when there is none.
QString RealPath(const QString& path);
// Where a write to path lands: the file that a final symbolic link points to, else path resolved.
QString WriteTarget(const QString& path);
ResolvedPath WriteTarget(const ResolvedPath& path);

// The whole file, or why it can't be read.
Result<QByteArray> ReadWholeFile(const QString& path);
// Writes bytes to a temporary name beside path, flushes, then renames it over path.
Done WriteFileAtomic(const QString& path, const QByteArray& bytes);
// Copies the bytes of the plain file source the same way; on any failure the target is left unchanged.
Done CopyWholeFile(const QString& source, const QString& target);
Done CopyWholeFile(const ResolvedPath& source, const ResolvedPath& target);

