#pragma once

#include "fs/Fingerprint.h"
#include "fs/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Reading folders byte for byte (NativeText.h), so that every name found can be opened again.

struct FolderEntry final {
    QString name;
    bool file = false;   // a plain file, or a symbolic link to one
    bool folder = false; // a folder, or a symbolic link to one
    bool link = false;   // a symbolic link
};

// The names in an already resolved folder, "." and ".." left out, in the file system's order.
QStringList EntryNames(const QString& resolvedFolder);
// The same for a folder open as a descriptor, which this closes.
QStringList ReadEntryNames(int openFolder);
// Hands take each name of a folder open as a descriptor with its type as the listing gives it (dirent's
// d_type: DT_UNKNOWN where the file system doesn't say), "." and ".." left out; closes the descriptor.
void ReadEntries(int openFolder, const std::function<void(const QString& name, unsigned char type)>& take);
// The entries of an already resolved folder, hidden ones included, by name without regard to case.
QList<FolderEntry> FolderEntries(const QString& resolvedFolder);
// Flushes a folder's entries to disk; a failure names the folder, with the system's error.
Done FlushFolder(const QString& folder);
// The fingerprint of a native path as it stands (a final symbolic link is not followed), a file's bytes
// hashed with hash: the one of the fingerprint it is to be compared with.
Fingerprint FingerprintOf(const QString& nativePath, Fingerprint::Hash hash = Fingerprint::Hash::Xxh3);
// The fingerprint of the bytes a native path leads to, a symbolic link followed, as a copy reads them.
Fingerprint FingerprintOfContents(const QString& nativePath, Fingerprint::Hash hash = Fingerprint::Hash::Xxh3);
// The fingerprint of the plain file open at fd, read from its start (its offset is left where it is).
Fingerprint FingerprintOfOpenFile(int fd, Fingerprint::Hash hash = Fingerprint::Hash::Xxh3);
// The fingerprint of a file that would hold bytes.
Fingerprint FingerprintOfBytes(const QByteArray& bytes);
// Whether name matches a Windows mask of '*' and '?' without regard to case; "*.*" matches every name.
bool MatchesMask(const QString& name, const QString& mask);
