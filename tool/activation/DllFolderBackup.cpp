#include "activation/DllFolderBackup.h"

#include "fs/Failures.h"
#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"
#include "shell/Progress.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString BackupCaption() {
    return QCoreApplication::translate("DllFolderBackup",
                                       "REPERTOIRE: [pc] VERS REPERTOIRE [pc-save] SAUVEGARDE");
}

Outcome Cancelled(qsizetype done, qsizetype all) {
    return Outcome::Info(QCoreApplication::translate("DllFolderBackup",
                                                     "Sauvegarde répertoire DLL ANNULEE ! %1 fichiers sur %2 "
                                                     "copiés, les %3 autres ne sont pas copiés.")
                             .arg(done)
                             .arg(all)
                             .arg(all - done),
                         BackupCaption());
}

} // namespace

Outcome BackupDllFolder(const QString& dllFolderHolder, Progress& progress) {
    if (dllFolderHolder.isEmpty())
        return Outcome::Error(QCoreApplication::translate(
            "DllFolderBackup",
            "Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe requis!"));
    const QString source = WithBackslash(dllFolderHolder) + QStringLiteral("pc");
    const QString backup = WithBackslash(dllFolderHolder) + QStringLiteral("pc-save");
    if (!FolderExists(source))
        return Outcome::Error(QCoreApplication::translate(
            "DllFolderBackup", "Impossible de sauvegarder DLL [pc] - Répertoire inexistant"));
    if (!FolderExists(backup) && !MakeFolder(backup))
        return Outcome::Error(QCoreApplication::translate("DllFolderBackup", "Impossible de créer Backup"));
    QStringList names;
    ListNames(source, QStringLiteral("*.*"), names);
    qint64 bytes = 0;
    for (const QString& name : names)
        bytes += FileSize(source + '/' + name);
    progress.Start(int(names.size()), bytes);
    QList<Failure> failed;
    for (qsizetype done = 0; done < names.size(); ++done) {
        const QString file = source + '/' + names[done];
        if (!progress.Step(file, FileSize(file)))
            return Cancelled(done, names.size()) += NotChanged(failed);
        if (const Done copied = CopyFileOver(file, backup + '/' + names[done], backup); !copied)
            failed << copied.failure();
    }
    if (!failed.isEmpty())
        return NotChanged(failed);
    return Outcome::Info(QCoreApplication::translate("DllFolderBackup", "Sauvegarde répertoire DLL terminé"),
                         BackupCaption());
}
