#include "shell/ControlFileSets.h"

#include "shell/FileUtils.h"

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

} // namespace

QStringList ListKeySets(const QString& flyFolder) {
    return flyFolder.isEmpty() ? QStringList() : BareNames(KeyFolder(flyFolder), QStringLiteral("*.fky"));
}

QStringList ListJoystickSets(const QString& flyFolder) {
    return BareNames(WithBackslash(flyFolder), QStringLiteral("*.fcr"));
}

bool UseKeySet(const QString& flyFolder, const QString& name) {
    return !flyFolder.isEmpty() && !name.isEmpty() &&
           CopyFileOver(KeyFolder(flyFolder) + name, KeyFolder(flyFolder) + QStringLiteral("default.key"));
}

bool UseJoystickSet(const QString& flyFolder, const QString& name) {
    return !flyFolder.isEmpty() && !name.isEmpty() &&
           CopyFileOver(WithBackslash(flyFolder) + name,
                        WithBackslash(flyFolder) + QStringLiteral("control.txt"));
}

bool SaveKeysAs(const QString& flyFolder, const QString& target) {
    return !flyFolder.isEmpty() && CopyFileOver(KeyFolder(flyFolder) + QStringLiteral("default.key"), target);
}

bool SaveJoystickAs(const QString& flyFolder, const QString& target) {
    return !flyFolder.isEmpty() &&
           CopyFileOver(WithBackslash(flyFolder) + QStringLiteral("control.txt"), target);
}
