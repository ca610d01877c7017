#include "install/DataFolderSave.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"

#include <QCoreApplication>

namespace {

struct DataFolders final {
    QString data, save, olderSave, replaced;
};

DataFolders FoldersBeside(const QString& flyExePath) {
    const QString base = WithBackslash(FolderOfFile(flyExePath));
    return {base + QStringLiteral("data"), base + QStringLiteral("data-save"),
            base + QStringLiteral("data-save$$$"), base + QStringLiteral("data$$$")};
}

// nothingRestored: the restore stopped before changing anything.
Failure CannotRename(const QString& from, const QString& to, bool nothingRestored = false) {
    const QString text =
        nothingRestored ? QCoreApplication::translate(
                              "DataFolderSave", "Impossible de renommer %1 vers %2 - rien n'a été restauré!")
                        : QCoreApplication::translate("DataFolderSave", "Impossible de renommer %1 vers %2");
    return {from, text.arg(ResolvePath(from), ResolvePath(to))};
}

DataFolderSave Failed(const Failure& failure, bool olderSaveRenamed = false) {
    return {olderSaveRenamed, {failure}};
}

} // namespace

DataFolderSave SaveDataFolder(const QString& flyExePath) {
    if (flyExePath.isEmpty())
        return Failed({flyExePath, QCoreApplication::translate(
                                       "DataFolderSave", "Impossible de créer un nouveau répertoire Data - "
                                                         "Chemin vers fly2.exe requis!")});
    const DataFolders f = FoldersBeside(flyExePath);
    bool renamed = false;
    if (FolderExists(f.save)) {
        // An older put-aside copy in the way is never replaced: the save stops before touching "data".
        if (!ShellRename(f.save, f.olderSave))
            return Failed(CannotRename(f.save, f.olderSave));
        renamed = true;
    }
    if (!ShellRename(f.data, f.save))
        return Failed(CannotRename(f.data, f.save), renamed);
    if (FolderExists(f.data))
        return Failed({f.data, QCoreApplication::translate("DataFolderSave",
                                                           "Impossible de créer un nouveau répertoire Data - "
                                                           "Chemin vers fly2.exe existe déja!")},
                      renamed);
    if (!MakeFolder(f.data))
        return Failed(
            {f.data, QCoreApplication::translate("DataFolderSave", "Impossible de créer NewEdFolderName")},
            renamed);
    return {renamed, {}};
}

DataFolderSave RestoreDataFolder(const QString& flyExePath) {
    if (flyExePath.isEmpty())
        return Failed({flyExePath, QCoreApplication::translate(
                                       "DataFolderSave", "Impossible de créer un sous répertoire Data - "
                                                         "Chemin vers fly2.exe requis!")});
    const DataFolders f = FoldersBeside(flyExePath);
    if (!FolderExists(f.save))
        return Failed({f.save, QCoreApplication::translate("DataFolderSave",
                                                           "Impossible de restaurer [data] - Le répertoire "
                                                           "[data-save] n''existe pas!")});
    if (FolderExists(f.replaced))
        if (const Done deleted = ShellDelete(f.replaced); !deleted)
            return Failed(
                {f.replaced, QCoreApplication::translate(
                                 "DataFolderSave", "Impossible de supprimer %1 (%2) - rien n'a été restauré!")
                                 .arg(ResolvePath(f.replaced), deleted.failure().reason)});
    const bool dataAside = FolderExists(f.data);
    if (dataAside && !ShellRename(f.data, f.replaced))
        return Failed(CannotRename(f.data, f.replaced, true));
    if (!ShellRename(f.save, f.data)) {
        DataFolderSave restore = Failed(CannotRename(f.save, f.data, true));
        // The live folder goes back where it was, so the simulator never finds itself without one; where it
        // can't, the user must know where it is.
        if (dataAside && !ShellRename(f.replaced, f.data))
            restore.failed << Failure{
                f.replaced, QCoreApplication::translate(
                                "DataFolderSave",
                                "Impossible de renommer %1 vers %2 - le répertoire [data] est resté sous %1!")
                                .arg(ResolvePath(f.replaced), ResolvePath(f.data))};
        return restore;
    }
    return {};
}
