#include "archive/ZipDirectory.h"

#include "archive/ArchiveFailure.h"
#include "archive/ArchiveLimitCheck.h"
#include "archive/ByteCursor.h"
#include "archive/Crc32.h"
#include "archive/NameDecoding.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr quint32 CentralSignature = 0x02014b50;
constexpr quint32 LocalSignature = 0x04034b50;
constexpr quint64 LocalSize = 30;
constexpr quint64 MaxDirectory = quint64(256) << 20;
constexpr quint16 Encrypted = 0x0001;
constexpr quint16 StrongEncryption = 0x0040;
constexpr quint16 Utf8Names = 0x0800;

// ZIP64's sizes and offset in place of the fields that say 0xffffffff; false when one is missing.
bool ReadZip64Fields(ByteCursor data, ZipEntry* entry) {
    for (quint64* field : {&entry->size, &entry->packedSize, &entry->localAt})
        if (*field == 0xffffffff)
            *field = data.U64();
    return data.ok();
}

// The extra fields: ZIP64's, and Info-ZIP's Unicode path (0x7075) where it is of this very name.
bool ReadExtra(const QByteArray& extra, ZipEntry* entry, QByteArray* unicodeName) {
    ByteCursor in(extra);
    bool wide = false;
    while (in.left() >= 4) {
        const quint16 id = in.U16();
        const QByteArray field = in.Bytes(in.U16());
        ByteCursor data(field);
        if (id == 0x0001)
            wide = ReadZip64Fields(data, entry);
        if (id == 0x7075 && data.U8() == 1 && data.U32() == Crc32(0, entry->rawName))
            *unicodeName = data.Bytes(quint64(data.left()));
    }
    return wide ||
           (entry->size != 0xffffffff && entry->packedSize != 0xffffffff && entry->localAt != 0xffffffff);
}

// One central directory entry; none with why when it can't be read.
std::optional<ZipEntry> ReadCentral(ByteCursor& in, QByteArray* unicodeName, QString* why) {
    if (in.U32() != CentralSignature) {
        *why = QCoreApplication::translate("Archive", "signature d'entrée attendue");
        return std::nullopt;
    }
    ZipEntry entry;
    in.Skip(4); // versions made by and needed
    entry.flags = in.U16();
    entry.method = in.U16();
    in.Skip(4); // time and date
    entry.crc = in.U32();
    entry.packedSize = in.U32();
    entry.size = in.U32();
    const quint16 nameSize = in.U16();
    const quint16 extraSize = in.U16();
    const quint16 commentSize = in.U16();
    in.Skip(2 + 2 + 4); // disk, internal and external attributes
    entry.localAt = in.U32();
    entry.rawName = in.Bytes(nameSize);
    const QByteArray extra = in.Bytes(extraSize);
    in.Skip(commentSize);
    *why = QCoreApplication::translate("Archive", "entrée incomplète");
    if (!in.ok() || !ReadExtra(extra, &entry, unicodeName))
        return std::nullopt;
    return entry;
}

// The name as written: UTF-8 where flagged so or given in a Unicode path field, else the DOS code page.
std::optional<QString> DecodedName(const ZipEntry& entry, const QByteArray& unicodeName) {
    if (entry.flags & Utf8Names)
        return FromUtf8(entry.rawName);
    if (!unicodeName.isNull())
        return FromUtf8(unicodeName);
    return FromDosCodePage(entry.rawName);
}

// What libarchive 3.6 unpacks: stored, Deflate, bzip2, LZMA, xz, PPMd.
std::optional<QString> MethodRefusal(quint16 method) {
    static const QList<quint16> read{0, 8, 12, 14, 95, 98};
    if (read.contains(method))
        return std::nullopt;
    static const QHash<quint16, QString> names{{1, "Shrink"},       {6, "Implode"},    {9, "Deflate64"},
                                               {10, "DCL Implode"}, {93, "Zstandard"}, {97, "WavPack"}};
    const QString method_ = names.contains(method) ? QStringLiteral("%1 (%2)").arg(method).arg(names[method])
                                                   : QString::number(method);
    return QCoreApplication::translate("Archive", "méthode de compression %1 non prise en charge")
        .arg(method_);
}

std::optional<QString> EntryRefusal(const ZipEntry& entry) {
    if ((entry.flags & (Encrypted | StrongEncryption)) || entry.method == 99)
        return QCoreApplication::translate("Archive", "chiffrée par un mot de passe");
    return MethodRefusal(entry.method);
}

} // namespace

namespace {

// The central directory's entries as they stand, each decoded and checked on its own.
Result<QList<ZipEntry>> ReadCentralEntries(const QByteArray& directory, const ZipEnd& end,
                                           const QString& path, qint64 entryLimit) {
    ByteCursor in(directory);
    QList<ZipEntry> entries;
    for (quint64 i = 0; i < end.entries; ++i) {
        const qsizetype at = in.at();
        QByteArray unicodeName;
        QString why;
        std::optional<ZipEntry> entry = ReadCentral(in, &unicodeName, &why);
        if (!entry)
            return ArchiveFailure(path, DirectoryDamage(end.directoryAt + quint64(at), why));
        const std::optional<QString> name = DecodedName(*entry, unicodeName);
        if (!name)
            return EntryFailure(
                path, QString::fromUtf8(entry->rawName),
                QCoreApplication::translate("Archive", "nom marqué UTF-8 qui n'est pas de l'UTF-8 valide"));
        entry->name = *name;
        if (qint64(i) >= entryLimit)
            return EntryFailure(path, entry->name, TooManyEntries(entryLimit));
        if (const std::optional<QString> refusal = EntryRefusal(*entry))
            return EntryFailure(path, entry->name, *refusal);
        entries += *entry;
    }
    if (in.left() != 0)
        return ArchiveFailure(
            path, DirectoryDamage(end.directoryAt + quint64(in.at()),
                                  QCoreApplication::translate("Archive", "octets après la dernière entrée")));
    return entries;
}

// Where the entry's data ends, once its local header was found to agree with the central directory.
Result<quint64> CheckLocal(ByteFile& file, const ZipEntry& entry, const QString& path) {
    if (entry.packedSize > quint64(file.size()))
        return EntryFailure(path, entry.name,
                            QCoreApplication::translate("Archive", "données hors de l'archive"));
    const std::optional<QByteArray> header = file.Read(entry.localAt, LocalSize);
    ByteCursor in(header.value_or(QByteArray()));
    if (!header || in.U32() != LocalSignature)
        return EntryFailure(path, entry.name,
                            QCoreApplication::translate("Archive", "en-tête local introuvable"));
    in.Skip(2);
    const quint16 flags = in.U16();
    const quint16 method = in.U16();
    in.Skip(16); // time, date, CRC-32 and sizes (in the data descriptor after the data, when flagged so)
    const quint16 nameSize = in.U16();
    const quint16 extraSize = in.U16();
    const QByteArray name = file.Read(entry.localAt + LocalSize, nameSize).value_or(QByteArray());
    if (name != entry.rawName)
        return EntryFailure(
            path, entry.name,
            QCoreApplication::translate("Archive",
                                        "deux noms pour une même entrée (« %1 » dans l'en-tête local)")
                .arg(entry.flags & Utf8Names ? QString::fromUtf8(name) : FromDosCodePage(name)));
    if (method != entry.method || (flags & Encrypted) != (entry.flags & Encrypted))
        return EntryFailure(
            path, entry.name,
            QCoreApplication::translate("Archive", "en-tête local et répertoire central en désaccord"));
    return entry.localAt + LocalSize + nameSize + extraSize + entry.packedSize;
}

} // namespace

Result<QList<ZipEntry>> ReadZipDirectory(ByteFile& file, const ZipEnd& end, const QString& path,
                                         qint64 entryLimit) {
    if (end.directorySize > MaxDirectory)
        return ArchiveFailure(
            path, DirectoryDamage(end.directoryAt, QCoreApplication::translate(
                                                       "Archive", "répertoire central de plus de 256 Mio")));
    const std::optional<QByteArray> directory = file.Read(end.directoryAt, end.directorySize);
    if (!directory)
        return ArchiveFailure(
            path, DirectoryDamage(end.directoryAt, QCoreApplication::translate(
                                                       "Archive", "répertoire central hors du fichier")));
    Result<QList<ZipEntry>> read = ReadCentralEntries(*directory, end, path, entryLimit);
    if (!read)
        return read;
    QList<ZipEntry>& entries = read.value();
    for (ZipEntry& entry : entries) {
        if (entry.localAt >= end.directoryAt - end.archiveStart)
            return EntryFailure(path, entry.name,
                                QCoreApplication::translate("Archive", "données hors de l'archive"));
        entry.localAt += end.archiveStart;
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ZipEntry& a, const ZipEntry& b) { return a.localAt < b.localAt; });
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Result<quint64> dataEnd = CheckLocal(file, entries[i], path);
        if (!dataEnd)
            return dataEnd.failure();
        const bool last = i + 1 == entries.size();
        if (*dataEnd > (last ? end.directoryAt : entries[i + 1].localAt))
            return EntryFailure(
                path, entries[i].name,
                last ? QCoreApplication::translate("Archive", "données hors de l'archive")
                     : QCoreApplication::translate("Archive", "données qui chevauchent celles de %1")
                           .arg(entries[i + 1].name));
    }
    return read;
}
