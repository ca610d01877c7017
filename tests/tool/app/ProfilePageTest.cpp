// Page 3 of the main window: profiles and the DLL folder backup.
#include "Mkfly2.h"
#include "ScriptedDialogs.h"
#include "SettingsTest.h"

#include "activation/ui/TF_checkdlls.h"
#include "activation/ui/TF_checkpy.h"
#include "app/KestrelWindows.h"
#include "app/TF_main.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

const QString loadError = QStringLiteral("Impossible de charger le profil! Raison inconnue.");

class ProfilePageTest : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        AppSettings().FlyFolder = Path("Fly2/");
        AppSettings().DLLPath = Path("Fly2/modules/pc");
        AppSettings().PythonPath = Path("Fly2/modules/scripts/global");
        AppSettings().DLLFolderHolder = Path("Fly2/modules/");
        windows_ = std::make_unique<KestrelWindows>();
    }
    void TearDown() override {
        windows_.reset();
        SettingsTest::TearDown();
    }

    void Click(const char* button) const { windows_->Main().findChild<QPushButton*>(button)->click(); }

    void WriteProfile(const QStringList& lines) const {
        CreateFile("p.f2p", lines.join("\r\n").toUtf8() + "\r\n");
    }

    std::unique_ptr<KestrelWindows> windows_;
};

TEST_F(ProfilePageTest, SavingIntoAnotherFolderLeavesTheFlyFolder) {
    CreateFile("Fly2/modules/pc/a.dll");
    CreateFile("Fly2/modules/pc/b.dll");
    CreateFile("Fly2/modules/pc/c.dll.notused");
    CreateFile("Fly2/modules/scripts/global/s.py");
    ScriptedDialogs dialogs;
    dialogs.AnswerFile(Path("profiles/p.f2p"));
    ASSERT_TRUE(QDir().mkpath(Path("profiles")));
    const QString field = windows_->Main().findChild<QLineEdit*>("Edit3")->text();
    Click("Button2");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, Path("Fly2/"));
    EXPECT_EQ(dialogs.shown()[0].caption, "Enregistre le status des DL et PY");
    EXPECT_EQ(dialogs.shown()[0].extra, "f2p|*.f2p|*.f2p");
    EXPECT_EQ(AppSettings().FlyFolder, Path("Fly2/"));
    EXPECT_EQ(windows_->Main().findChild<QLineEdit*>("Edit3")->text(), field);
    EXPECT_EQ(Read("profiles/p.f2p").count("\r\n"), 8);

    dialogs.AnswerFile(QString());
    Click("Button2");
    EXPECT_TRUE(dialogs.Texts().isEmpty());
}

TEST_F(ProfilePageTest, ViewingFillsBothWindowsWithoutRenaming) {
    CreateFile("Fly2/modules/pc/a.dll");
    CreateFile("Fly2/modules/pc/b.dll");
    CreateFile("Fly2/modules/scripts/global/s.py");
    const QString pc = Path("Fly2/modules/pc/");
    WriteProfile({"<DLL>", pc + "b.dll", pc + "a.dll.notused", "</DLL>", "<PY>",
                  Path("Fly2/modules/scripts/global/s.py.notused"), "</PY>"});
    TF_checkdlls& dlls = windows_->CheckDlls();
    dlls.show();
    ASSERT_EQ(dlls.Entries().size(), 2);
    ScriptedDialogs dialogs;
    dialogs.AnswerFile(Path("p.f2p"));
    Click("Button10");
    EXPECT_EQ(dialogs.shown().at(0).caption, "Charge le status des DL et PY");
    EXPECT_EQ(dialogs.shown().at(0).extra, "f2p|*.f2p |*.f2p");
    EXPECT_TRUE(dialogs.Texts().isEmpty());
    EXPECT_TRUE(dlls.isVisible());
    EXPECT_EQ(dlls.Entries(), ActivationEntries({{"a.dll.notused", false}, {"b.dll", true}}));
    EXPECT_EQ(dlls.FolderLabel(), pc);
    EXPECT_TRUE(windows_->CheckPy().isVisible());
    EXPECT_EQ(windows_->CheckPy().Entries(), ActivationEntries({{"s.py.notused", false}}));
    EXPECT_EQ(FilesBelow("Fly2/modules"), QStringList({"pc/a.dll", "pc/b.dll", "scripts/global/s.py"}));
}

TEST_F(ProfilePageTest, EmptyDllSectionLoadsOnlyScripts) {
    CreateFile("Fly2/modules/pc/a.dll");
    CreateFile("Fly2/modules/pc/b.dll");
    WriteProfile({"<DLL>", "</DLL>", "<PY>", Path("Fly2/modules/scripts/global/s.py"), "</PY>"});
    ScriptedDialogs dialogs;
    dialogs.AnswerFile(Path("p.f2p"));
    Click("Button10");
    EXPECT_TRUE(windows_->CheckDlls().isVisible());
    EXPECT_TRUE(windows_->CheckDlls().Entries().isEmpty());
    EXPECT_EQ(windows_->CheckPy().Entries(), ActivationEntries({{"s.py", true}}));
}

TEST_F(ProfilePageTest, ApplyingRenamesToTheRecordedStates) {
    CreateFile("Fly2/modules/pc/a.dll");
    CreateFile("Fly2/modules/pc/b.dll.notused");
    CreateFile("Fly2/modules/pc/new.dll");
    CreateFile("Fly2/modules/scripts/global/s.pyc");
    const QString pc = Path("Fly2/modules/pc/");
    WriteProfile({"<DLL>", pc + "b.dll", pc + "gone.dll", pc + "a.dll.notused", "</DLL>", "<PY>",
                  Path("Fly2/modules/scripts/global/s.pyc.notused"), "</PY>"});
    ScriptedDialogs dialogs;
    dialogs.AnswerFile(Path("p.f2p"));
    Click("Button12");
    EXPECT_TRUE(dialogs.Texts().isEmpty());
    EXPECT_FALSE(windows_->CheckDlls().isVisible());
    EXPECT_FALSE(windows_->CheckPy().isVisible());
    EXPECT_EQ(FilesBelow("Fly2/modules"),
              QStringList({"pc/a.dll.notused", "pc/b.dll", "pc/new.dll", "scripts/global/s.pyc.notused"}));
}

// Everything switched off by hand comes back with the profile saved before.
TEST_F(ProfilePageTest, ProfileRestoresAGeneratedInstallation) {
    ASSERT_TRUE(MakeFly2Installation(Path("Fly2")));
    const QStringList before = FilesBelow("Fly2/modules");
    ScriptedDialogs dialogs;
    dialogs.AnswerFile(Path("p.f2p"));
    Click("Button2");
    for (ActivationWindow* window : {static_cast<ActivationWindow*>(&windows_->CheckDlls()),
                                     static_cast<ActivationWindow*>(&windows_->CheckPy())}) {
        window->show();
        window->Button4Click();
        window->Button1Click();
    }
    EXPECT_EQ(FilesBelow("Fly2/modules").filter(QRegularExpression("\\.(dll|pyc?)$")), QStringList());
    dialogs.AnswerFile(Path("p.f2p"));
    Click("Button12");
    EXPECT_EQ(FilesBelow("Fly2/modules"), before);
}

// A profile from another installation names other folders: applying it renames nothing there.
TEST_F(ProfilePageTest, ApplyingAForeignProfileTouchesNothingOutside) {
    CreateFile("Fly2/modules/pc/a.dll");
    CreateFile("Other/modules/pc/a.dll");
    WriteProfile({"<DLL>", Path("Other/modules/pc/a.dll.notused"), "</DLL>", "<PY>", "C:\\Fly2\\s.py.notused",
                  "</PY>"});
    ScriptedDialogs dialogs;
    dialogs.AnswerFile(Path("p.f2p"));
    Click("Button12");
    EXPECT_EQ(FilesBelow(""), QStringList({"Fly2/modules/pc/a.dll", "Other/modules/pc/a.dll", "p.f2p"}));
}

TEST_F(ProfilePageTest, UnreadableProfileRaisesTheError) {
    CreateFile("Fly2/modules/pc/a.dll");
    WriteProfile({"<DLL>", Path("Fly2/modules/pc/a.dll.notused")});
    ScriptedDialogs dialogs;
    dialogs.AnswerFile(Path("p.f2p"));
    dialogs.AnswerFile(QString());
    dialogs.AnswerFile(Path("missing.f2p"));
    Click("Button12");
    Click("Button10");
    Click("Button10");
    EXPECT_EQ(dialogs.Texts(), QStringList({loadError, loadError, loadError}));
    for (const ScriptedDialogs::Shown& shown : dialogs.shown())
        EXPECT_TRUE(shown.kind == ScriptedDialogs::Kind::Error ||
                    shown.kind == ScriptedDialogs::Kind::PickFile);
    EXPECT_FALSE(windows_->CheckDlls().isVisible());
    EXPECT_EQ(FilesBelow("Fly2"), QStringList({"modules/pc/a.dll"}));
}

TEST_F(ProfilePageTest, BackupTwiceOverwritesItsCopies) {
    CreateFile("Fly2/modules/pc/a.dll", "first");
    CreateFile("Fly2/modules/pc/b.dll.notused");
    ScriptedDialogs dialogs;
    Click("Button11");
    CreateFile("Fly2/modules/pc/a.dll", "second");
    Click("Button11");
    EXPECT_EQ(Read("Fly2/modules/pc-save/a.dll"), "second");
    EXPECT_EQ(FilesBelow("Fly2/modules/pc-save"), QStringList({"a.dll", "b.dll.notused"}));
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].kind, ScriptedDialogs::Kind::Message);
    EXPECT_EQ(dialogs.shown()[1].text, QString::fromUtf8("Sauvegarde répertoire DLL terminé"));
    EXPECT_EQ(dialogs.shown()[1].caption, "REPERTOIRE: [pc] VERS REPERTOIRE [pc-save] SAUVEGARDE");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A copy that fails is named, and the backup doesn't say it is done.
TEST_F(ProfilePageTest, ABackupCopyThatFailsIsNamed) {
    CreateFile("Fly2/modules/pc/a.dll", "first");
    CreateFile("Fly2/modules/pc/b.dll", "second");
    CreateDir("Fly2/modules/pc-save/b.dll");
    ScriptedDialogs dialogs;
    Click("Button11");
    EXPECT_EQ(dialogs.Texts(), QStringList{QString::fromUtf8("Ces fichiers n'ont pas été changés :\n\n") +
                                           Path("Fly2/modules/pc-save/b.dll") + "\nRaison : Is a directory"});
    EXPECT_EQ(Read("Fly2/modules/pc-save/a.dll"), "first");
}

TEST_F(ProfilePageTest, BackupErrorsGoToTheErrorBox) {
    ScriptedDialogs dialogs;
    Click("Button11");
    CreateFile("Fly2/modules/pc/a.dll");
    CreateFile("Fly2/modules/pc-save", "a file in the way");
    Click("Button11");
    AppSettings().DLLFolderHolder.clear();
    Click("Button11");
    EXPECT_EQ(
        dialogs.Texts(),
        QStringList({QString::fromUtf8("Impossible de sauvegarder DLL [pc] - Répertoire inexistant"),
                     QString::fromUtf8("Impossible de créer Backup"),
                     QString::fromUtf8(
                         "Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe requis!")}));
    EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::Error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
