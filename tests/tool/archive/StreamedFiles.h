#pragma once

#include "archive/ArchiveReader.h"

#include <QByteArray>
#include <QMap>
#include <QString>

// Every file an archive's reader gives, read in small chunks, with its bytes; or why reading failed.
inline Result<QMap<QString, QByteArray>> StreamedFiles(const ArchiveTable& table) {
    ArchiveReader reader(table);
    QMap<QString, QByteArray> files;
    for (;;) {
        const Result<const ArchiveEntry*> entry = reader.Next();
        if (!entry)
            return entry.failure();
        if (!*entry)
            return files;
        QByteArray& bytes = files[(*entry)->name];
        char chunk[3];
        for (;;) {
            const Result<qint64> read = reader.Read(chunk, sizeof chunk);
            if (!read)
                return read.failure();
            if (*read == 0)
                break;
            bytes.append(chunk, *read);
        }
    }
}
