#include "install/DataFolderSave.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"

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
Outcome CannotRename(const QString& from, const QString& to, bool nothingRestored = false) {
    const QString text =
        nothingRestored ? QCoreApplication::translate(
                              "DataFolderSave", "Impossible de renommer %1 vers %2 - rien n'a été restauré!")
                        : QCoreApplication::translate("DataFolderSave", "Impossible de renommer %1 vers %2");
    return Outcome::Error(text.arg(ResolvePath(from), ResolvePath(to)));
}

QString BupCaption() {
    return QCoreApplication::translate("DataFolderSave", "Répertoire [BUP] automatique");
}

} // namespace

Outcome SaveDataFolder(const QString& flyExePath) {
    if (flyExePath.isEmpty())
        return Outcome::Error(QCoreApplication::translate(
            "DataFolderSave",
            "Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe requis!"));
    const DataFolders f = FoldersBeside(flyExePath);
    Outcome outcome;
    if (FolderExists(f.save)) {
        // An older put-aside copy in the way is never replaced: the save stops before touching "data".
        if (!ShellRename(f.save, f.olderSave))
            return CannotRename(f.save, f.olderSave);
        outcome = Outcome::Info(
            QCoreApplication::translate(
                "DataFolderSave", "Le répertoire [data-save] existe déja! - le renommez [data-save$$$] ?"),
            QCoreApplication::translate("DataFolderSave", "Information:"));
    }
    if (!ShellRename(f.data, f.save))
        return outcome += CannotRename(f.data, f.save);
    if (FolderExists(f.data))
        return outcome += Outcome::Error(QCoreApplication::translate(
                   "DataFolderSave",
                   "Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe existe déja!"));
    if (!MakeFolder(f.data))
        return outcome += Outcome::Error(
                   QCoreApplication::translate("DataFolderSave", "Impossible de créer NewEdFolderName"));
    return outcome += Outcome::Info(
               QCoreApplication::translate("DataFolderSave",
                                           "Ancien [data] enregistré sous [data-save]. Nouveau [data] créé!"),
               BupCaption());
}

Outcome RestoreDataFolder(const QString& flyExePath) {
    if (flyExePath.isEmpty())
        return Outcome::Error(QCoreApplication::translate(
            "DataFolderSave", "Impossible de créer un sous répertoire Data - Chemin vers fly2.exe requis!"));
    const DataFolders f = FoldersBeside(flyExePath);
    if (!FolderExists(f.save))
        return Outcome::Error(QCoreApplication::translate(
            "DataFolderSave", "Impossible de restaurer [data] - Le répertoire [data-save] n''existe pas!"));
    if (FolderExists(f.replaced))
        if (const Done deleted = ShellDelete(f.replaced); !deleted)
            return Outcome::Error(
                QCoreApplication::translate("DataFolderSave",
                                            "Impossible de supprimer %1 (%2) - rien n'a été restauré!")
                    .arg(ResolvePath(f.replaced), deleted.failure().reason));
    const bool dataAside = FolderExists(f.data);
    if (dataAside && !ShellRename(f.data, f.replaced))
        return CannotRename(f.data, f.replaced, true);
    if (!ShellRename(f.save, f.data)) {
        Outcome outcome = CannotRename(f.save, f.data, true);
        // The live folder goes back where it was, so the simulator never finds itself without one; where it
        // can't, the user must know where it is.
        if (dataAside && !ShellRename(f.replaced, f.data))
            outcome += Outcome::Error(
                QCoreApplication::translate(
                    "DataFolderSave",
                    "Impossible de renommer %1 vers %2 - le répertoire [data] est resté sous %1!")
                    .arg(ResolvePath(f.replaced), ResolvePath(f.data)));
        return outcome;
    }
    return Outcome::Info(
        QCoreApplication::translate("DataFolderSave",
                                    "[data] enregistré sous [data$$$]. [data-save] renommé [data]!"),
        BupCaption());
}
