#include "install/ui/InstallationBoxes.h"

#include "shell/ui/FailureBoxes.h"

#include <QCoreApplication>

Outcome InstallationBoxes(const Result<AddonInstall>& ran) {
    if (!ran)
        return Outcome::Info(ran.failure().reason);
    Outcome outcome;
    for (const Failure& failure : ran->foldersNotMade)
        outcome += FoldersNotMade(failure);
    if (ran->dexFolderNotMade)
        outcome += Outcome::Info(QCoreApplication::translate(
            "AddonInstall", "Cannot create [DEX] folder. Dex Installation not possible!"));
    return outcome;
}
