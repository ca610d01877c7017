// The boxes an undo ends with, as its report tells how it went: the operations undone first, then why it
// stopped, each with its kind and its text as the user reads it.
#include "shell/ui/UndoBoxes.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

using Stop = UndoReport::Stop;
using Box = Outcome::Box;

TEST(UndoBoxesTest, EachReportTellsWhatWasUndoneThenWhyItStopped) {
    const QString nothing = QString::fromUtf8(" Rien n'a été changé.");
    const struct {
        UndoReport report;
        QList<Box> boxes;
        QStringList texts;
    } cases[] = {
        {{.undone = {"a=3", "a=2"}}, {Box::Info}, {QString::fromUtf8("Annulé : « a=3 », « a=2 »")}},
        {{.stop = Stop::Nothing}, {Box::Info}, {QString::fromUtf8("Aucune opération à annuler.")}},
        {{.stop = Stop::Stale},
         {Box::Info},
         {QString::fromUtf8("L'historique des modifications a changé entre-temps : rien n'a été annulé.")}},
        {{.undone = {"a=3"},
          .stop = Stop::ChangedSince,
          .operation = "Essai",
          .changed = {"/f/a.ini", "/f/b.ini"}},
         {Box::Info, Box::Error},
         {QString::fromUtf8("Annulé : « a=3 »"),
          QString::fromUtf8(
              "Impossible d'annuler « Essai » : ces fichiers ont été modifiés depuis :\n/f/a.ini\n"
              "/f/b.ini")}},
        {{.stop = Stop::Damaged, .operation = "Essai", .failure = {"/j/7.entry", "ligne 3 coupée"}},
         {Box::Error},
         {QString::fromUtf8(
              "Impossible d'annuler : l'entrée /j/7.entry de l'historique des modifications est "
              "endommagée (ligne 3 coupée).") +
          nothing}},
        {{.stop = Stop::Running, .operation = "Essai", .failure = {"/w/importer", {}}},
         {Box::Error},
         {QString::fromUtf8(
              "Impossible d'annuler « Essai » : le programme /w/importer qu'elle a lancé tourne "
              "encore.") +
          nothing}},
        {{.stop = Stop::Running},
         {Box::Error},
         {QString::fromUtf8("Impossible d'annuler (opération illisible) : elle est encore en cours.") +
          nothing}},
        {{.stop = Stop::NotPutBack, .operation = "Essai", .failure = {"/f/a.dll", {}}},
         {Box::Error},
         {QString::fromUtf8("Impossible d'annuler « Essai » : /f/a.dll n'a pas pu être rétabli.") + nothing}},
        {{.stop = Stop::Locked, .failure = {"/j/lock", "une autre copie tourne"}},
         {Box::Error},
         {QString::fromUtf8("Impossible d'annuler : une autre copie tourne.")}},
    };
    for (const auto& c : cases) {
        const Outcome outcome = UndoBoxes(c.report);
        QList<Box> boxes;
        QStringList texts;
        for (const Outcome::Notice& notice : outcome.notices) {
            boxes << notice.box;
            texts << notice.text;
        }
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(boxes, c.boxes) << c.texts.value(0).toStdString();
    }
}

TEST(UndoBoxesTest, AnEntryThatCouldntBeSealedWarnsThatTheHistoryMayBeIncomplete) {
    const Outcome warning = UnsealedBoxes({"Essai", "/j/", {"/j/1.entry", "Is a directory"}});
    EXPECT_EQ(warning.box(), Box::Warning);
    EXPECT_EQ(warning.text(),
              QString::fromUtf8("L'opération « Essai » n'a pas pu être close dans l'historique des "
                                "modifications /j/ (Is a directory) : l'historique est peut-être "
                                "incomplet."));
}

} // namespace
