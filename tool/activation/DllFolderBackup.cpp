#include "activation/DllFolderBackup.h"

#include "fs/CopyBatch.h"
#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "shell/Progress.h"

#include <QCoreApplication>
#include <QStringList>

#include <numeric>

namespace {

// Each file's copy into backup under the same name added to batch (its index there), or -1 and why in
// failed.
QList<qsizetype> PlanCopies(CopyBatch& batch, const QList<ResolvedPath>& files, const QString& backup,
                            QList<Failure>& failed) {
    QList<qsizetype> copies;
    const QString realBackup = RealFolder(backup);
    for (const ResolvedPath& file : files) {
        const Done added = AddCopyMakingFolders(batch, file, Resolve(backup + '/' + file.Name()), realBackup);
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
    const RealFoldersKept realFolders; // the backup made its one folder, and makes no links
    QStringList names;
    ListNames(source, QStringLiteral("*.*"), names);
    QList<ResolvedPath> files;
    QList<qint64> sizes;
    for (const QString& name : names) {
        files << Resolve(source + '/' + name);
        sizes << FileSize(files.last());
    }
    progress.Start(int(names.size()), std::accumulate(sizes.cbegin(), sizes.cend(), qint64(0)));
    DllFolderBackup done;
    CopyBatch batch;
    const QList<qsizetype> copies = PlanCopies(batch, files, backup, done.failed);
    const CopyBatch::Ran run =
        batch.Run(copies, [&](qsizetype i) { return progress.Step(source + '/' + names[i], sizes[i]); });
    for (qsizetype i = 0; i < names.size() && !run.done; ++i)
        if (copies[i] >= 0 && !batch.Placed(copies[i]))
            done.failed << Failure{backup + '/' + names[i], run.done.failure().reason};
    done.reached = run.reached;
    done.all = names.size();
    done.cancelled = run.cancelled;
    return done;
}
