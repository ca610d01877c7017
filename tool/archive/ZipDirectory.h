#pragma once

#include "archive/ByteFile.h"
#include "archive/ZipEnd.h"
#include "fs/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One entry of a ZIP archive's central directory.
struct ZipEntry final {
    QByteArray rawName;
    QString name; // decoded as written: UTF-8 where the archive says so, else the DOS code page
    quint16 flags = 0;
    quint16 method = 0;
    quint32 crc = 0;
    quint64 packedSize = 0;
    quint64 size = 0;
    quint64 localAt = 0; // its local header, in the file
};

// Every entry of the central directory that end points to, in the order of their data in the file (the
// order libarchive reads them in), each checked against its local header: the same name, method and
// encryption, its data inside the archive and apart from every other entry's. An entry encrypted, or
// packed in a method libarchive can't unpack, is refused; so is the first one past entryLimit.
Result<QList<ZipEntry>> ReadZipDirectory(ByteFile& file, const ZipEnd& end, const QString& path,
                                         qint64 entryLimit);
