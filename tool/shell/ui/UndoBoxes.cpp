#include "shell/ui/UndoBoxes.h"

#include "journal/JournalUndo.h"

#include <QCoreApplication>

namespace {

using Stop = UndoReport::Stop;

QString NothingChanged() {
    return QCoreApplication::translate("JournalUndo", "Rien n'a été changé.");
}

// What keeps a running entry from being undone.
QString RunningReason(const UndoReport& report) {
    if (!report.failure.path.isEmpty())
        return QCoreApplication::translate("JournalUndo", "le programme %1 qu'elle a lancé tourne encore.")
            .arg(report.failure.path);
    return QCoreApplication::translate("JournalUndo", "elle est encore en cours.");
}

// The error box's text for an undo that stopped on an error.
QString NotUndone(const UndoReport& report) {
    const QString operation = QuotedOperation(report.operation);
    switch (report.stop) {
    case Stop::Locked:
        return QCoreApplication::translate("JournalUndo", "Impossible d'annuler : %1.")
            .arg(report.failure.reason);
    case Stop::Damaged:
        return QCoreApplication::translate("JournalUndo",
                                           "Impossible d'annuler : l'entrée %1 de l'historique "
                                           "des modifications est endommagée (%2). %3")
            .arg(report.failure.path, report.failure.reason, NothingChanged());
    case Stop::Running:
        return QCoreApplication::translate("JournalUndo", "Impossible d'annuler %1 : %2 %3")
            .arg(operation, RunningReason(report), NothingChanged());
    case Stop::ChangedSince:
        return QCoreApplication::translate(
                   "JournalUndo", "Impossible d'annuler %1 : ces fichiers ont été modifiés depuis :\n%2")
            .arg(operation, report.changed.join('\n'));
    case Stop::NotPutBack:
        return QCoreApplication::translate("JournalUndo",
                                           "Impossible d'annuler %1 : %2 n'a pas pu être rétabli. %3")
            .arg(operation, report.failure.path, NothingChanged());
    default: // Stop::NotForgotten
        return QCoreApplication::translate("JournalUndo", "Impossible d'effacer l'historique de %1")
            .arg(operation);
    }
}

Outcome StopBox(const UndoReport& report) {
    if (report.stop == Stop::None)
        return {};
    if (report.stop == Stop::Nothing)
        return Outcome::Info(QCoreApplication::translate("JournalUndo", "Aucune opération à annuler."));
    if (report.stop == Stop::Stale)
        return Outcome::Info(QCoreApplication::translate(
            "JournalUndo", "L'historique des modifications a changé entre-temps : rien n'a été annulé."));
    return Outcome::Error(NotUndone(report));
}

} // namespace

Outcome UndoBoxes(const UndoReport& report) {
    Outcome outcome;
    if (!report.undone.isEmpty()) {
        QStringList quoted;
        for (const QString& operation : report.undone)
            quoted << QuotedOperation(operation);
        outcome = Outcome::Info(
            QCoreApplication::translate("JournalUndo", "Annulé : %1").arg(quoted.join(QStringLiteral(", "))));
    }
    return outcome += StopBox(report);
}

Outcome UndoQuestionBoxes(const Result<QString, UndoReport>& question) {
    return question ? Outcome::Question(*question) : UndoBoxes(question.failure());
}

Outcome UnsealedBoxes(const JournalScope::Unsealed& entry) {
    return Outcome::Warning(
        QCoreApplication::translate("JournalScope",
                                    "L'opération « %1 » n'a pas pu être close dans l'historique des "
                                    "modifications %2 (%3) : l'historique est peut-être incomplet.")
            .arg(OperationText(entry.operation), entry.folder, entry.failure.reason));
}
