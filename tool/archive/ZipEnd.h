#pragma once

#include "archive/ByteFile.h"
#include "fs/Result.h"

#include <QString>

#include <optional>

// Where a ZIP archive's central directory lies, from its end record (ZIP64's where the archive has one).
struct ZipEnd final {
    quint64 entries = 0;
    quint64 directoryAt = 0; // in the file
    quint64 directorySize = 0;
    // What the archive's offsets are counted from in the file: the size of the bytes before the archive,
    // the program of a self-extracting .exe.
    quint64 archiveStart = 0;
};

// Where the file's ZIP end record is: at its end, followed by its comment alone; none when there is none.
std::optional<qint64> FindZipEnd(ByteFile& file);
// The central directory that the end record at endAt points to, checked to lie just before it.
Result<ZipEnd> ReadZipEnd(ByteFile& file, qint64 endAt, const QString& path);
// Why a ZIP archive's directory can't be read: the byte where it went wrong and what was expected there.
QString DirectoryDamage(quint64 offset, const QString& what);
