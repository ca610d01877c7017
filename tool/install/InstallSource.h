#pragma once

#include "archive/ArchiveTable.h"
#include "fs/ResolvedPath.h"
#include "fs/Result.h"
#include "install/InstallRequest.h"

#include <QList>
#include <QString>

#include <memory>

// One file that an installation's source offers.
struct SourceFile final {
    QString name;      // below the source's root, '/' between its folders
    QString shown;     // as the log names it: its path, or the archive's path and its name there
    ResolvedPath path; // a folder's file, resolved once; empty for an archive's entry
    int entry = -1;    // an archive's entry: its position in the archive
    qint64 size = 0;
};

// The files of a request's source, from a folder or an archive alike. A folder offers its entries as they
// were listed when it was chosen (one level deep), or every file below it for the type that mirrors the
// simulator's tree. An archive offers its files from its table, read and checked whole before anything is
// written; when everything in it lies in one folder, that folder is the root (for the tree type, unless it
// is one of the simulator's own folders).
struct InstallSource final {
    QString root;                                // the folder, or the archive file
    std::shared_ptr<const ArchiveTable> archive; // null for a folder
    QList<SourceFile> files;
};

// Whether path is an existing file named as an archive the installer reads (shell/AddonSource.h).
bool IsArchiveSource(const QString& path);

// The source of request; the failure (the archive, the entry and why) when its archive is refused.
Result<InstallSource> ReadInstallSource(const InstallRequest& request);

// The add-on's name in the library: a folder's name, or an archive's without its extension.
QString SourceName(const QString& source);

// Whether a path below the simulator folder lies in one of the folders a simulator's tree is made of.
bool InKnownFolder(const QString& relative);
