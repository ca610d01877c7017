#include "archive/ArchiveFailure.h"

#include <QCoreApplication>

Failure ArchiveFailure(const QString& archive, const QString& why) {
    return Failure{archive, why};
}

Failure EntryFailure(const QString& archive, const QString& entry, const QString& why) {
    return Failure{archive, QCoreApplication::translate("Archive", "%1 : %2").arg(entry, why)};
}

QString Damaged(const QString& libarchiveText) {
    return QCoreApplication::translate("Archive", "archive endommagée (%1)").arg(libarchiveText);
}

QString LimitText(qint64 bytes) {
    if (bytes > 0 && bytes % (qint64(1) << 30) == 0)
        return QCoreApplication::translate("Archive", "%1 Gio").arg(bytes >> 30);
    if (bytes > 0 && bytes % (qint64(1) << 20) == 0)
        return QCoreApplication::translate("Archive", "%1 Mio").arg(bytes >> 20);
    return QCoreApplication::translate("Archive", "%1 octets").arg(bytes);
}
