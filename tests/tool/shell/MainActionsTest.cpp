#include "shell/MainActions.h"
#include "ShellFixture.h"
#include "fs/Outcome.h"

#include <QTest>

namespace {

using MainActionsTest = ShellTest;

QStringList Texts(const Outcome& outcome) {
    QStringList texts;
    for (const Outcome::Notice& notice : outcome.notices)
        texts << notice.text;
    return texts;
}

const QString Defective = "Votre systtème Fly! est peut être défectueux. Non trouvé : ";

TEST_F(MainActionsTest, CheckPrefsKeepsTheFirstControlFilesOnce) {
    const QString f = MakeSimulator();
    ASSERT_TRUE(QDir().rename(Path("Fly2/system"), Path("Fly2/System")));
    CreateFile("Fly2/control.txt", "joystick 1");
    CreateFile("Fly2/System/Default.key", "keys 1");
    EXPECT_TRUE(CheckPrefs(f).ok());
    EXPECT_EQ(ReadFile(f + "FLYdefault.fcr"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "control.bup"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "System/FLYdefault.fky"), "keys 1");
    EXPECT_EQ(ReadFile(f + "System/default.bup"), "keys 1");
    EXPECT_EQ(Entries("Fly2").filter("system", Qt::CaseInsensitive), QStringList({"System"}));

    CreateFile("Fly2/control.txt", "joystick 2");
    CreateFile("Fly2/System/Default.key", "keys 2");
    EXPECT_TRUE(CheckPrefs(f).ok());
    EXPECT_EQ(ReadFile(f + "FLYdefault.fcr"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "control.bup"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "System/FLYdefault.fky"), "keys 1");
}

TEST_F(MainActionsTest, CheckPrefsReportsMissingOriginals) {
    const QString f = MakeSimulator();
    const Outcome missing = CheckPrefs(f);
    EXPECT_EQ(Texts(missing),
              QStringList({Defective + f + "control.txt", Defective + f + "system/default.key"}));
    EXPECT_EQ(missing.box(), Outcome::Box::Info);
    EXPECT_FALSE(QFileInfo::exists(f + "control.bup"));
    EXPECT_TRUE(CheckPrefs(Path("gone/")).ok());
}

TEST_F(MainActionsTest, HistoryFilesAreDeletedOnlyWhenAsked) {
    const QString f = MakeSimulator();
    CreateFile("Fly2/Aircraft/a.hst");
    CreateFile("Fly2/Aircraft/B.HST");
    CreateFile("Fly2/Aircraft/keep.nfo");
    CreateFile("Fly2/Aircraft/sub/c.hst");
    Settings settings;
    settings.FlyFolder = f; // no flystart: nothing is started, nothing said
    EXPECT_TRUE(LaunchFlyStart(settings, false).ok());
    EXPECT_EQ(Entries("Fly2/Aircraft"), QStringList({"B.HST", "a.hst", "keep.nfo", "sub"}));
    EXPECT_TRUE(LaunchFlyStart(settings, true).ok());
    EXPECT_EQ(Entries("Fly2/Aircraft"), QStringList({"keep.nfo", "sub"}));
    EXPECT_EQ(Entries("Fly2/Aircraft/sub"), QStringList({"c.hst"}));
}

TEST_F(MainActionsTest, SlicerWorkFoldersAreTriedOneByOne) {
    const QString f = MakeSimulator();
    CreateDir("Fly2/SlicerWork/TGA");
    CreateFile("Fly2/SlicerWork/POD");
    const QString base = f + "SlicerWork/";
    EXPECT_EQ(
        Texts(MakeSlicerWorkFolders(Path("Fly2"))),
        QStringList({"Le répertoire" + base + " existe déja !", "Le répertoire" + base + "TGA existe déja !",
                     "Création impossible " + base + "POD"}));
    EXPECT_EQ(Entries("Fly2/SlicerWork"), QStringList({"POD", "RAS", "SCF Files", "Slicer Files", "TGA"}));
    EXPECT_TRUE(QFileInfo(base + "RAS").isDir());
}

TEST_F(MainActionsTest, SlicerLaunchNeedsAnInputFileAndTheSlicer) {
    const QString f = MakeSimulator();
    AppSettings().FlyFolder = f;
    AppSettings().Fly2SlicePath = f + "Fly2Slice.exe";
    EXPECT_EQ(SlicerInputStart(f), f);
    CreateDir("Fly2/SlicerWork/Slicer Files");
    EXPECT_EQ(SlicerInputStart(f), f + "SlicerWork/Slicer Files");
    const Result<void, Outcome> noInput = LaunchSlicer(AppSettings(), "");
    ASSERT_FALSE(noInput);
    EXPECT_EQ(Texts(noInput.failure()), QStringList({"Aucun fichier sélectionné"}));

    const Result<void, Outcome> missing = LaunchSlicer(AppSettings(), f + "input.txt");
    ASSERT_FALSE(missing);
    EXPECT_EQ(AppSettings().Fly2SlicePath, f + "fly2slice.exe");
    EXPECT_EQ(Texts(missing.failure()),
              QStringList({"fly2slice.exe recherché mais non trouvé >>>" + f + "fly2slice.exe"}));
    EXPECT_EQ(missing.failure().box(), Outcome::Box::Info);

    // A native stand-in for the slicer, started with "-i" and the bare input name in its own folder.
    const QString slicer = CreateFile("Fly2/FLY2SLICE.EXE", "#!/bin/sh\necho \"$1 $2\" > ran.txt\n");
    QFile::setPermissions(slicer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(LaunchSlicer(AppSettings(), f + "SlicerWork/Slicer Files/my cut.txt"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadFile(f + "ran.txt").endsWith('\n'); }, 10000));
    EXPECT_EQ(ReadFile(f + "ran.txt"), "-i my cut.txt\n");
}

} // namespace
