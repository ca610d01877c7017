#include "fs/SystemReason.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

QString SystemReason(int error) {
    switch (error) {
    case ENOSPC:
        return QCoreApplication::translate("SystemReason", "Aucun espace disponible sur le périphérique");
    case EDQUOT:
        return QCoreApplication::translate("SystemReason", "Quota de disque dépassé");
    case EROFS:
        return QCoreApplication::translate("SystemReason", "Système de fichiers en lecture seule");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("SystemReason", "Permission refusée");
    case ENOENT:
        return QCoreApplication::translate("SystemReason", "Aucun fichier ou dossier de ce nom");
    case EEXIST:
        return QCoreApplication::translate("SystemReason", "Le fichier existe");
    case EIO:
        return QCoreApplication::translate("SystemReason", "Erreur d'entrée/sortie");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}
