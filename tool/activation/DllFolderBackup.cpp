#include "activation/DllFolderBackup.h"

#include "shell/FileUtils.h"
#include "shell/NativeFs.h"

#include <QStringList>

QString BackupDllFolder(const QString& dllFolderHolder) {
    if (dllFolderHolder.isEmpty())
        return QString::fromUtf8(
            "Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe requis!");
    const QString source = WithBackslash(dllFolderHolder) + QStringLiteral("pc");
    const QString backup = WithBackslash(dllFolderHolder) + QStringLiteral("pc-save");
    if (!FolderExists(source))
        return QString::fromUtf8("Impossible de sauvegarder DLL [pc] - Répertoire inexistant");
    if (!FolderExists(backup) && !MakeFolder(backup))
        return QStringLiteral("Impossible de créer Backup");
    QStringList names;
    ListNames(source, QStringLiteral("*.*"), names);
    for (const QString& name : names)
        CopyFileOver(source + '/' + name, backup + '/' + name, backup);
    return QString();
}
