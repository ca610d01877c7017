#include "shell/ui/FailureBoxes.h"

#include "fs/NativeFs.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// A long list names its first files and counts the others.
const int NamedAtMost = 10;

} // namespace

Outcome NotChanged(const QList<Failure>& failures) {
    if (failures.isEmpty())
        return {};
    QStringList reasons;
    for (const Failure& failure : failures)
        if (!reasons.contains(failure.reason))
            reasons << failure.reason;
    QString text = QCoreApplication::translate("Failures", "Ces fichiers n'ont pas été changés :");
    for (const QString& reason : reasons) {
        int named = 0;
        int others = 0;
        text += '\n';
        for (const Failure& failure : failures) {
            if (failure.reason != reason)
                continue;
            if (named++ < NamedAtMost)
                text += '\n' + failure.path;
            else
                ++others;
        }
        if (others > 0)
            text += QCoreApplication::translate("Failures", "\net %1 autres").arg(others);
        text += QCoreApplication::translate("Failures", "\nRaison : %1").arg(reason);
    }
    return Outcome::Error(text);
}

Outcome FoldersNotMade(const Failure& failure) {
    if (!failure.folderNotMade)
        return {};
    return Outcome::Info(
        QCoreApplication::translate("FileUtils", "Erreur, création de sous répertoires impossible"));
}

Outcome BackupFailed(const QString& file, const Failure& failure) {
    if (failure.refused)
        return NotChanged({{ResolvePath(file), failure.reason, true}});
    return Outcome::Warning(
        QCoreApplication::translate("FileUtils", "Impossible de créer un fichier de SAUVEGARDE"));
}
