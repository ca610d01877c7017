#include "shell/ControlFileSets.h"

#include "fs/Failures.h"
#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"

namespace {

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
bool UseSet(const QString& set, const QString& live, Outcome& outcome) {
    if (!FileExists(set))
        return false;
    if (const Done backup = MakeDatedBackup(live); !backup) {
        outcome += BackupFailed(live, backup.failure());
        return false;
    }
    const Done copied = CopyFileOver(set, live);
    if (!copied)
        outcome += NotChanged({copied.failure()});
    return bool(copied);
}

} // namespace

QStringList ListKeySets(const QString& flyFolder) {
    return flyFolder.isEmpty() ? QStringList() : BareNames(KeyFolder(flyFolder), QStringLiteral("*.fky"));
}

QStringList ListJoystickSets(const QString& flyFolder) {
    return BareNames(WithBackslash(flyFolder), QStringLiteral("*.fcr"));
}

bool UseKeySet(const QString& flyFolder, const QString& name, Outcome& outcome) {
    return !flyFolder.isEmpty() && !name.isEmpty() &&
           UseSet(KeyFolder(flyFolder) + name, KeyFolder(flyFolder) + QStringLiteral("default.key"), outcome);
}

bool UseJoystickSet(const QString& flyFolder, const QString& name, Outcome& outcome) {
    return !flyFolder.isEmpty() && !name.isEmpty() &&
           UseSet(WithBackslash(flyFolder) + name, WithBackslash(flyFolder) + QStringLiteral("control.txt"),
                  outcome);
}

bool SaveKeysAs(const QString& flyFolder, const QString& target) {
    return !flyFolder.isEmpty() && CopyFileOver(KeyFolder(flyFolder) + QStringLiteral("default.key"), target);
}

bool SaveJoystickAs(const QString& flyFolder, const QString& target) {
    return !flyFolder.isEmpty() &&
           CopyFileOver(WithBackslash(flyFolder) + QStringLiteral("control.txt"), target);
}
