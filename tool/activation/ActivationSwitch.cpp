#include "activation/ActivationSwitch.h"

#include "activation/EntryPaths.h"
#include "fs/FileUtils.h"
#include "fs/NativeFs.h"

#include <QStringList>

#include <functional>
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

using Rename = QPair<QString, QString>;

// The ".notused" operations work on the file name only, so that a folder whose name happens to hold
// ".notused" or a kind mark plays no part and a rename never leaves the file's own folder.
std::optional<Rename> SwitchOf(const QString& fullName, bool active, const QString& kindMark) {
    const QString folder = FolderOfEntry(fullName);
    const QString name = BareName(fullName);
    bool hasKind = false;
    const QString target =
        folder + (active ? ActiveName(name, kindMark, &hasKind) : InactiveName(name, kindMark, &hasKind));
    if (!hasKind)
        return std::nullopt;
    if (PathExists(target) && !SameFile(target, fullName))
        return std::nullopt; // both names exist: neither is renamed
    if (FileExists(fullName))
        return target != fullName ? std::optional<Rename>({fullName, target}) : std::nullopt;
    const QString other = folder + ToggleNotUsed(name, kindMark);
    return other != target && FileExists(other) ? std::optional<Rename>({other, target}) : std::nullopt;
}

// Hands act each rename the list asks for, in list order, each decided when its turn comes; the number
// of renames act made.
int EachSwitch(const ActivationList& list, const std::function<bool(const Rename&)>& act) {
    int done = 0;
    const QStringList marks = KindMarks(list.kind);
    for (const ActivationEntry& entry : list.entries) {
        const QString fullName = FullName(list, entry.name);
        for (const QString& mark : marks)
            if (const std::optional<Rename> rename = SwitchOf(fullName, entry.checked, mark))
                done += act(*rename) ? 1 : 0;
    }
    return done;
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

// The renames as they look beforehand are journaled together, with one flush.
int ApplyActivation(const ActivationList& list, QList<Failure>* failed) {
    QList<Rename> planned;
    EachSwitch(list, [&planned](const Rename& rename) {
        planned << rename;
        return false;
    });
    if (const Done journaled = PlanRenames(planned); !journaled) {
        for (const Rename& rename : planned)
            if (failed != nullptr)
                failed->append({ResolvePath(rename.first), journaled.failure().reason, true});
        return 0;
    }
    const QString realRoot = RealFolder(list.root);
    return EachSwitch(list, [&realRoot, failed](const Rename& rename) {
        const Done renamed = RenameNoReplace(Resolve(rename.first), rename.second, realRoot);
        if (!renamed && failed != nullptr)
            failed->append(renamed.failure());
        return bool(renamed);
    });
}
