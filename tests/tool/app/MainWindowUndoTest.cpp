// The main window's undo button, driven as a user drives it.
#include "ScriptedDialogs.h"
#include "SettingsTest.h"

#include "app/TF_main.h"
#include "fs/NativeFs.h"
#include "journal/JournalScope.h"

#include <QPushButton>
#include <QTest>

namespace {

class MainWindowUndoTest : public SettingsTest {
  protected:
    // Two operations that rewrite fly.ini, each writing its own name.
    void SetUp() override {
        SettingsTest::SetUp();
        CreateFile("Fly2/FLY2.EXE", "MZ");
        CreateFile("Fly2/system/fly.ini", "a=1\r\n");
        AppSettings().FlyFolder = Path("Fly2/");
        for (const char* name : {"Enregistrer fly.ini", "Activation *.DLL"}) {
            const JournalScope scope(AppSettings().FlyFolder, QString::fromUtf8(name));
            ASSERT_TRUE(WriteFileAtomic(Path("Fly2/system/fly.ini"), name));
        }
    }

    ScriptedDialogs dialogs_;
};

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
