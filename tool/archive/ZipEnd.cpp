#include "archive/ZipEnd.h"

#include "archive/ArchiveFailure.h"
#include "archive/ByteCursor.h"

#include <QCoreApplication>

namespace {

constexpr quint32 EndSignature = 0x06054b50;
constexpr quint32 Zip64LocatorSignature = 0x07064b50;
constexpr quint32 Zip64EndSignature = 0x06064b50;
constexpr qint64 EndSize = 22;
constexpr qint64 Zip64LocatorSize = 20;
constexpr qint64 Zip64EndSize = 56;

struct Fields final {
    quint64 entries = 0;
    quint64 size = 0;
    quint64 offset = 0;
    bool oneDisk = true;
};

// The ZIP64 end record, found through its locator just before the end record: where the locator says,
// else just before the locator (an archive behind a program counts its offsets from its own start).
std::optional<Fields> ReadZip64(ByteFile& file, qint64 locatorAt, qint64* recordAt) {
    const auto locator = file.Read(quint64(locatorAt), Zip64LocatorSize);
    ByteCursor in(locator.value_or(QByteArray()));
    if (!locator || in.U32() != Zip64LocatorSignature)
        return std::nullopt;
    const quint32 disk = in.U32();
    const quint64 stated = in.U64();
    const quint32 disks = in.U32();
    const bool oneDisk = disk == 0 && disks <= 1;
    for (const quint64 at : {stated, quint64(locatorAt - Zip64EndSize)}) {
        const auto record = file.Read(at, Zip64EndSize);
        ByteCursor end(record.value_or(QByteArray()));
        if (!record || end.U32() != Zip64EndSignature)
            continue;
        end.Skip(8 + 2 + 2);
        const quint32 thisDisk = end.U32();
        const quint32 directoryDisk = end.U32();
        const quint64 onDisk = end.U64();
        Fields fields;
        fields.entries = end.U64();
        fields.oneDisk = oneDisk && thisDisk == 0 && directoryDisk == 0 && onDisk == fields.entries;
        fields.size = end.U64();
        fields.offset = end.U64();
        *recordAt = qint64(at);
        return fields;
    }
    return std::nullopt;
}

} // namespace

std::optional<qint64> FindZipEnd(ByteFile& file) {
    const qint64 tail = qMin(file.size(), EndSize + 0xffff);
    const auto bytes = file.Read(quint64(file.size() - tail), quint64(tail));
    if (!bytes)
        return std::nullopt;
    for (qint64 at = tail - EndSize; at >= 0; --at) {
        ByteCursor end(*bytes, at);
        if (end.U32() != EndSignature)
            continue;
        end.Skip(16);
        if (end.U16() == tail - at - EndSize)
            return file.size() - tail + at;
    }
    return std::nullopt;
}

Result<ZipEnd> ReadZipEnd(ByteFile& file, qint64 endAt, const QString& path) {
    ByteCursor end(file.Read(quint64(endAt), EndSize).value_or(QByteArray()), 4);
    Fields fields;
    const quint16 disk = end.U16();
    const quint16 directoryDisk = end.U16();
    const quint16 onDisk = end.U16();
    fields.entries = end.U16();
    fields.size = end.U32();
    fields.offset = end.U32();
    fields.oneDisk = disk == 0 && directoryDisk == 0 && onDisk == fields.entries;
    qint64 directoryEnd = endAt;
    const bool zip64 = fields.entries == 0xffff || fields.size == 0xffffffff || fields.offset == 0xffffffff;
    if (const auto wide = ReadZip64(file, endAt - Zip64LocatorSize, &directoryEnd))
        fields = *wide;
    else if (zip64)
        return ArchiveFailure(
            path, DirectoryDamage(quint64(endAt),
                                  QCoreApplication::translate("Archive", "fin d'archive ZIP64 introuvable")));
    if (!fields.oneDisk)
        return ArchiveFailure(
            path, DirectoryDamage(quint64(endAt),
                                  QCoreApplication::translate("Archive", "archive en plusieurs parties")));
    if (fields.size > quint64(directoryEnd) || fields.offset > quint64(directoryEnd) - fields.size)
        return ArchiveFailure(
            path, DirectoryDamage(quint64(endAt), QCoreApplication::translate(
                                                      "Archive", "répertoire central hors du fichier")));
    ZipEnd found;
    found.entries = fields.entries;
    found.directorySize = fields.size;
    found.directoryAt = quint64(directoryEnd) - fields.size;
    found.archiveStart = found.directoryAt - fields.offset;
    return found;
}

QString DirectoryDamage(quint64 offset, const QString& what) {
    return QCoreApplication::translate("Archive", "répertoire central ZIP illisible à l'octet %1 : %2")
        .arg(offset)
        .arg(what);
}
