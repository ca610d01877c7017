#pragma once

#include "archive/ByteFile.h"
#include "fs/Result.h"

#include <QList>
#include <QString>

#include <optional>

// What a RAR file header states that libarchive doesn't give: the CRC-32 of the file's bytes (which it
// doesn't check on a stored file) and whether the file is encrypted.
struct RarFile final {
    std::optional<qint64> size; // none when the archive says it is unknown
    std::optional<quint32> crc;
    bool encrypted = false;
};

// The file headers of the RAR 4 or RAR 5 archive in file (after the program of a self-extracting .exe
// when there is one), in archive order, at most entryLimit + 1 of them.
Result<QList<RarFile>> ReadRarHeaders(ByteFile& file, bool rar5, const QString& path, qint64 entryLimit);
