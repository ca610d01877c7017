// The history window, driven as a user drives it.
#include "EnglishInterface.h"
#include "JournaledOperationsTest.h"

#include "journal/ChangeJournal.h"
#include "shell/ui/TF_History.h"

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

using HistoryWindowTest = JournaledOperationsTest;

TEST_F(HistoryWindowTest, ListsNewestFirstAndUndoesDownToTheSelectedRow) {
    TF_History history;
    history.show();
    auto* list = history.findChild<QListWidget*>("ListHistory");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().endsWith("   Activation *.DLL   (1 fichier)"));
    EXPECT_TRUE(list->item(1)->text().endsWith("   Enregistrer fly.ini   (1 fichier)"));

    list->setCurrentRow(1);
    dialogs_.AnswerYes();
    QTest::mouseClick(history.findChild<QPushButton*>("ButtonUndoSelected"), Qt::LeftButton);
    EXPECT_EQ(
        dialogs_.Texts(),
        QStringList({QString::fromUtf8("Annuler les 2 dernières opérations, de « Activation *.DLL » à « "
                                       "Enregistrer fly.ini » ?"),
                     QString::fromUtf8("Annulé : « Activation *.DLL », « Enregistrer fly.ini »")}));
    EXPECT_EQ(Tree("Fly2"), before_);
    EXPECT_EQ(list->count(), 0);

    dialogs_.Clear();
    QTest::mouseClick(history.findChild<QPushButton*>("ButtonUndoLast"), Qt::LeftButton);
    EXPECT_EQ(dialogs_.Texts(), QStringList{QString::fromUtf8("Aucune opération à annuler.")});
}

// Left open while another operation runs, the history shows it without being asked, and undo down to
// the bottom row covers all three.
TEST_F(HistoryWindowTest, ANewEntryAppearsWhileTheWindowIsOpen) {
    TF_History history;
    history.show();
    auto* list = history.findChild<QListWidget*>("ListHistory");
    ASSERT_EQ(list->count(), 2);
    WriteOperation("Installation scénes", "installed");
    QTRY_COMPARE(list->count(), 3);
    EXPECT_TRUE(list->item(0)->text().endsWith(QString::fromUtf8("   Installation scénes   (1 fichier)")));

    list->setCurrentRow(2);
    dialogs_.AnswerNo();
    QTest::mouseClick(history.findChild<QPushButton*>("ButtonUndoSelected"), Qt::LeftButton);
    EXPECT_EQ(dialogs_.Texts(), QStringList{QString::fromUtf8("Annuler les 3 dernières opérations, de « "
                                                              "Installation scénes » à « Enregistrer fly.ini » ?")});
}

// The journal changes between the question and the answer: the rows are shown again and the question
// asked again, about the same selected row.
TEST_F(HistoryWindowTest, AnEntryWrittenDuringTheQuestionIsAskedAboutAgain) {
    TF_History history;
    history.show();
    auto* list = history.findChild<QListWidget*>("ListHistory");
    list->setCurrentRow(1);
    dialogs_.OnQuestion([this] { WriteOperation("Enregistrer valeurs", "values"); });
    dialogs_.AnswerYes();
    dialogs_.AnswerYes();
    QTest::mouseClick(history.findChild<QPushButton*>("ButtonUndoSelected"), Qt::LeftButton);
    EXPECT_EQ(dialogs_.Texts(),
              QStringList({QString::fromUtf8("Annuler les 2 dernières opérations, de « Activation *.DLL » à « "
                                             "Enregistrer fly.ini » ?"),
                           QString::fromUtf8("Annuler les 3 dernières opérations, de « Enregistrer valeurs » à "
                                             "« Enregistrer fly.ini » ?"),
                           QString::fromUtf8("Annulé : « Enregistrer valeurs », « Activation *.DLL », "
                                             "« Enregistrer fly.ini »")}));
    EXPECT_EQ(Tree("Fly2"), before_);
    EXPECT_EQ(list->count(), 0);
}

// In English the window, its lines and the question name the operations in English; the journal keeps them
// as they were written.
TEST_F(HistoryWindowTest, EnglishShowsTheWindowAndTheQuestionInEnglish) {
    const EnglishInterface english(Path("config"));
    TF_History history;
    history.show();
    EXPECT_EQ(history.windowTitle(), "Change history");
    auto* list = history.findChild<QListWidget*>("ListHistory");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().endsWith("   *.DLL activation   (1 file)"));
    EXPECT_TRUE(list->item(1)->text().endsWith("   Save fly.ini   (1 file)"));
    dialogs_.AnswerNo();
    QTest::mouseClick(history.findChild<QPushButton*>("ButtonUndoLast"), Qt::LeftButton);
    EXPECT_EQ(dialogs_.Texts(), QStringList({"Undo \"*.DLL activation\"?"}));
    EXPECT_EQ(ChangeJournal(AppSettings().FlyFolder).Entries().front().operation, "Activation *.DLL");
}

// The arrows step the value without a write; the value is kept once editing ends, and a limits file that
// can't be written is said, naming where.
TEST_F(HistoryWindowTest, LimitsAreKeptWhenEditingEndsAndAFailureIsShown) {
    TF_History history;
    history.show();
    auto* days = history.findChild<QSpinBox*>("SpinKeepDays");
    const QString limits = JournalRoot() + "limits";
    days->setValue(30);
    days->stepUp();
    EXPECT_FALSE(QFileInfo::exists(limits));
    emit days->editingFinished();
    EXPECT_EQ(LoadJournalLimits().keepDays, 31);
    EXPECT_TRUE(dialogs_.Texts().isEmpty());

    const QByteArray data = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(CreateFile("file")));
    days->stepUp();
    emit days->editingFinished();
    qputenv("XDG_DATA_HOME", data);
    EXPECT_EQ(dialogs_.Texts(),
              QStringList{QString::fromUtf8("Ces fichiers n'ont pas été changés :\n\n") + Path("file") +
                          QString::fromUtf8("/flykestrel/\nRaison : le dossier ne peut pas être créé")});
    EXPECT_EQ(LoadJournalLimits().keepDays, 31);
}

} // namespace
