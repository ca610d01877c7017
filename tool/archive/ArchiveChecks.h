#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// The container formats read, each by its own reader of libarchive.
enum class ArchiveKind { Zip, Rar4, Rar5, SevenZip, Tar };

// What the table found one header of the archive to say, so that streaming can hold the archive to it.
struct HeaderCheck final {
    QByteArray name;            // as libarchive gives it
    qint64 size = 0;            // the stated size
    std::optional<quint32> crc; // the CRC-32 of its bytes, when the format states one
    int entry = -1;             // its place in the table's entries; -1 for one left out (the folder ".")
};

struct ArchiveChecks final {
    ArchiveKind kind = ArchiveKind::Zip;
    qint64 fileSize = 0;
    QList<HeaderCheck> headers; // every header in archive order
};
