#include "shell/ControlFileSets.h"

#include "fs/Failures.h"
#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"

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
Result<void, Outcome> UseSet(const QString& set, const QString& live) {
    if (!FileExists(set))
        return Outcome();
    if (const Done backup = MakeDatedBackup(live); !backup)
        return BackupFailed(live, backup.failure());
    if (const Done copied = CopyFileOver(set, live); !copied)
        return NotChanged({copied.failure()});
    return {};
}

} // namespace

QStringList ListKeySets(const QString& flyFolder) {
    return flyFolder.isEmpty() ? QStringList() : BareNames(KeyFolder(flyFolder), QStringLiteral("*.fky"));
}

QStringList ListJoystickSets(const QString& flyFolder) {
    return BareNames(WithBackslash(flyFolder), QStringLiteral("*.fcr"));
}

Result<void, Outcome> UseKeySet(const QString& flyFolder, const QString& name) {
    if (flyFolder.isEmpty() || name.isEmpty())
        return Outcome();
    return UseSet(KeyFolder(flyFolder) + name, KeyFolder(flyFolder) + QStringLiteral("default.key"));
}

Result<void, Outcome> UseJoystickSet(const QString& flyFolder, const QString& name) {
    if (flyFolder.isEmpty() || name.isEmpty())
        return Outcome();
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
