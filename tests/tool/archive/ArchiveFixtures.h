#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Archives made by the tests: with libarchive's writer where it writes the format, else byte by byte from
// the format's documented layout, so that each field can be made to lie.

struct FixtureEntry final {
    enum class Kind { File, Folder, SymbolicLink, HardLink, Fifo, Device };
    QByteArray name{}; // as written in the archive
    QByteArray data{}; // a file's bytes; a link's target
    Kind kind = Kind::File;
};

inline FixtureEntry File(const QByteArray& name, const QByteArray& data) {
    return {name, data, FixtureEntry::Kind::File};
}
inline FixtureEntry Folder(const QByteArray& name) {
    return {name, {}, FixtureEntry::Kind::Folder};
}

// libarchive's writer: "zip" (Deflate), "7z" (LZMA), "7z-stored", "tar", "tar.gz", "tar.bz2", "tar.xz".
QByteArray WrittenArchive(const QString& format, const QList<FixtureEntry>& entries);

// A ZIP entry written field by field (stored: its data as given, whatever the method says).
struct ZipFixture final {
    QByteArray name{};
    QByteArray data{};
    quint16 flags = 0;
    quint16 method = 0;
    QByteArray localName{};        // null: name
    std::optional<quint32> size{}; // the unpacked size stated; none: the data's
    QByteArray extra{};            // central directory extra fields
    quint32 localAtShift = 0;      // added to the local header offset stated
    quint32 unixMode = 0;          // made on Unix with this mode, when not 0
};
// Entries in order, then the central directory and its end record (ZIP64's too when asked).
QByteArray ZipArchive(const QList<ZipFixture>& entries, bool zip64 = false);
// Info-ZIP's Unicode path extra field for an entry named name.
QByteArray UnicodePathField(const QByteArray& name, const QByteArray& utf8);

// Stored RAR 4 and RAR 5 archives: each entry's data as given, the CRC-32 of crcOf (null: of the data).
struct RarFixture final {
    QByteArray name{};
    QByteArray data{};
    bool folder = false;
    QByteArray crcOf{};
    std::optional<quint32> size{}; // the unpacked size stated; none: the data's
    bool encrypted = false;
};
QByteArray Rar4Archive(const QList<RarFixture>& entries);
QByteArray Rar5Archive(const QList<RarFixture>& entries);

// The program bytes of a self-extracting .exe: "MZ" and zeros, size bytes in all.
QByteArray ExeStub(int size);
// Writes bytes to a new file of the given name in folder; its path.
QString FixtureFile(const QString& folder, const QString& name, const QByteArray& bytes);
