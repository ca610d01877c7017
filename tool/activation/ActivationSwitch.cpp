#include "activation/ActivationSwitch.h"

#include "activation/EntryPaths.h"
#include "fs/FileUtils.h"
#include "fs/ListedFolder.h"
#include "fs/NativeFs.h"

#include <QStringList>

#include <map>
#include <optional>

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

using Rename = QPair<ResolvedPath, ResolvedPath>;

// The ".notused" operations work on the file name only, so that a folder whose name happens to hold
// ".notused" or a kind mark plays no part and a rename never leaves the file's own folder.
std::optional<Rename> SwitchOf(ListedFolder& folder, const QString& name, bool active, const QString& kindMark) {
    bool hasKind = false;
    const QString target = active ? ActiveName(name, kindMark, &hasKind) : InactiveName(name, kindMark, &hasKind);
    if (!hasKind)
        return std::nullopt;
    const QString found = folder.Find(name);
    const QString there = folder.Find(target);
    if (!there.isEmpty() && there != found)
        return std::nullopt; // both names exist: neither is renamed
    QString source = found;
    if (!folder.IsFile(found)) {
        const QString other = ToggleNotUsed(name, kindMark);
        source = other != target ? folder.Find(other) : QString();
        if (!folder.IsFile(source))
            return std::nullopt;
    } else if (target == name) {
        return std::nullopt;
    }
    folder.Renamed(source, target);
    return Rename{folder.PathOf(source), folder.PathOf(target)};
}

// Each rename the list asks for, in list order, decided on the folders as the renames before it leave
// them; each folder is listed once, however the entries write its name.
QList<Rename> Switches(const ActivationList& list) {
    QList<Rename> renames;
    std::map<QString, ListedFolder> byDisk;
    std::map<QString, ListedFolder*> byName;
    const QStringList marks = KindMarks(list.kind);
    for (const ActivationEntry& entry : list.entries) {
        const QString fullName = FullName(list, entry.name);
        if (fullName.isEmpty())
            continue;
        const QString folderName = FolderOfEntry(fullName);
        ListedFolder*& listed = byName[folderName];
        if (listed == nullptr) {
            const QString onDisk = ResolvePath(folderName);
            listed = &byDisk.try_emplace(onDisk, onDisk).first->second;
        }
        ListedFolder& folder = *listed;
        for (const QString& mark : marks)
            if (const std::optional<Rename> rename = SwitchOf(folder, BareName(fullName), entry.checked, mark))
                renames << *rename;
    }
    return renames;
}

} // namespace

QString ActivationName(ActivationKind kind) {
    switch (kind) {
    case ActivationKind::Dll:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Activation *.DLL"));
    case ActivationKind::Script:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Activation *.PY/PYC"));
    case ActivationKind::Scenery:
        break;
    }
    return QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Activation [scènes]"));
}

// The renames are journaled together, with one flush, before the first is made.
Tally ApplyActivation(const ActivationList& list) {
    return RenameAllNoReplace(Switches(list), RealFolder(list.root));
}
