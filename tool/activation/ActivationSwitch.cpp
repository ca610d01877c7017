#include "activation/ActivationSwitch.h"

#include "activation/EntryPaths.h"
#include "shell/FileUtils.h"
#include "shell/NativeFs.h"

#include <QStringList>

namespace {

QString FullName(const ActivationList& list, const QString& entry) {
    if (list.kind == ActivationKind::Scenery)
        return list.folder.isEmpty() ? QString() : WithBackslash(list.folder) + entry;
    return list.folder + entry;
}

QStringList KindMarks(ActivationKind kind) {
    switch (kind) {
    case ActivationKind::Dll:
        return {QStringLiteral(".dll")};
    case ActivationKind::Script:
        return {QStringLiteral(".py")};
    case ActivationKind::Scenery:
        return {QStringLiteral(".pod"), QStringLiteral(".scf")};
    }
    return {};
}

// The ".notused" operations work on the file name only, so that a folder whose name happens to hold
// ".notused" or a kind mark plays no part and a rename never leaves the file's own folder.
bool SwitchOne(const QString& fullName, bool active, const QString& kindMark, const QString& root) {
    const QString folder = FolderOfEntry(fullName);
    const QString name = BareName(fullName);
    bool hasKind = false;
    const QString target =
        folder + (active ? ActiveName(name, kindMark, &hasKind) : InactiveName(name, kindMark, &hasKind));
    if (!hasKind)
        return false;
    if (FileExists(fullName))
        return target != fullName && RenameNoReplace(fullName, target, root);
    const QString other = folder + ToggleNotUsed(name, kindMark);
    return other != target && FileExists(other) && RenameNoReplace(other, target, root);
}

} // namespace

int ApplyActivation(const ActivationList& list) {
    int renamed = 0;
    const QStringList marks = KindMarks(list.kind);
    for (const ActivationEntry& entry : list.entries) {
        const QString fullName = FullName(list, entry.name);
        for (const QString& mark : marks)
            renamed += SwitchOne(fullName, entry.checked, mark, list.root) ? 1 : 0;
    }
    return renamed;
}
