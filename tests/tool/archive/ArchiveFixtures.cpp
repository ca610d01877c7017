#include "ArchiveFixtures.h"

#include "archive/Crc32.h"

#include <QFile>
#include <QtEndian>
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>
#include <locale.h>

namespace {

template <typename T> void Put(QByteArray& out, T value) {
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

la_ssize_t Append(archive*, void* out, const void* data, size_t size) {
    static_cast<QByteArray*>(out)->append(static_cast<const char*>(data), qsizetype(size));
    return la_ssize_t(size);
}

void SetKind(archive_entry* entry, const FixtureEntry& fixture) {
    using Kind = FixtureEntry::Kind;
    archive_entry_set_perm(entry, 0644);
    switch (fixture.kind) {
    case Kind::File:
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_size(entry, fixture.data.size());
        break;
    case Kind::Folder:
        archive_entry_set_filetype(entry, AE_IFDIR);
        break;
    case Kind::SymbolicLink:
        archive_entry_set_filetype(entry, AE_IFLNK);
        archive_entry_set_symlink(entry, fixture.data.constData());
        break;
    case Kind::HardLink:
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_hardlink(entry, fixture.data.constData());
        break;
    case Kind::Fifo:
        archive_entry_set_filetype(entry, AE_IFIFO);
        break;
    case Kind::Device:
        archive_entry_set_filetype(entry, AE_IFCHR);
        archive_entry_set_rdev(entry, 0x0101);
        break;
    }
}

void SetFormat(archive* a, const QString& format) {
    if (format == "zip")
        archive_write_set_format_zip(a);
    else if (format.startsWith("7z"))
        archive_write_set_format_7zip(a);
    else
        archive_write_set_format_pax_restricted(a);
    if (format == "7z-stored")
        archive_write_set_format_option(a, "7zip", "compression", "store");
    if (format == "tar.gz")
        archive_write_add_filter_gzip(a);
    if (format == "tar.bz2")
        archive_write_add_filter_bzip2(a);
    if (format == "tar.xz")
        archive_write_add_filter_xz(a);
}

void Rar4Block(QByteArray& out, quint8 type, quint16 flags, const QByteArray& body) {
    QByteArray header;
    Put<quint8>(header, type);
    Put<quint16>(header, flags);
    Put<quint16>(header, quint16(7 + body.size()));
    header += body;
    Put<quint16>(out, quint16(Crc32(0, header) & 0xffff));
    out += header;
}

QByteArray VarInt(quint64 value) {
    QByteArray bytes;
    do {
        bytes += char((value & 0x7f) | (value > 0x7f ? 0x80 : 0));
        value >>= 7;
    } while (value);
    return bytes;
}

void Rar5Header(QByteArray& out, const QByteArray& body) {
    const QByteArray header = VarInt(quint64(body.size())) + body;
    Put<quint32>(out, Crc32(0, header));
    out += header;
}

} // namespace

QByteArray WrittenArchive(const QString& format, const QList<FixtureEntry>& entries) {
    const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
    const locale_t previous = uselocale(utf8);
    QByteArray out;
    archive* a = archive_write_new();
    SetFormat(a, format);
    archive_write_set_bytes_in_last_block(a, 1); // no padding after a ZIP's end record
    EXPECT_EQ(archive_write_open(a, &out, nullptr, Append, nullptr), ARCHIVE_OK) << archive_error_string(a);
    for (const FixtureEntry& fixture : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname_utf8(entry, fixture.name.constData());
        SetKind(entry, fixture);
        EXPECT_EQ(archive_write_header(a, entry), ARCHIVE_OK) << archive_error_string(a);
        if (fixture.kind == FixtureEntry::Kind::File && !fixture.data.isEmpty()) {
            EXPECT_EQ(archive_write_data(a, fixture.data.constData(), size_t(fixture.data.size())),
                      fixture.data.size());
        }
        archive_entry_free(entry);
    }
    EXPECT_EQ(archive_write_close(a), ARCHIVE_OK) << archive_error_string(a);
    archive_write_free(a);
    uselocale(previous);
    freelocale(utf8);
    return out;
}

namespace {

// One entry's local header and data onto out, its central directory entry onto central.
void PutZipEntry(const ZipFixture& entry, bool zip64, QByteArray& out, QByteArray& central) {
    const quint32 offset = quint32(out.size()) + entry.localAtShift;
    const quint32 crc = Crc32(0, entry.data);
    const quint32 size = entry.size.value_or(quint32(entry.data.size()));
    const QByteArray localName = entry.localName.isNull() ? entry.name : entry.localName;
    QByteArray wide; // ZIP64's sizes (and, in the central directory, offset)
    Put<quint16>(wide, 1);
    Put<quint16>(wide, 16);
    Put<quint64>(wide, size);
    Put<quint64>(wide, quint64(entry.data.size()));
    const auto putCommon = [&](QByteArray& to) {
        for (const quint16 field : {quint16(20), entry.flags, entry.method, quint16(0), quint16(0x21)})
            Put<quint16>(to, field);
        Put<quint32>(to, crc);
        Put<quint32>(to, zip64 ? 0xffffffff : quint32(entry.data.size()));
        Put<quint32>(to, zip64 ? 0xffffffff : size);
    };
    Put<quint32>(out, 0x04034b50);
    putCommon(out);
    Put<quint16>(out, quint16(localName.size()));
    Put<quint16>(out, zip64 ? quint16(wide.size()) : 0);
    out += localName + (zip64 ? wide : QByteArray()) + entry.data;
    QByteArray extra = entry.extra;
    if (zip64) {
        wide[2] = 24;
        Put<quint64>(wide, offset);
        extra += wide;
    }
    Put<quint32>(central, 0x02014b50);
    Put<quint16>(central, entry.unixMode ? quint16(3 << 8 | 30) : 20);
    putCommon(central);
    for (const quint16 field :
         {quint16(entry.name.size()), quint16(extra.size()), quint16(0), quint16(0), quint16(0)})
        Put<quint16>(central, field);
    Put<quint32>(central, entry.unixMode << 16);
    Put<quint32>(central, zip64 ? 0xffffffff : offset);
    central += entry.name + extra;
}

// ZIP64's end record and its locator, for count entries in a central directory of size bytes at centralAt.
void PutZip64End(QByteArray& out, quint64 count, quint64 size, quint64 centralAt) {
    const quint64 recordAt = quint64(out.size());
    Put<quint32>(out, 0x06064b50);
    Put<quint64>(out, 44);
    Put<quint16>(out, 45);
    Put<quint16>(out, 45);
    Put<quint32>(out, 0);
    Put<quint32>(out, 0);
    for (const quint64 field : {count, count, size, centralAt})
        Put<quint64>(out, field);
    Put<quint32>(out, 0x07064b50);
    Put<quint32>(out, 0);
    Put<quint64>(out, recordAt);
    Put<quint32>(out, 1);
}

} // namespace

QByteArray ZipArchive(const QList<ZipFixture>& entries, bool zip64) {
    QByteArray out, central;
    for (const ZipFixture& entry : entries)
        PutZipEntry(entry, zip64, out, central);
    const quint64 centralAt = quint64(out.size());
    out += central;
    if (zip64)
        PutZip64End(out, quint64(entries.size()), quint64(central.size()), centralAt);
    const quint16 count = zip64 ? 0xffff : quint16(entries.size());
    Put<quint32>(out, 0x06054b50);
    for (const quint16 field : {quint16(0), quint16(0), count, count})
        Put<quint16>(out, field);
    Put<quint32>(out, zip64 ? 0xffffffff : quint32(central.size()));
    Put<quint32>(out, zip64 ? 0xffffffff : quint32(centralAt));
    Put<quint16>(out, 0);
    return out;
}

QByteArray UnicodePathField(const QByteArray& name, const QByteArray& utf8) {
    QByteArray field;
    Put<quint16>(field, 0x7075);
    Put<quint16>(field, quint16(5 + utf8.size()));
    Put<quint8>(field, 1);
    Put<quint32>(field, Crc32(0, name));
    return field + utf8;
}

QByteArray Rar4Archive(const QList<RarFixture>& entries) {
    QByteArray out("Rar!\x1a\x07\x00", 7);
    QByteArray main;
    Put<quint16>(main, 0);
    Put<quint32>(main, 0);
    Rar4Block(out, 0x73, 0, main);
    for (const RarFixture& entry : entries) {
        QByteArray body;
        Put<quint32>(body, quint32(entry.data.size()));
        Put<quint32>(body, entry.size.value_or(quint32(entry.data.size())));
        Put<quint8>(body, 2); // Windows
        Put<quint32>(body, Crc32(0, entry.crcOf.isNull() ? entry.data : entry.crcOf));
        Put<quint32>(body, 0x21);
        Put<quint8>(body, 20);
        Put<quint8>(body, 0x30); // stored
        Put<quint16>(body, quint16(entry.name.size()));
        Put<quint32>(body, entry.folder ? 0x10 : 0x20);
        Rar4Block(out, 0x74, quint16(0x8000 | (entry.folder ? 0xe0 : 0) | (entry.encrypted ? 0x04 : 0)),
                  body + entry.name);
        out += entry.data;
    }
    Rar4Block(out, 0x7b, 0x4000, {});
    return out;
}

QByteArray Rar5Archive(const QList<RarFixture>& entries) {
    QByteArray out("Rar!\x1a\x07\x01\x00", 8);
    Rar5Header(out, VarInt(1) + VarInt(0) + VarInt(0));
    for (const RarFixture& entry : entries) {
        QByteArray body = VarInt(2) + VarInt(2) + VarInt(quint64(entry.data.size()));
        body += VarInt(entry.folder ? 0x5 : 0x4) + VarInt(entry.size.value_or(quint32(entry.data.size())));
        body += VarInt(entry.folder ? 0x10 : 0x20);
        Put<quint32>(body, Crc32(0, entry.crcOf.isNull() ? entry.data : entry.crcOf));
        body += VarInt(0) + VarInt(0) + VarInt(quint64(entry.name.size())) + entry.name;
        Rar5Header(out, body);
        out += entry.data;
    }
    Rar5Header(out, VarInt(5) + VarInt(0) + VarInt(0));
    return out;
}

QByteArray ExeStub(int size) {
    return QByteArray("MZ") + QByteArray(size - 2, '\0');
}

QString FixtureFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    const QString path = folder + '/' + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size());
    return path;
}
