#include "activation/DllFolderBackup.h"

#include "fs/CopyBatch.h"
#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "shell/Progress.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// Each name's copy from source into backup added to batch (its index there), or -1 and why in failed.
QList<qsizetype> PlanCopies(CopyBatch& batch, const QString& source, const QString& backup,
                            const QStringList& names, QList<Failure>& failed) {
    QList<qsizetype> copies;
    const QString realBackup = RealFolder(backup);
    for (const QString& name : names) {
        const Done added = AddCopyMakingFolders(batch, Resolve(source + '/' + name),
                                                Resolve(backup + '/' + name), realBackup);
        copies << (added ? batch.size() - 1 : -1);
        if (!added)
            failed << added.failure();
    }
    return copies;
}

} // namespace

Result<DllFolderBackup> BackupDllFolder(const QString& dllFolderHolder, Progress& progress) {
    if (dllFolderHolder.isEmpty())
        return Failure{dllFolderHolder,
                       QCoreApplication::translate(
                           "DllFolderBackup",
                           "Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe requis!")};
    const QString source = WithBackslash(dllFolderHolder) + QStringLiteral("pc");
    const QString backup = WithBackslash(dllFolderHolder) + QStringLiteral("pc-save");
    if (!FolderExists(source))
        return Failure{source,
                       QCoreApplication::translate(
                           "DllFolderBackup", "Impossible de sauvegarder DLL [pc] - Répertoire inexistant")};
    if (!FolderExists(backup) && !MakeFolder(backup))
        return Failure{backup, QCoreApplication::translate("DllFolderBackup", "Impossible de créer Backup")};
    QStringList names;
    ListNames(source, QStringLiteral("*.*"), names);
    qint64 bytes = 0;
    for (const QString& name : names)
        bytes += FileSize(source + '/' + name);
    progress.Start(int(names.size()), bytes);
    DllFolderBackup done;
    CopyBatch batch;
    const QList<qsizetype> copies = PlanCopies(batch, source, backup, names, done.failed);
    const CopyBatch::Ran run = batch.Run(copies, [&](qsizetype i) {
        const QString file = source + '/' + names[i];
        return progress.Step(file, FileSize(file));
    });
    for (qsizetype i = 0; i < names.size() && !run.done; ++i)
        if (copies[i] >= 0 && !batch.Placed(copies[i]))
            done.failed << Failure{backup + '/' + names[i], run.done.failure().reason};
    done.reached = run.reached;
    done.all = names.size();
    done.cancelled = run.cancelled;
    return done;
}
