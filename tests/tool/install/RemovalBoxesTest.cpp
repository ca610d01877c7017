// What a start tells of a removal that a kill interrupted: nothing when there was none; that it can't be
// undone here; the error of its undo; or that it was undone, also when the history changed meanwhile.
#include "install/ui/RemovalBoxes.h"
#include "QStringPrinter.h"
#include "install/AddonRemoval.h"

#include <gtest/gtest.h>

namespace {

using Stop = UndoReport::Stop;

TEST(RemovalBoxesTest, AStartTellsWhatBecameOfAnInterruptedRemoval) {
    const QString pending = RemovalName("A");
    const QString undone =
        QString::fromUtf8("La désinstallation interrompue de « A » a été annulée : la "
                          "bibliothèque des add-ons et les fichiers sont comme avant elle.");
    const struct {
        LibraryRecovery recovery;
        QStringList texts;
    } cases[] = {
        {{}, {}},
        {{.pending = pending},
         {QString::fromUtf8(
             "La bibliothèque des add-ons garde une désinstallation interrompue (Désinstallation « "
             "A ») qui ne peut pas être annulée seule : annulez-la depuis l'historique des "
             "modifications.")}},
        {{.pending = pending, .undoable = true, .undo = {.undone = {pending}}}, {undone}},
        {{.pending = pending, .undoable = true, .undo = {.stop = Stop::Stale}}, {undone}},
        {{.pending = pending,
          .undoable = true,
          .undo = {.stop = Stop::NotPutBack, .operation = pending, .failure = {"/f/a.pod", {}}}},
         {QString::fromUtf8(
             "Impossible d'annuler « Désinstallation « A » » : /f/a.pod n'a pas pu être rétabli. "
             "Rien n'a été changé.")}},
    };
    for (const auto& c : cases) {
        QStringList texts;
        for (const Outcome::Notice& notice : RecoveryBoxes(c.recovery).notices)
            texts << notice.text;
        EXPECT_EQ(texts, c.texts);
    }
}

} // namespace
