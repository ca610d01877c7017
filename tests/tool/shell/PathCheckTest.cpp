#include "shell/PathCheck.h"
#include "ShellFixture.h"

namespace {

using PathCheckTest = ShellTest;

PathFields Filled() {
    PathFields fields;
    fields.LblDLLPath = "old";
    fields.LblTGAPath = "old";
    fields.LblFLYStartPath = "old";
    return fields;
}

TEST_F(PathCheckTest, ValidFolderFillsFieldsButStoresThePathsOnlyOnOk) {
    const QString f = MakeSimulator();
    CreateDir("Fly2/SlicerWork/TGA");
    Settings& s = AppSettings();
    s.FlyExePath = f + "fly2.exe";
    s.DLLPath = "/prefs/pc";
    s.CopySourceFolder = "/copy/";
    PathFields fields;
    ASSERT_TRUE(CheckValidPathes(fields, AppSettings()));
    EXPECT_EQ(fields.LblFLYPath, f + "fly2.exe");
    EXPECT_EQ(fields.LblDLLPath, f + "modules/pc");
    EXPECT_EQ(fields.LblPythonPath, f + "modules/scripts/global");
    EXPECT_EQ(fields.LblFlyIniPath, f + "system/fly.ini");
    EXPECT_EQ(fields.LblRenderIniPath, f + "system/render.ini");
    EXPECT_EQ(fields.LblDLLFolderHolder, f + "modules/");
    EXPECT_EQ(fields.LblFly2SlicerName, f + "Fly2Slice.exe");
    EXPECT_EQ(fields.LblFLYStartPath, f + "flystart.exe");
    EXPECT_EQ(fields.LblTGAPath, f + "SlicerWork/TGA");
    EXPECT_EQ(fields.LblRASPath, "");
    EXPECT_EQ(s.FlyFolder, f);
    EXPECT_EQ(s.SceneryFolder, f + "scenery/");
    EXPECT_EQ(s.Fly2SlicePath, f + "Fly2Slice.exe");
    EXPECT_EQ(s.FlyStartPath, f + "flystart.exe");
    EXPECT_EQ(s.CopySourceFolder, "");
    EXPECT_EQ(s.DLLPath, "/prefs/pc");
    EXPECT_EQ(s.TGAPath, "");
    EXPECT_TRUE(OptionsOk(fields, AppSettings()));
    EXPECT_EQ(s.DLLPath, f + "modules/pc");
    EXPECT_EQ(s.RenderIniPath, f + "system/render.ini");
}

TEST_F(PathCheckTest, NoFlyExeOrNoSystemFolderFails) {
    PathFields fields = Filled();
    Done checked = CheckFlyFolder(fields, AppSettings());
    ASSERT_FALSE(checked);
    EXPECT_EQ(fields.LblFLYPath, "");
    EXPECT_FALSE(CheckValidPathes(fields, AppSettings()));

    const QString exe = CreateFile("NotFly/fly2.exe");
    AppSettings().FlyExePath = exe;
    fields = Filled();
    checked = CheckFlyFolder(fields, AppSettings());
    ASSERT_FALSE(checked);
    EXPECT_EQ(checked.failure().path, Path("NotFly/system"));
    EXPECT_EQ(fields.LblFLYPath, exe);
    EXPECT_EQ(fields.LblDLLPath, "");
    EXPECT_EQ(fields.LblTGAPath, "");
    EXPECT_EQ(fields.LblFLYStartPath, "");
    EXPECT_FALSE(CheckValidPathes(fields, AppSettings()));
    // A file that isn't there counts as no fly2.exe at all.
    AppSettings().FlyExePath = Path("gone/fly2.exe");
    checked = CheckFlyFolder(fields, AppSettings());
    ASSERT_FALSE(checked);
    EXPECT_EQ(fields.LblFLYPath, "");
    EXPECT_EQ(checked.failure().path, Path("gone/fly2.exe"));
}

TEST_F(PathCheckTest, MissingDllFolderIsCreatedOnYesOnly) {
    const QString f = MakeSimulator();
    QDir(Path("Fly2/modules/pc")).removeRecursively();
    AppSettings().FlyExePath = f + "fly2.exe";
    PathFields fields = Filled();
    EXPECT_FALSE(CheckValidPathes(fields, AppSettings()));
    EXPECT_FALSE(QFileInfo::exists(Path("Fly2/modules/pc")));
    EXPECT_EQ(fields.LblDLLPath, "");

    ASSERT_TRUE(CheckFlyFolder(fields, AppSettings()));
    EXPECT_EQ(AppSettings().FlyFolder, f);
    ASSERT_EQ(MissingSubfolders(fields), QStringList({"modules/pc"}));
    EXPECT_FALSE(QFileInfo::exists(Path("Fly2/modules/pc")));
    QDir().mkpath(Path("Fly2/modules/pc"));
    EXPECT_TRUE(MissingSubfolders(fields).isEmpty());
}

TEST_F(PathCheckTest, FoldersInAnotherCaseAndMissingFlyStart) {
    CreateFile("Sim/FLY2.EXE");
    CreateDir("Sim/System");
    CreateDir("Sim/Modules/PC");
    CreateDir("Sim/Modules/Scripts/Global");
    AppSettings().FlyExePath = Path("Sim/FLY2.EXE");
    AppSettings().FlyStartPath = "/old/flystart.exe";
    PathFields fields = Filled();
    ASSERT_TRUE(CheckValidPathes(fields, AppSettings()));
    EXPECT_EQ(AppSettings().FlyStartPath, "");
    EXPECT_EQ(fields.LblFLYStartPath, "");
}

TEST_F(PathCheckTest, ShowingTheWindowFindsTheSimulatorAboveTheTool) {
    const QString f = MakeSimulator("Sim");
    AppSettings().ProgramFolder = CreateDir("Sim/Tools");
    ASSERT_TRUE(FindFlyExe(AppSettings()));
    EXPECT_EQ(AppSettings().FlyExePath, f + "fly2.exe");
    // The fly2.exe button without a stored path opens on the folder above the tool too.
    AppSettings().FlyExePath.clear();
    EXPECT_EQ(FlyExeDialogStart(AppSettings()), f);
    EXPECT_EQ(AppSettings().FlyExePath, f + "fly2.exe");
    // Nowhere to be found: nothing changes.
    AppSettings() = Settings{};
    AppSettings().ProgramFolder = CreateDir("Elsewhere/Tools") + '/';
    EXPECT_FALSE(FindFlyExe(AppSettings()));
    EXPECT_EQ(AppSettings().FlyExePath, "");
}

TEST_F(PathCheckTest, OkNeedsAnExistingFlyExe) {
    PathFields fields;
    fields.LblFLYPath = Path("gone/fly2.exe");
    fields.LblDLLPath = "/x/pc";
    AppSettings().DLLPath = "/prefs/pc";
    EXPECT_FALSE(OptionsOk(fields, AppSettings()));
    EXPECT_EQ(AppSettings().DLLPath, "/prefs/pc");
}

} // namespace
