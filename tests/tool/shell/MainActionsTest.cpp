#include "shell/MainActions.h"
#include "ScriptedDialogs.h"
#include "ShellFixture.h"
#include "shell/PathCheck.h"

#include <QTest>

namespace {

using MainActionsTest = ShellTest;
using Kind = ScriptedDialogs::Kind;

const QString Defective = "Votre systtème Fly! est peut être défectueux. Non trouvé : ";

TEST_F(MainActionsTest, CheckPrefsKeepsTheFirstControlFilesOnce) {
    ScriptedDialogs dialogs;
    const QString f = MakeSimulator();
    ASSERT_TRUE(QDir().rename(Path("Fly2/system"), Path("Fly2/System")));
    CreateFile("Fly2/control.txt", "joystick 1");
    CreateFile("Fly2/System/Default.key", "keys 1");
    AppSettings().FlyFolder = f;
    CheckPrefs();
    EXPECT_EQ(ReadFile(f + "FLYdefault.fcr"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "control.bup"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "System/FLYdefault.fky"), "keys 1");
    EXPECT_EQ(ReadFile(f + "System/default.bup"), "keys 1");
    EXPECT_EQ(Entries("Fly2").filter("system", Qt::CaseInsensitive), QStringList({"System"}));

    CreateFile("Fly2/control.txt", "joystick 2");
    CreateFile("Fly2/System/Default.key", "keys 2");
    CheckPrefs();
    EXPECT_EQ(ReadFile(f + "FLYdefault.fcr"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "control.bup"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "System/FLYdefault.fky"), "keys 1");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MainActionsTest, CheckPrefsReportsMissingOriginals) {
    ScriptedDialogs dialogs;
    const QString f = MakeSimulator();
    AppSettings().FlyFolder = f;
    CheckPrefs();
    EXPECT_EQ(dialogs.Texts(),
              QStringList({Defective + f + "control.txt", Defective + f + "system/default.key"}));
    EXPECT_FALSE(QFileInfo::exists(f + "control.bup"));
    AppSettings().FlyFolder = Path("gone/");
    dialogs.Clear();
    CheckPrefs();
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MainActionsTest, HistoryFilesAreDeletedOnlyWhenAsked) {
    ScriptedDialogs dialogs;
    const QString f = MakeSimulator();
    CreateFile("Fly2/Aircraft/a.hst");
    CreateFile("Fly2/Aircraft/B.HST");
    CreateFile("Fly2/Aircraft/keep.nfo");
    CreateFile("Fly2/Aircraft/sub/c.hst");
    AppSettings().FlyFolder = f;
    AppSettings().FlyStartPath = ""; // flystart missing: nothing is started, nothing said
    LaunchFlyStart(false);
    EXPECT_EQ(Entries("Fly2/Aircraft"), QStringList({"B.HST", "a.hst", "keep.nfo", "sub"}));
    LaunchFlyStart(true);
    EXPECT_EQ(Entries("Fly2/Aircraft"), QStringList({"keep.nfo", "sub"}));
    EXPECT_EQ(Entries("Fly2/Aircraft/sub"), QStringList({"c.hst"}));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MainActionsTest, SlicerWorkFoldersAreTriedOneByOne) {
    ScriptedDialogs dialogs;
    const QString f = MakeSimulator();
    AppSettings().FlyFolder = f;
    CreateDir("Fly2/SlicerWork/TGA");
    CreateFile("Fly2/SlicerWork/POD");
    dialogs.AnswerFolder(Path("Fly2"));
    MakeSlicerWorkFolders();
    const QString base = f + "SlicerWork/";
    EXPECT_EQ(dialogs.shown()[1].kind, Kind::SelectFolder);
    EXPECT_EQ(dialogs.shown()[1].text, f);
    EXPECT_EQ(
        dialogs.Texts(),
        QStringList({"Veuillez sélectionner le répertoire de base ou seront créés les nouveaux fichiers!",
                     "Le répertoire" + base + " existe déja !", "Le répertoire" + base + "TGA existe déja !",
                     "Création impossible " + base + "POD"}));
    EXPECT_EQ(Entries("Fly2/SlicerWork"), QStringList({"POD", "RAS", "SCF Files", "Slicer Files", "TGA"}));
    EXPECT_TRUE(QFileInfo(base + "RAS").isDir());

    dialogs.Clear();
    dialogs.AnswerFolder("");
    MakeSlicerWorkFolders();
    EXPECT_EQ(dialogs.Texts().size(), 1);
}

TEST_F(MainActionsTest, SlicerLaunchNeedsAnInputFileAndTheSlicer) {
    ScriptedDialogs dialogs;
    const QString f = MakeSimulator();
    CreateDir("Fly2/SlicerWork/Slicer Files");
    AppSettings().FlyFolder = f;
    AppSettings().Fly2SlicePath = f + "Fly2Slice.exe";
    dialogs.AnswerFile("");
    EXPECT_FALSE(LaunchSlicer());
    EXPECT_EQ(dialogs.shown()[0].text, f + "SlicerWork/Slicer Files");
    EXPECT_EQ(dialogs.shown()[0].caption, "Select FLY2SLICE-InputFile");
    EXPECT_EQ(dialogs.shown()[0].extra, "TXT|Slicer Inputfile (*.txt)|*.TXT");
    EXPECT_EQ(dialogs.Texts(), QStringList({"Aucun fichier sélectionné"}));

    dialogs.Clear();
    dialogs.AnswerFile(f + "input.txt");
    EXPECT_FALSE(LaunchSlicer());
    EXPECT_EQ(AppSettings().Fly2SlicePath, f + "fly2slice.exe");
    EXPECT_EQ(dialogs.Texts(),
              QStringList({"fly2slice.exe recherché mais non trouvé >>>" + f + "fly2slice.exe"}));

    // A native stand-in for the slicer, started with "-i" and the bare input name in its own folder.
    const QString slicer = CreateFile("Fly2/FLY2SLICE.EXE", "#!/bin/sh\necho \"$1 $2\" > ran.txt\n");
    QFile::setPermissions(slicer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    dialogs.Clear();
    dialogs.AnswerFile(f + "SlicerWork/Slicer Files/my cut.txt");
    ASSERT_TRUE(LaunchSlicer());
    EXPECT_TRUE(dialogs.Texts().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadFile(f + "ran.txt").endsWith('\n'); }, 10000));
    EXPECT_EQ(ReadFile(f + "ran.txt"), "-i my cut.txt\n");
}

} // namespace
