#include "install/DataFolderSave.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"

namespace {

struct DataFolders final {
    QString data, save, olderSave, replaced;
};

DataFolders FoldersBeside(const QString& flyExePath) {
    const QString base = WithBackslash(FolderOfFile(flyExePath));
    return {base + QStringLiteral("data"), base + QStringLiteral("data-save"),
            base + QStringLiteral("data-save$$$"), base + QStringLiteral("data$$$")};
}

Outcome CannotRename(const QString& from, const QString& to, const QString& end = {}) {
    return Outcome::Error(QStringLiteral("Impossible de renommer ") + ResolvePath(from) +
                          QStringLiteral(" vers ") + ResolvePath(to) + end);
}

const QString BupCaption = QStringLiteral("Répertoire [BUP] automatique");

} // namespace

Outcome SaveDataFolder(const QString& flyExePath) {
    if (flyExePath.isEmpty())
        return Outcome::Error(
            QStringLiteral("Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe requis!"));
    const DataFolders f = FoldersBeside(flyExePath);
    Outcome outcome;
    if (FolderExists(f.save)) {
        // An older put-aside copy in the way is never replaced: the save stops before touching "data".
        if (!ShellRename(f.save, f.olderSave))
            return CannotRename(f.save, f.olderSave);
        outcome = Outcome::Info(
            QStringLiteral("Le répertoire [data-save] existe déja! - le renommez [data-save$$$] ?"),
            QStringLiteral("Information:"));
    }
    if (!ShellRename(f.data, f.save))
        return outcome += CannotRename(f.data, f.save);
    if (FolderExists(f.data))
        return outcome += Outcome::Error(QStringLiteral(
                   "Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe existe déja!"));
    if (!MakeFolder(f.data))
        return outcome +=
               Outcome::Error(QStringLiteral("Impossible de créer") + QStringLiteral(" NewEdFolderName"));
    return outcome += Outcome::Info(
               QStringLiteral("Ancien [data] enregistré sous [data-save]. Nouveau [data] créé!"), BupCaption);
}

Outcome RestoreDataFolder(const QString& flyExePath) {
    if (flyExePath.isEmpty())
        return Outcome::Error(
            QStringLiteral("Impossible de créer un sous répertoire Data - Chemin vers fly2.exe requis!"));
    const DataFolders f = FoldersBeside(flyExePath);
    if (!FolderExists(f.save))
        return Outcome::Error(
            QStringLiteral("Impossible de restaurer [data] - Le répertoire [data-save] n''existe pas!"));
    const QString nothingRestored = QStringLiteral(" - rien n'a été restauré!");
    if (FolderExists(f.replaced))
        ShellDelete(f.replaced);
    const bool dataAside = FolderExists(f.data);
    if (dataAside && !ShellRename(f.data, f.replaced))
        return CannotRename(f.data, f.replaced, nothingRestored);
    if (!ShellRename(f.save, f.data)) {
        // The live folder goes back where it was, so the simulator never finds itself without one.
        if (dataAside)
            ShellRename(f.replaced, f.data);
        return CannotRename(f.save, f.data, nothingRestored);
    }
    return Outcome::Info(QStringLiteral("[data] enregistré sous [data$$$]. [data-save] renommé [data]!"),
                         BupCaption);
}
