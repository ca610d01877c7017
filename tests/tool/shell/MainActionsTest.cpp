#include "shell/MainActions.h"
#include "ShellFixture.h"
#include "shell/SlicerLaunch.h"

#include <QTest>

namespace {

using MainActionsTest = ShellTest;

// The paths of the failures, marked "!" when folderNotMade.
QStringList Paths(const Tally& tally) {
    QStringList paths;
    for (const Failure& failure : tally.failed)
        paths << (failure.folderNotMade ? "!" : "") + failure.path;
    return paths;
}

TEST_F(MainActionsTest, CheckPrefsKeepsTheFirstControlFilesOnce) {
    const QString f = MakeSimulator();
    ASSERT_TRUE(QDir().rename(Path("Fly2/system"), Path("Fly2/System")));
    CreateFile("Fly2/control.txt", "joystick 1");
    CreateFile("Fly2/System/Default.key", "keys 1");
    const Tally kept = CheckPrefs(f);
    EXPECT_EQ(kept.made, 2);
    EXPECT_TRUE(kept.failed.isEmpty());
    EXPECT_EQ(ReadFile(f + "FLYdefault.fcr"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "control.bup"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "System/FLYdefault.fky"), "keys 1");
    EXPECT_EQ(ReadFile(f + "System/default.bup"), "keys 1");
    EXPECT_EQ(Entries("Fly2").filter("system", Qt::CaseInsensitive), QStringList({"System"}));

    CreateFile("Fly2/control.txt", "joystick 2");
    CreateFile("Fly2/System/Default.key", "keys 2");
    const Tally again = CheckPrefs(f);
    EXPECT_EQ(again.made, 0);
    EXPECT_TRUE(again.failed.isEmpty());
    EXPECT_EQ(ReadFile(f + "FLYdefault.fcr"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "control.bup"), "joystick 1");
    EXPECT_EQ(ReadFile(f + "System/FLYdefault.fky"), "keys 1");
}

TEST_F(MainActionsTest, CheckPrefsReportsMissingOriginals) {
    const QString f = MakeSimulator();
    const Tally missing = CheckPrefs(f);
    EXPECT_EQ(Paths(missing), QStringList({f + "control.txt", f + "system/default.key"}));
    EXPECT_EQ(missing.made, 0);
    EXPECT_FALSE(QFileInfo::exists(f + "control.bup"));
    EXPECT_TRUE(CheckPrefs(Path("gone/")).failed.isEmpty());
}

TEST_F(MainActionsTest, HistoryFilesAreDeletedOnlyWhenAsked) {
    const QString f = MakeSimulator();
    CreateFile("Fly2/Aircraft/a.hst");
    CreateFile("Fly2/Aircraft/B.HST");
    CreateFile("Fly2/Aircraft/keep.nfo");
    CreateFile("Fly2/Aircraft/sub/c.hst");
    Settings settings;
    settings.FlyFolder = f; // no flystart: nothing is started, nothing said
    EXPECT_TRUE(LaunchFlyStart(settings, false));
    EXPECT_EQ(Entries("Fly2/Aircraft"), QStringList({"B.HST", "a.hst", "keep.nfo", "sub"}));
    EXPECT_TRUE(LaunchFlyStart(settings, true));
    EXPECT_EQ(Entries("Fly2/Aircraft"), QStringList({"keep.nfo", "sub"}));
    EXPECT_EQ(Entries("Fly2/Aircraft/sub"), QStringList({"c.hst"}));
}

TEST_F(MainActionsTest, SlicerWorkFoldersAreTriedOneByOne) {
    const QString f = MakeSimulator();
    CreateDir("Fly2/SlicerWork/TGA");
    CreateFile("Fly2/SlicerWork/POD");
    const QString base = f + "SlicerWork/";
    const Tally made = MakeSlicerWorkFolders(Path("Fly2"));
    EXPECT_EQ(Paths(made), QStringList({base, base + "TGA", "!" + base + "POD"}));
    EXPECT_EQ(made.made, 3);
    EXPECT_EQ(Entries("Fly2/SlicerWork"), QStringList({"POD", "RAS", "SCF Files", "Slicer Files", "TGA"}));
    EXPECT_TRUE(QFileInfo(base + "RAS").isDir());
}

TEST_F(MainActionsTest, SlicerLaunchNeedsTheSlicer) {
    const QString f = MakeSimulator();
    AppSettings().FlyFolder = f;
    AppSettings().Fly2SlicePath = f + "Fly2Slice.exe";
    EXPECT_EQ(SlicerInputStart(f), f);
    CreateDir("Fly2/SlicerWork/Slicer Files");
    EXPECT_EQ(SlicerInputStart(f), f + "SlicerWork/Slicer Files");
    const Result<QString> missing = Fly2SliceToStart(AppSettings());
    ASSERT_FALSE(missing);
    EXPECT_EQ(AppSettings().Fly2SlicePath, f + "fly2slice.exe");
    EXPECT_EQ(missing.failure().path, f + "fly2slice.exe");
    EXPECT_EQ(SlicerMissingText(missing.failure()),
              "fly2slice.exe recherché mais non trouvé >>>" + f + "fly2slice.exe");

    // A native stand-in for the slicer, started with "-i" and the parameter in its own folder. Where the
    // setting names none, the one beside the simulator is taken for the next try.
    const QString slicer = CreateFile("Fly2/FLY2SLICE.EXE", "#!/bin/sh\necho \"$1 $2\" > ran.txt\n");
    QFile::setPermissions(slicer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    AppSettings().Fly2SlicePath = Path("gone/Fly2Slice.exe");
    EXPECT_EQ(Fly2SliceToStart(AppSettings()).value_or("<failed>"), "");
    EXPECT_EQ(AppSettings().Fly2SlicePath, f + "fly2slice.exe");
    const Result<QString> found = Fly2SliceToStart(AppSettings());
    ASSERT_TRUE(found);
    ASSERT_TRUE(StartFly2Slice(*found, "my cut.txt"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadFile(f + "ran.txt").endsWith('\n'); }, 10000));
    EXPECT_EQ(ReadFile(f + "ran.txt"), "-i my cut.txt\n");
}

} // namespace
