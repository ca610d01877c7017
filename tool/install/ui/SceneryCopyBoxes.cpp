#include "install/ui/SceneryCopyBoxes.h"

#include "shell/ui/FailureBoxes.h"

#include <QCoreApplication>

Outcome SceneryCopyBoxes(const SceneryCopy& copy, const SceneryCopy::Step& step) {
    Outcome outcome;
    for (const Failure& failure : step.foldersNotMade)
        outcome += FoldersNotMade(failure);
    if (copy.Cancelled())
        return outcome +=
               Outcome::Info(QCoreApplication::translate(
                                 "SceneryTransfer",
                                 "Copie ANNULEE ! %1 fichiers sur %2 traités, les %3 autres sont inchangés.")
                                 .arg(step.reached)
                                 .arg(step.all)
                                 .arg(step.all - step.reached));
    if (copy.Asking())
        outcome += Outcome::Question(QCoreApplication::translate(
            "SceneryTransfer", "Do you really want to *DELETE* all Source Files?"));
    return outcome;
}
