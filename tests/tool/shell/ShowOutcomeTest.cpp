#include "shell/ui/ShowOutcome.h"
#include "ScriptedDialogs.h"

#include "fs/Outcome.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedDialogs::Kind;

TEST(ShowOutcomeTest, BoxesInOrderAndTheAnswerOfTheQuestion) {
    ScriptedDialogs dialogs;
    EXPECT_TRUE(ShowOutcome({}));
    Outcome outcome = Outcome::Info("i", "Information:");
    outcome += Outcome::Warning("w");
    outcome += Outcome::Error("e");
    outcome += Outcome::Question("q?", "Information:");
    dialogs.AnswerNo();
    EXPECT_FALSE(ShowOutcome(outcome));
    ASSERT_EQ(dialogs.shown().size(), 4u);
    EXPECT_EQ(dialogs.Texts(), QStringList({"i", "w", "e", "q?"}));
    EXPECT_EQ(dialogs.shown()[0].caption, "Information:");
    EXPECT_EQ(dialogs.shown()[1].kind, Kind::Message);
    EXPECT_EQ(dialogs.shown()[1].caption, "Attention");
    EXPECT_EQ(dialogs.shown()[2].kind, Kind::Error);
    EXPECT_EQ(dialogs.shown()[3].kind, Kind::Question);
    dialogs.AnswerYes();
    EXPECT_TRUE(ShowOutcome(Outcome::Question("q?")));
}

} // namespace
