// The main window: start-up state, the 21 work buttons, page arrows, "Initialise Kestrel", the start
// argument and the preferences file written (or not) when the tool ends.
#include "EnglishInterface.h"
#include "FlyFolderFixture.h"
#include "ModalSteps.h"
#include "ScriptedDialogs.h"

#include "app/KestrelWindows.h"
#include "app/TF_main.h"
#include "install/ui/TF_AutoInstall.h"
#include "shell/Preferences.h"
#include "shell/ui/TOptionsForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

const QString Caption = QString::fromUtf8("Optimise les performances de votre Fly!2 !");

class MainWindowTest : public ::testing::Test {
  protected:
    // Reads the preferences of the fixture's tool folder as at start-up, creates the windows and shows
    // the main window.
    void Start(const QString& startArgument = QString()) {
        StartUpSettings(fly.Path("tool"), startArgument);
        windows = std::make_unique<KestrelWindows>();
        windows->Main().show();
    }
    TF_main& Main() { return windows->Main(); }
    QAbstractButton* ButtonOf(const QString& name) { return Main().findChild<QAbstractButton*>(name); }
    int Page() { return Main().findChild<QTabWidget*>("TabbedNotebook1")->currentIndex(); }
    QString Edit3() { return Main().findChild<QLineEdit*>("Edit3")->text(); }
    // The work buttons that are enabled.
    QStringList EnabledWorkButtons() {
        QStringList enabled;
        for (const QString& name : TF_main::WorkButtons())
            if (ButtonOf(name)->isEnabled())
                enabled << name;
        return enabled;
    }
    void ExpectAlwaysUsable() {
        for (const char* name : {"Button1", "Button7", "Button25", "BBAllgStatL", "BBAllgStatR"})
            EXPECT_TRUE(ButtonOf(name)->isEnabled()) << name;
        EXPECT_TRUE(Main().findChild<QCheckBox*>("CheckBox1")->isEnabled());
    }

    FlyFolderFixture fly;
    ScriptedDialogs dialogs;
    std::unique_ptr<KestrelWindows> windows;
};

TEST_F(MainWindowTest, ValidPathsEnableTheWorkButtonsAndShowTheFolder) {
    fly.WriteShortPreferences(fly.FlyExe());
    Start();
    EXPECT_EQ(EnabledWorkButtons(), TF_main::WorkButtons());
    EXPECT_EQ(TF_main::WorkButtons().size(), 22);
    ExpectAlwaysUsable();
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(Edit3(), fly.FlyFolder());
    EXPECT_EQ(Main().windowTitle(), Caption + " >>> " + fly.FlyFolder());
    // First run: the simulator's control files are kept once as the defaults.
    EXPECT_EQ(fly.Read("Fly2/FLYdefault.fcr"), "joystick\r\n");
    EXPECT_EQ(fly.Read("Fly2/system/FLYdefault.fky"), "keys\r\n");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(Main().findChild<QCheckBox*>("CheckBox2")->isChecked());
    EXPECT_TRUE(Main().findChild<QCheckBox*>("CheckBox1")->isChecked());
}

TEST_F(MainWindowTest, AMissingControlFileIsToldAtStart) {
    QFile::remove(fly.Path("Fly2/control.txt"));
    fly.WriteShortPreferences(fly.FlyExe());
    Start();
    EXPECT_EQ(dialogs.Texts(), QStringList({QString::fromUtf8("Votre systtème Fly! est peut être défectueux. "
                                                              "Non trouvé : ") +
                                            fly.FlyFolder() + "control.txt"}));
    EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::Message);
    EXPECT_EQ(fly.Read("Fly2/system/FLYdefault.fky"), "keys\r\n");
}

TEST_F(MainWindowTest, InvalidPathsDisableTheWorkButtonsQuietly) {
    QDir(fly.Path("Fly2/modules/pc")).removeRecursively();
    fly.WriteShortPreferences(fly.FlyExe());
    Start();
    EXPECT_TRUE(EnabledWorkButtons().isEmpty());
    ExpectAlwaysUsable();
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(Edit3(), "");
    EXPECT_EQ(Main().windowTitle(), Caption);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(QDir(fly.Path("Fly2/modules/pc")).exists());
}

TEST_F(MainWindowTest, MissingPreferencesFileOpensPageInitWithTheButtonsDisabled) {
    Start();
    EXPECT_TRUE(AppSettings().FlyExePath.isEmpty());
    EXPECT_TRUE(EnabledWorkButtons().isEmpty());
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(Main().windowTitle(), Caption);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MainWindowTest, ArrowsWrapAroundBothWays) {
    Start();
    ButtonOf("BBAllgStatL")->click(); // from page 1
    EXPECT_EQ(Page(), 0);
    ButtonOf("BBAllgStatL")->click();
    EXPECT_EQ(Page(), 7);
    ButtonOf("BBAllgStatR")->click();
    EXPECT_EQ(Page(), 0);
    ButtonOf("BBAllgStatR")->click();
    EXPECT_EQ(Page(), 1);
}

TEST_F(MainWindowTest, InitialiseKestrelWithCancelChangesNothing) {
    QDir(fly.Path("Fly2/modules/pc")).removeRecursively();
    fly.WriteShortPreferences(fly.FlyExe());
    Start();
    dialogs.AnswerNo(); // the path window asks to create modules/pc
    RunModal(windows->Options(), [this] { ButtonOf("Button7")->click(); },
             [this] { Click(windows->Options(), "BtnCancel"); });
    EXPECT_EQ(windows->Options().result(), QDialog::Rejected);
    EXPECT_TRUE(EnabledWorkButtons().isEmpty());
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(Main().windowTitle(), Caption);
    EXPECT_TRUE(AppSettings().DLLPath.isEmpty());
}

TEST_F(MainWindowTest, InitialiseKestrelWithOkEnablesTheButtonsWithoutTheCaptionSuffix) {
    QDir(fly.Path("Fly2/modules/pc")).removeRecursively();
    fly.WriteShortPreferences(fly.FlyExe());
    Start();
    dialogs.AnswerYes(); // create modules/pc
    RunModal(windows->Options(), [this] { ButtonOf("Button7")->click(); },
             [this] { Click(windows->Options(), "BtnOK"); });
    EXPECT_EQ(windows->Options().result(), QDialog::Accepted);
    EXPECT_EQ(EnabledWorkButtons(), TF_main::WorkButtons());
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(Edit3(), fly.FlyFolder());
    EXPECT_EQ(Main().windowTitle(), Caption);
    EXPECT_EQ(AppSettings().DLLPath, fly.FlyFolder() + "modules/pc");
    EXPECT_TRUE(QDir(fly.Path("Fly2/modules/pc")).exists());
}

// The installer opens only after the main window has appeared, and takes the folder or archive in a later
// turn still.
TEST_F(MainWindowTest, StartArgumentOpensTheInstallerWhenPathsAreValid) {
    fly.WriteShortPreferences(fly.FlyExe());
    for (const QString& source : {fly.CreateDir("addon"), fly.CreateFile("Addon.7Z")}) {
        SCOPED_TRACE(source.toStdString());
        Start(source);
        TF_AutoInstall& installer = windows->AutoInstall();
        EXPECT_EQ(Page(), 7);
        EXPECT_FALSE(installer.isVisible());
        QCoreApplication::sendPostedEvents(&Main());
        EXPECT_TRUE(installer.isVisible());
        EXPECT_TRUE(installer.SourceFolder().isEmpty());
        QCoreApplication::sendPostedEvents(&installer);
        EXPECT_EQ(installer.SourceFolder(), source);
        windows.reset();
    }
}

TEST_F(MainWindowTest, StartArgumentIsIgnoredWithInvalidPathsOrWhenNoFolderOrArchive) {
    QDir().mkpath(fly.Path("addon"));
    Start(fly.Path("addon")); // no preferences: paths not valid
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Page(), 1);
    EXPECT_FALSE(windows->AutoInstall().isVisible());
    windows.reset();

    fly.WriteShortPreferences(fly.FlyExe());
    for (const QString& ignored : {fly.Path("gone"), fly.Path("gone.zip"), fly.CreateFile("notes.txt")}) {
        SCOPED_TRACE(ignored.toStdString());
        Start(ignored);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(Page(), 0);
        EXPECT_FALSE(windows->AutoInstall().isVisible());
        EXPECT_TRUE(windows->AutoInstall().SourceFolder().isEmpty());
        windows.reset();
    }
}

TEST_F(MainWindowTest, ClosingWritesTheFifteenLinesOfThePreferencesFile) {
    fly.WriteShortPreferences(fly.FlyExe());
    Start();
    QSignalSpy ended(&Main(), &TF_main::EndTool);
    ButtonOf("Button1")->click();
    EXPECT_FALSE(Main().isVisible());
    EXPECT_EQ(ended.count(), 1);
    const QList<QByteArray> lines = fly.Read("tool/FlyKestrel.prf").split('\n');
    ASSERT_EQ(lines.size(), 16); // 15 lines, each ended by CR LF
    EXPECT_EQ(lines[0], "<FlyKestrel 1.7>\r");
    EXPECT_EQ(lines[6], fly.FlyExe().toUtf8() + "\r");
    EXPECT_EQ(lines[9], fly.FlyFolder().toUtf8() + "modules/\r"); // DLLFolderHolder from the path check
    EXPECT_EQ(lines[1], "\r");                                    // DLLPath only changes on OK
    EXPECT_EQ(lines[15], "");
}

TEST_F(MainWindowTest, LaunchAndCloseLeavesThePreferencesFileAsItWas) {
    fly.WriteShortPreferences(fly.FlyExe());
    const QByteArray before = fly.Read("tool/FlyKestrel.prf");
    Start();
    ASSERT_TRUE(AppSettings().FlyStartPath.isEmpty()); // no flystart.exe: nothing is started
    QSignalSpy ended(&Main(), &TF_main::EndTool);
    ButtonOf("Button9")->click();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(fly.Read("tool/FlyKestrel.prf"), before);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MainWindowTest, APreferencesFileThatCantBeWrittenIsToldAndTheToolEnds) {
    fly.CreateFile("tool/FlyKestrel.prf/in the way");
    Start();
    QSignalSpy ended(&Main(), &TF_main::EndTool);
    ButtonOf("Button1")->click();
    EXPECT_FALSE(Main().isVisible());
    EXPECT_EQ(ended.count(), 1);
    ASSERT_EQ(dialogs.Texts().size(), 1);
    EXPECT_TRUE(dialogs.Texts()[0].startsWith(QString::fromUtf8("Ces fichiers n'ont pas été changés :\n\n") +
                                              fly.PreferencesFile()))
        << dialogs.Texts()[0].toStdString();
    EXPECT_EQ(fly.FilesBelow("tool"), QStringList{"FlyKestrel.prf/in the way"});
}

// English chosen at the last start: the main window speaks English, and the preferences file, which other
// copies of the tool read, is written exactly as in French.
TEST_F(MainWindowTest, EnglishChoiceShowsEnglishAndLeavesThePreferencesFileAsInFrench) {
    fly.WriteShortPreferences(fly.FlyExe());
    Start();
    ButtonOf("Button1")->click();
    const QByteArray french = fly.Read("tool/FlyKestrel.prf");

    const EnglishInterface english(fly.Path("config"));
    Start();
    EXPECT_EQ(Main().windowTitle(), "Optimise the performance of your Fly!2! >>> " + fly.FlyFolder());
    EXPECT_EQ(Main().findChild<QTabWidget*>("TabbedNotebook1")->tabText(0), "Main");
    EXPECT_EQ(ButtonOf("Button8")->text(), "Start FLY! 2");
    EXPECT_EQ(Main().findChild<QCheckBox*>("CheckBox1")->text(),
              "Start the program below AND CLOSE FlyKestrel");
    EXPECT_EQ(ButtonOf("Button1")->text(), "QUIT");
    ButtonOf("Button1")->click();
    EXPECT_EQ(fly.Read("tool/FlyKestrel.prf"), french);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MainWindowTest, LaunchWithoutCloseKeepsTheToolAndDeletesHstFilesWhenAsked) {
    fly.WriteShortPreferences(fly.FlyExe());
    fly.CreateFile("Fly2/aircraft/a.hst", "h");
    fly.CreateFile("Fly2/aircraft/b.HST", "h");
    Start();
    Main().findChild<QCheckBox*>("CheckBox1")->setChecked(false);
    Main().findChild<QCheckBox*>("CheckBox2")->setChecked(true);
    QSignalSpy ended(&Main(), &TF_main::EndTool);
    ButtonOf("Button9")->click();
    EXPECT_EQ(ended.count(), 0);
    EXPECT_TRUE(QDir(fly.Path("Fly2/aircraft")).entryList(QDir::Files).isEmpty());
}

TEST_F(MainWindowTest, SlicerButtonsAskForTheirFileAndFolderFirst) {
    fly.WriteShortPreferences(fly.FlyExe());
    Start();
    const QString f = fly.FlyFolder();
    fly.CreateDir("Fly2/SlicerWork/Slicer Files");
    dialogs.Clear();
    dialogs.AnswerFile("");
    ButtonOf("Button14")->click();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::PickFile);
    EXPECT_EQ(dialogs.shown()[0].text, f + "SlicerWork/Slicer Files");
    EXPECT_EQ(dialogs.shown()[0].caption, "Select FLY2SLICE-InputFile");
    EXPECT_EQ(dialogs.shown()[0].extra, "TXT|Slicer Inputfile (*.txt)|*.TXT");
    EXPECT_EQ(dialogs.Texts(), QStringList({QString::fromUtf8("Aucun fichier sélectionné")}));

    // A file in the way of a folder: that folder can't be made, and the others are.
    fly.CreateFile("Fly2/SlicerWork/POD");
    dialogs.Clear();
    dialogs.AnswerFolder(fly.Path("Fly2"));
    ButtonOf("Button16")->click();
    EXPECT_EQ(dialogs.shown()[1].kind, ScriptedDialogs::Kind::SelectFolder);
    EXPECT_EQ(dialogs.shown()[1].text, f);
    EXPECT_EQ(
        dialogs.Texts(),
        QStringList(
            {QString::fromUtf8(
                 "Veuillez sélectionner le répertoire de base ou seront créés les nouveaux fichiers!"),
             QString::fromUtf8("Le répertoire") + f + "SlicerWork/" + QString::fromUtf8(" existe déja !"),
             QString::fromUtf8("Le répertoire") + f + "SlicerWork/Slicer Files" +
                 QString::fromUtf8(" existe déja !"),
             QString::fromUtf8("Création impossible ") + f + "SlicerWork/POD"}));
    EXPECT_TRUE(QFileInfo(f + "SlicerWork/RAS").isDir());
    dialogs.Clear();
    dialogs.AnswerFolder("");
    ButtonOf("Button16")->click();
    EXPECT_EQ(dialogs.Texts().size(), 1);
}

} // namespace
