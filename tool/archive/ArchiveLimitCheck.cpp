#include "archive/ArchiveLimitCheck.h"

#include "archive/ArchiveFailure.h"

#include <QCoreApplication>

std::optional<QString> ArchiveLimitCheck::Add(qint64 size) {
    if (++entries_ > limits_.entries)
        return TooManyEntries(limits_.entries);
    if (size < 0)
        return QCoreApplication::translate("Archive", "taille invalide");
    if (size > limits_.entryBytes)
        return QCoreApplication::translate("Archive", "%1 octets, au-delà de la limite de %2 par fichier")
            .arg(size)
            .arg(LimitText(limits_.entryBytes));
    total_ += size;
    if (total_ > limits_.totalBytes)
        return QCoreApplication::translate("Archive", "taille totale décompressée au-delà de la limite de %1")
            .arg(LimitText(limits_.totalBytes));
    return std::nullopt;
}

QString TooManyEntries(qint64 limit) {
    return QCoreApplication::translate("Archive", "au-delà de la limite de %1 entrées").arg(limit);
}
