#include "activation/ui/DllFolderBackupBoxes.h"

#include "shell/ui/FailureBoxes.h"

#include <QCoreApplication>

namespace {

QString BackupCaption() {
    return QCoreApplication::translate("DllFolderBackup",
                                       "REPERTOIRE: [pc] VERS REPERTOIRE [pc-save] SAUVEGARDE");
}

} // namespace

Outcome DllFolderBackupBoxes(const Result<DllFolderBackup>& backup) {
    if (!backup)
        return Outcome::Error(backup.failure().reason);
    if (backup->cancelled)
        return Outcome::Info(QCoreApplication::translate(
                                 "DllFolderBackup", "Sauvegarde répertoire DLL ANNULEE ! %1 fichiers sur %2 "
                                                    "copiés, les %3 autres ne sont pas copiés.")
                                 .arg(backup->reached)
                                 .arg(backup->all)
                                 .arg(backup->all - backup->reached),
                             BackupCaption()) += NotChanged(backup->failed);
    if (!backup->failed.isEmpty())
        return NotChanged(backup->failed);
    return Outcome::Info(QCoreApplication::translate("DllFolderBackup", "Sauvegarde répertoire DLL terminé"),
                         BackupCaption());
}
