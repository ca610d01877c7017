#include "install/ui/RemovalBoxes.h"

#include "install/AddonRemoval.h"
#include "shell/ui/FailureBoxes.h"
#include "shell/ui/UndoBoxes.h"

#include <QCoreApplication>

namespace {

using End = RemovalReport::End;

Outcome TakenBackBoxes(const RemovalReport& removal) {
    const QString failed =
        QCoreApplication::translate("AddonRemoval",
                                    "La base de données n'a pas pu être reconstruite sans « %1 » : l'import "
                                    "à nouveau de %2 a échoué (%3).")
            .arg(removal.name, removal.failure.path, removal.failure.reason);
    if (removal.end == End::TakenBack)
        return Outcome::Error(failed + ' ' +
                              QCoreApplication::translate(
                                  "AddonRemoval", "La désinstallation a été annulée : « %1 » reste dans "
                                                  "la bibliothèque, la base de données est comme avant.")
                                  .arg(removal.name));
    Outcome outcome = Outcome::Error(
        failed + ' ' +
        QCoreApplication::translate("AddonRemoval", "La désinstallation n'a pas pu être annulée : annulez-la "
                                                    "depuis l'historique des modifications."));
    return outcome += UndoBoxes(removal.undo);
}

// The boxes of a removal that went through its files, whole or cancelled.
Outcome WentThrough(const RemovalReport& removal) {
    Outcome outcome = NotChanged(removal.notChanged);
    if (!removal.saved)
        outcome += NotChanged({removal.saved.failure()});
    if (removal.end == End::Cancelled)
        return outcome += Outcome::Info(
                   QCoreApplication::translate(
                       "AddonRemoval", "Désinstallation de « %1 » ANNULEE : l'add-on reste dans la "
                                       "bibliothèque avec les fichiers qui n'ont pas encore été traités.")
                       .arg(removal.name));
    return outcome.ok()
               ? Outcome::Info(QCoreApplication::translate("AddonRemoval", "« %1 » a été désinstallé.")
                                   .arg(removal.name))
               : outcome;
}

} // namespace

Outcome RemovalBoxes(const RemovalReport& removal) {
    switch (removal.end) {
    case End::Damaged:
        return Outcome::Error(
            QCoreApplication::translate(
                "AddonRemoval",
                "La bibliothèque des add-ons %1 est endommagée (%2) : rien n'a été désinstallé.")
                .arg(removal.failure.path, removal.failure.reason));
    case End::Stale:
        return Outcome::Info(QCoreApplication::translate(
            "AddonRemoval", "La bibliothèque des add-ons a changé entre-temps : rien n'a été désinstallé."));
    case End::NotMarked:
        return NotChanged({removal.failure});
    case End::TakenBack:
    case End::NotTakenBack:
        return TakenBackBoxes(removal);
    case End::Removed:
    case End::Cancelled:
        return WentThrough(removal);
    }
    return {};
}

Outcome RecoveryBoxes(const LibraryRecovery& recovery) {
    if (recovery.pending.isEmpty())
        return {};
    if (!recovery.undoable)
        return Outcome::Error(QCoreApplication::translate(
                                  "AddonRemoval", "La bibliothèque des add-ons garde une désinstallation "
                                                  "interrompue (%1) qui ne peut pas être annulée seule : "
                                                  "annulez-la depuis l'historique des modifications.")
                                  .arg(recovery.pending));
    if (recovery.undo.failed())
        return UndoBoxes(recovery.undo);
    return Outcome::Info(
        QCoreApplication::translate("AddonRemoval",
                                    "La désinstallation interrompue de « %1 » a été annulée : la "
                                    "bibliothèque des add-ons et les fichiers sont comme avant elle.")
            .arg(RemovedName(recovery.pending)));
}
