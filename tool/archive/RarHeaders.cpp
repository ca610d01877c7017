#include "archive/RarHeaders.h"

#include "archive/ArchiveFailure.h"
#include "archive/ByteCursor.h"

#include <QCoreApplication>

namespace {

constexpr qint64 SignatureWithin = qint64(1) << 20; // libarchive looks no further into a self-extracting .exe
constexpr quint64 MaxRar5Header = quint64(2) << 20;

QString HeaderDamage(quint64 offset) {
    return Damaged(QCoreApplication::translate("Archive", "en-tête RAR illisible à l'octet %1").arg(offset));
}

enum class Stop { None, End, Damaged, Encrypted };

// One RAR 4 block at pos (a file header adds its file): the position of the next block.
quint64 ReadRar4Block(ByteFile& file, quint64 pos, QList<RarFile>* files, Stop* stop) {
    const std::optional<QByteArray> base = file.Read(pos, 7);
    ByteCursor in(base.value_or(QByteArray()), 2);
    const quint8 type = in.U8();
    const quint16 flags = in.U16();
    const quint16 headerSize = in.U16();
    const std::optional<QByteArray> header = file.Read(pos, headerSize);
    ByteCursor fields(header.value_or(QByteArray()), 7);
    const quint64 packed = (flags & 0x8000) || type == 0x74 || type == 0x7a ? fields.U32() : 0;
    if (!base || type == 0x7b)
        *stop = Stop::End; // an archive may end without its end block
    else if (headerSize < 7 || !fields.ok())
        *stop = Stop::Damaged;
    else if (type == 0x73 && (flags & 0x0080))
        *stop = Stop::Encrypted;
    if (*stop != Stop::None)
        return 0;
    quint64 highPacked = 0;
    if (type == 0x74) {
        const quint64 size = fields.U32();
        fields.Skip(1); // host
        const quint32 crc = fields.U32();
        fields.Skip(4 + 1 + 1 + 2 + 4); // time, version, method, name size, attributes
        highPacked = flags & 0x100 ? fields.U32() : 0;
        const quint64 highSize = flags & 0x100 ? fields.U32() : 0;
        *stop = fields.ok() ? Stop::None : Stop::Damaged;
        *files += RarFile{qint64(highSize << 32 | size), crc, bool(flags & 0x04)};
    }
    return pos + headerSize + (highPacked << 32 | packed);
}

// Whether the extra area of a RAR 5 file header holds an encryption record.
bool Rar5Encrypted(const QByteArray& extra) {
    ByteCursor in(extra);
    while (in.ok() && in.left() > 0) {
        const quint64 size = in.VarInt();
        const qsizetype at = in.at();
        if (in.VarInt() == 1)
            return true;
        in = ByteCursor(extra, at);
        in.Skip(size);
    }
    return false;
}

RarFile Rar5File(ByteCursor& in, const QByteArray& extra) {
    const quint64 flags = in.VarInt();
    const quint64 size = in.VarInt();
    in.VarInt(); // attributes
    if (flags & 0x2)
        in.Skip(4); // time
    const std::optional<quint32> crc = flags & 0x4 ? std::optional<quint32>(in.U32()) : std::nullopt;
    return RarFile{flags & 0x8 ? std::nullopt : std::optional<qint64>(qint64(size)), crc,
                   Rar5Encrypted(extra)};
}

// One RAR 5 header at pos (a file header adds its file): the position of the next one.
quint64 ReadRar5Block(ByteFile& file, quint64 pos, QList<RarFile>* files, Stop* stop) {
    const std::optional<QByteArray> base =
        file.Read(pos, qMin(quint64(14), quint64(file.size()) - qMin(pos, quint64(file.size()))));
    ByteCursor in(base.value_or(QByteArray()), 4);
    const quint64 headerSize = in.VarInt();
    const quint64 bodyAt = pos + quint64(in.at());
    const std::optional<QByteArray> header =
        in.ok() && headerSize <= MaxRar5Header ? file.Read(bodyAt, headerSize) : std::nullopt;
    ByteCursor body(header.value_or(QByteArray()));
    const quint64 type = body.VarInt();
    const quint64 flags = body.VarInt();
    const quint64 extraSize = flags & 0x1 ? body.VarInt() : 0;
    const quint64 dataSize = flags & 0x2 ? body.VarInt() : 0;
    if (!base || base->size() < 5 || type == 5)
        *stop = Stop::End;
    else if (!body.ok() || extraSize > headerSize || dataSize > quint64(file.size()))
        *stop = Stop::Damaged;
    else if (type == 4)
        *stop = Stop::Encrypted;
    if (*stop != Stop::None)
        return 0;
    if (type == 2) {
        *files += Rar5File(body, header->sliced(qsizetype(headerSize - extraSize)));
        *stop = body.ok() ? Stop::None : Stop::Damaged;
    }
    return bodyAt + headerSize + dataSize;
}

} // namespace

Result<QList<RarFile>> ReadRarHeaders(ByteFile& file, bool rar5, const QString& path, qint64 entryLimit) {
    const QByteArray signature =
        rar5 ? QByteArrayLiteral("Rar!\x1a\x07\x01\x00") : QByteArrayLiteral("Rar!\x1a\x07\x00");
    const std::optional<qint64> at = file.Find(signature, SignatureWithin);
    if (!at)
        return ArchiveFailure(path, HeaderDamage(0));
    QList<RarFile> files;
    Stop stop = Stop::None;
    quint64 pos = quint64(*at + signature.size());
    while (stop == Stop::None && files.size() <= entryLimit) {
        const quint64 block = pos;
        pos = rar5 ? ReadRar5Block(file, pos, &files, &stop) : ReadRar4Block(file, pos, &files, &stop);
        if (stop == Stop::Damaged)
            return ArchiveFailure(path, HeaderDamage(block));
        if (stop == Stop::Encrypted)
            return ArchiveFailure(
                path, QCoreApplication::translate("Archive", "archive chiffrée par un mot de passe"));
    }
    return files;
}
