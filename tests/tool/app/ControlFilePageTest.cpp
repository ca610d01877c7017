// Page 5 of the main window: saved key and joystick sets.
#include "SettingsTest.h"
#include "ScriptedDialogs.h"

#include "app/KestrelWindows.h"
#include "app/TF_main.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

class ControlFilePageTest : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        AppSettings().FlyFolder = Path("Fly2/");
        AppSettings().HelpMemoFlag = true;
        CreateFile("Fly2/system/default.key", "live keys");
        CreateFile("Fly2/control.txt", "live joystick");
        windows_ = std::make_unique<KestrelWindows>();
    }
    void TearDown() override {
        windows_.reset();
        SettingsTest::TearDown();
    }

    template <typename T> T* Find(const char* name) const {
        T* found = windows_->Main().findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void Click(const char* button) const { Find<QPushButton>(button)->click(); }
    void EnterPage() const { Find<QTabWidget>("TabbedNotebook1")->setCurrentIndex(5); }
    QStringList Listed(const char* list) const {
        QStringList names;
        for (int row = 0; row < Find<QListWidget>(list)->count(); ++row)
            names << Find<QListWidget>(list)->item(row)->text();
        return names;
    }

    std::unique_ptr<KestrelWindows> windows_;
};

TEST_F(ControlFilePageTest, EnteringThePageListsAndSelectsTheFirstSet) {
    CreateFile("Fly2/system/FLYdefault.fky");
    CreateFile("Fly2/system/pilot.fky");
    CreateFile("Fly2/FLYdefault.fcr");
    CreateFile("Fly2/system/stray.fcr");
    EnterPage();
    EXPECT_EQ(Listed("ListBox1"), QStringList({"FLYdefault.fky", "pilot.fky"}));
    EXPECT_EQ(Listed("ListBox2"), QStringList({"FLYdefault.fcr"}));
    EXPECT_EQ(Find<QListWidget>("ListBox1")->currentRow(), 0);
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "FLYdefault.fky");
    EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "FLYdefault.fcr");

    Find<QListWidget>("ListBox1")->setCurrentRow(1);
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "pilot.fky");
}

TEST_F(ControlFilePageTest, UsingASetCopiesItOverTheLiveFile) {
    CreateFile("Fly2/system/pilot.fky", "pilot keys");
    EnterPage();
    Click("Button17");
    EXPECT_EQ(Read("Fly2/system/default.key"), "pilot keys");
    EXPECT_EQ(Read("Fly2/system/pilot.fky"), "pilot keys");

    ASSERT_TRUE(Find<QLineEdit>("Edit2")->text().isEmpty());
    Click("Button24");
    EXPECT_EQ(Read("Fly2/control.txt"), "live joystick");
}

TEST_F(ControlFilePageTest, SavedSetsAreListedAfterTheRefill) {
    CreateFile("Fly2/system/FLYdefault.fky");
    EnterPage();
    ScriptedDialogs dialogs;
    dialogs.AnswerFile(Path("Fly2/system/heli.fky"));
    dialogs.AnswerFile(Path("Fly2/heli.fcr"));
    dialogs.AnswerFile(Path("elsewhere.fky"));
    Click("Button18");
    Click("Button23");
    Click("Button18");
    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[0].text, Path("Fly2/system"));
    EXPECT_EQ(dialogs.shown()[0].caption, "Enregistre un nouveau fichier TOUCHE clavier");
    EXPECT_EQ(dialogs.shown()[0].extra, "fky|*.fky|*.fky");
    EXPECT_EQ(dialogs.shown()[1].text, Path("Fly2/"));
    EXPECT_EQ(dialogs.shown()[1].caption, "Enregistre un nouveau fichier MANETTE de jeux");
    EXPECT_EQ(dialogs.shown()[1].extra, "fcr|*.fcr|*.fcr");
    EXPECT_EQ(AppSettings().FlyFolder, Path("Fly2/"));
    EXPECT_EQ(Read("Fly2/system/heli.fky"), "live keys");
    EXPECT_EQ(Read("Fly2/heli.fcr"), "live joystick");
    EXPECT_EQ(Read("elsewhere.fky"), "live keys");
    EXPECT_EQ(Listed("ListBox1"), QStringList({"FLYdefault.fky", "heli.fky"}));
    EXPECT_EQ(Listed("ListBox2"), QStringList({"heli.fcr"}));
}

// "AIDE" shows the help in the place of the explanation, turning the process-wide help-memo flag, and hides
// it again; the help tells how to use the page with the captions of its own buttons.
TEST_F(ControlFilePageTest, HelpCoversTheExplanationAndNamesThePagesButtons) {
    const ScriptedDialogs dialogs;
    windows_->Main().show();
    EnterPage();
    const auto* help = Find<QPlainTextEdit>("Memo11");
    const auto* explanation = Find<QPlainTextEdit>("Memo10");
    EXPECT_TRUE(help->isHidden());
    Click("Button25");
    ASSERT_TRUE(help->isVisible());
    EXPECT_FALSE(AppSettings().HelpMemoFlag);
    EXPECT_EQ(help->geometry().topLeft(), explanation->geometry().topLeft());
    EXPECT_GE(help->height(), explanation->height());
    const QStringList lines = help->toPlainText().split('\n');
    EXPECT_EQ(lines.first(), QString::fromUtf8("Cliquer sur [AIDE] à nouveau pour fermer cette fenêtre !"));
    EXPECT_TRUE(lines.contains(QString::fromUtf8("   Cliquez sur \"Utilisez la sélection\"")));
    for (const char* button : {"Button17", "Button18", "Button23", "Button24", "Button25"}) {
        const QString caption = Find<QPushButton>(button)->text();
        EXPECT_TRUE(help->toPlainText().contains(caption, Qt::CaseInsensitive)) << caption.toStdString();
    }
    Click("Button25");
    EXPECT_TRUE(help->isHidden());
    EXPECT_TRUE(AppSettings().HelpMemoFlag);
}

} // namespace
