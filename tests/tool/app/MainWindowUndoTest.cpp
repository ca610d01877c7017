// The main window's undo button, driven as a user drives it.
#include "JournaledOperationsTest.h"

#include "app/TF_main.h"

#include <QPushButton>
#include <QTest>

namespace {

using MainWindowUndoTest = JournaledOperationsTest;

TEST_F(MainWindowUndoTest, TheMainWindowUndoesTheLastOperationOnlyOnYes) {
    TF_main main;
    QPushButton* undo = main.findChild<QPushButton*>("ButtonUndo");
    ASSERT_NE(undo, nullptr);
    dialogs_.AnswerNo();
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(Read("Fly2/system/fly.ini"), "Activation *.DLL");
    dialogs_.AnswerYes();
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(dialogs_.Texts(), QStringList({QString::fromUtf8("Annuler « Activation *.DLL » ?"),
                                             QString::fromUtf8("Annuler « Activation *.DLL » ?"),
                                             QString::fromUtf8("Annulé : « Activation *.DLL »")}));
    EXPECT_EQ(Read("Fly2/system/fly.ini"), "Enregistrer fly.ini");
}

} // namespace
