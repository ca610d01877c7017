#include "shell/ControlFileSets.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"

#include <QCoreApplication>

namespace {

QString NoFlyFolder() {
    return QCoreApplication::translate("ControlFileSets", "répertoire de Fly!2 non défini");
}

QString KeyFolder(const QString& flyFolder) {
    return WithBackslash(flyFolder) + QStringLiteral("system/");
}

QStringList BareNames(const QString& folder, const QString& mask) {
    QStringList found;
    if (!folder.isEmpty())
        ListFilesAndFolders(folder, mask, found, false);
    for (QString& path : found)
        path = path.mid(path.lastIndexOf('/') + 1);
    return found;
}

// Keys changed in the simulator since the set was saved live on in the dated backup. A set deleted since
// the lists were filled leaves everything as it was.
Result<Done> UseSet(const QString& set, const QString& live) {
    if (!FileExists(set))
        return Done();
    if (const Done backup = MakeDatedBackup(live); !backup)
        return Failure{ResolvePath(live), backup.failure().reason, backup.failure().refused};
    return CopyFileOver(set, live);
}

} // namespace

QStringList ListKeySets(const QString& flyFolder) {
    return flyFolder.isEmpty() ? QStringList() : BareNames(KeyFolder(flyFolder), QStringLiteral("*.fky"));
}

QStringList ListJoystickSets(const QString& flyFolder) {
    return BareNames(WithBackslash(flyFolder), QStringLiteral("*.fcr"));
}

Result<Done> UseKeySet(const QString& flyFolder, const QString& name) {
    if (flyFolder.isEmpty() || name.isEmpty())
        return Done();
    return UseSet(KeyFolder(flyFolder) + name, KeyFolder(flyFolder) + QStringLiteral("default.key"));
}

Result<Done> UseJoystickSet(const QString& flyFolder, const QString& name) {
    if (flyFolder.isEmpty() || name.isEmpty())
        return Done();
    return UseSet(WithBackslash(flyFolder) + name, WithBackslash(flyFolder) + QStringLiteral("control.txt"));
}

Done SaveKeysAs(const QString& flyFolder, const QString& target) {
    if (flyFolder.isEmpty())
        return Failure{target, NoFlyFolder()};
    return CopyFileOver(KeyFolder(flyFolder) + QStringLiteral("default.key"), target);
}

Done SaveJoystickAs(const QString& flyFolder, const QString& target) {
    if (flyFolder.isEmpty())
        return Failure{target, NoFlyFolder()};
    return CopyFileOver(WithBackslash(flyFolder) + QStringLiteral("control.txt"), target);
}
