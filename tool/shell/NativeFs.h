#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The tool's platform layer for files. A Fly! II folder copied from Windows has names in any case, so
// every lookup matches each path component exactly first, then without regard to ASCII case.

// The existing path that path names (case-insensitive per component); for a path that doesn't exist,
// its existing beginning resolved and the rest as given. Backslashes are taken as '/'; a drive letter
// (C:\Fly2) names that drive of the default Wine prefix when there is one.
QString ResolvePath(const QString& path);
bool FileExists(const QString& path);
bool FolderExists(const QString& path);
bool PathExists(const QString& path);
bool RemoveFile(const QString& path);
bool MakeFolder(const QString& path);  // one level; false when it exists already
// Rename that fails when the target exists (in any case).
bool RenameNoReplace(const QString& from, const QString& to);
// The whole file, or nothing when it can't be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);
// Writes bytes to a temporary name beside path, flushes, then renames it over path.
bool WriteFileAtomic(const QString& path, const QByteArray& bytes);
