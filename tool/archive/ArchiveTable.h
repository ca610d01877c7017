#pragma once

#include "archive/ArchiveEntry.h"
#include "archive/ArchiveLimits.h"
#include "fs/Result.h"

#include <QList>
#include <QString>

#include <memory>

struct ArchiveChecks;

// An archive's table, read and checked whole before anything is unpacked from it.
struct ArchiveTable final {
    QString path;                // the archive file
    QString format;              // "ZIP", "RAR 4", "RAR 5", "7z", "tar", "tar.gz", "tar.bz2" or "tar.xz"
    QList<ArchiveEntry> entries; // in archive order
    // The one folder that every entry lies in (or is), e.g. "MyScenery"; empty when there is none.
    QString topFolder;
    // What the archive was found to say, for ArchiveReader to hold it to while streaming.
    std::shared_ptr<const ArchiveChecks> checks;
};

// Reads the table of the archive at path (ZIP, RAR 4 and 5, 7z, tar plain or compressed with gzip, bzip2
// or xz, each also behind the program of a self-extracting .exe) and checks every entry: a name that could
// leave the target folder or clash with another on a case-blind disk, anything but a plain file or
// folder, an entry encrypted or packed in a method that can't be read, sizes beyond the limits, a damaged
// table. The failure names the archive (path) and, in its reason, the entry and why.
[[nodiscard]] Result<ArchiveTable> ReadArchiveTable(const QString& path, const ArchiveLimits& limits = {});
