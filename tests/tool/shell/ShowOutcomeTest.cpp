// The boxes that the tool's logic hands its windows, as the user meets them: the right kind of box with
// the caption the tool gives it, in order, and the answer of the question that ends them.
#include "shell/ui/ShowOutcome.h"
#include "ScriptedDialogs.h"

#include "fs/FileUtils.h"
#include "fs/Outcome.h"
#include "shell/ui/FailureBoxes.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedDialogs::Kind;

TEST(ShowOutcomeTest, TheLogicsBoxesReachTheUserWithTheirKindAndCaption) {
    const QString file = "/nowhere/fly.ini";
    const struct {
        Outcome outcome;
        Kind kind;
        QString caption, text;
    } cases[] = {
        {BackupFailed(file, {file, "Read-only file system"}), Kind::Message, "Attention",
         "Impossible de créer un fichier de SAUVEGARDE"},
        {BackupFailed(file, {file, "journal plein", true}), Kind::Error, "",
         QString::fromUtf8("Ces fichiers n'ont pas été changés :\n\n") + file + "\nRaison : journal plein"},
        {FoldersNotMade(MakeFolderChain("/proc/none", "a/b").failure()), Kind::Message, "",
         "Erreur, création de sous répertoires impossible"},
    };
    for (const auto& c : cases) {
        ScriptedDialogs dialogs;
        EXPECT_TRUE(ShowOutcome(c.outcome));
        ASSERT_EQ(dialogs.shown().size(), 1u) << c.text.toStdString();
        EXPECT_EQ(dialogs.shown()[0].kind, c.kind) << c.text.toStdString();
        EXPECT_EQ(dialogs.shown()[0].caption, c.caption) << c.text.toStdString();
        EXPECT_EQ(dialogs.shown()[0].text, c.text);
    }
}

// Boxes gathered from several steps come in the order of the steps; the question comes last and its
// answer is the result. Nothing to say shows nothing.
TEST(ShowOutcomeTest, GatheredBoxesInOrderThenTheAnswer) {
    for (const bool yes : {true, false}) {
        ScriptedDialogs dialogs;
        EXPECT_TRUE(ShowOutcome({}));
        EXPECT_TRUE(dialogs.shown().empty());
        Outcome outcome = Outcome::Info("copié");
        outcome += Outcome::Error("échec");
        outcome += Outcome::Question("Effacer ?");
        yes ? dialogs.AnswerYes() : dialogs.AnswerNo();
        EXPECT_EQ(ShowOutcome(outcome), yes);
        EXPECT_EQ(dialogs.Texts(), QStringList({"copié", "échec", "Effacer ?"}));
        EXPECT_EQ(dialogs.shown()[1].kind, Kind::Error);
        EXPECT_EQ(dialogs.shown()[2].kind, Kind::Question);
    }
}

} // namespace
