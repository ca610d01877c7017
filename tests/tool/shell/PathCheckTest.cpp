#include "shell/PathCheck.h"
#include "ScriptedDialogs.h"
#include "ShellFixture.h"

namespace {

using PathCheckTest = ShellTest;
using Kind = ScriptedDialogs::Kind;

const QString Missing = "Auto remplissage impossible! Le(s) sous répertoire(s) n''existe(nt) pas! - ";

PathFields Filled() {
    PathFields fields;
    fields.LblDLLPath = "old";
    fields.LblTGAPath = "old";
    fields.LblFLYStartPath = "old";
    return fields;
}

TEST_F(PathCheckTest, ValidFolderFillsFieldsButStoresThePathsOnlyOnOk) {
    ScriptedDialogs dialogs;
    const QString f = MakeSimulator();
    CreateDir("Fly2/SlicerWork/TGA");
    Settings& s = AppSettings();
    s.FlyExePath = f + "fly2.exe";
    s.DLLPath = "/prefs/pc";
    s.CopySourceFolder = "/copy/";
    PathFields fields;
    ASSERT_TRUE(CheckValidPathes(fields, false));
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
    EXPECT_TRUE(OptionsOk(fields));
    EXPECT_EQ(s.DLLPath, f + "modules/pc");
    EXPECT_EQ(s.RenderIniPath, f + "system/render.ini");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PathCheckTest, NoFlyExeOrNoSystemFolderFails) {
    ScriptedDialogs dialogs;
    PathFields fields = Filled();
    EXPECT_FALSE(CheckValidPathes(fields, false));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              "Auto remplissage impossible! Répertoire de Fly!2 non spécifié - veuillez "
              "utilisé le bouton [fly2.exe répertoire]");
    EXPECT_EQ(dialogs.shown()[0].caption, "Information:");
    dialogs.Clear();

    const QString exe = CreateFile("NotFly/fly2.exe");
    AppSettings().FlyExePath = exe;
    EXPECT_FALSE(CheckValidPathes(fields, false));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(fields.LblDLLPath, "");
    fields = Filled();
    EXPECT_FALSE(CheckValidPathes(fields, true));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              Missing + Path("NotFly/system") + " Ce n''est pas une installation de Fly!2 valide!");
    EXPECT_EQ(dialogs.shown()[0].caption, "Information:");
    EXPECT_EQ(fields.LblFLYPath, exe);
    EXPECT_EQ(fields.LblDLLPath, "");
    EXPECT_EQ(fields.LblTGAPath, "");
    EXPECT_EQ(fields.LblFLYStartPath, "");
    // A file that isn't there counts as no fly2.exe at all.
    AppSettings().FlyExePath = Path("gone/fly2.exe");
    dialogs.Clear();
    EXPECT_FALSE(CheckValidPathes(fields, false));
    EXPECT_EQ(fields.LblFLYPath, "");
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(PathCheckTest, MissingDllFolderIsCreatedOnYesOnly) {
    const QString f = MakeSimulator();
    QDir(Path("Fly2/modules/pc")).removeRecursively();
    AppSettings().FlyExePath = f + "fly2.exe";
    PathFields fields = Filled();
    {
        ScriptedDialogs dialogs;
        EXPECT_FALSE(CheckValidPathes(fields, false));
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_FALSE(QFileInfo::exists(Path("Fly2/modules/pc")));
        EXPECT_EQ(fields.LblDLLPath, "");
    }
    {
        ScriptedDialogs dialogs;
        dialogs.AnswerNo();
        EXPECT_FALSE(CheckValidPathes(fields, true));
        EXPECT_FALSE(QFileInfo::exists(Path("Fly2/modules/pc")));
    }
    ScriptedDialogs dialogs;
    dialogs.AnswerYes();
    EXPECT_TRUE(CheckValidPathes(fields, true));
    EXPECT_TRUE(QFileInfo(Path("Fly2/modules/pc")).isDir());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, Kind::Question);
    EXPECT_EQ(dialogs.shown()[0].text, Missing + f + "modules/pc- Voulez vous créer un répertoire vide?");
    EXPECT_EQ(dialogs.shown()[0].caption, "Information:");
}

TEST_F(PathCheckTest, FoldersInAnotherCaseAndMissingFlyStart) {
    ScriptedDialogs dialogs;
    CreateFile("Sim/FLY2.EXE");
    CreateDir("Sim/System");
    CreateDir("Sim/Modules/PC");
    CreateDir("Sim/Modules/Scripts/Global");
    AppSettings().FlyExePath = Path("Sim/FLY2.EXE");
    AppSettings().FlyStartPath = "/old/flystart.exe";
    PathFields fields = Filled();
    ASSERT_TRUE(CheckValidPathes(fields, true));
    EXPECT_EQ(AppSettings().FlyStartPath, "");
    EXPECT_EQ(fields.LblFLYStartPath, "");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PathCheckTest, ShowingTheWindowFindsTheSimulatorAboveTheTool) {
    ScriptedDialogs dialogs;
    const QString f = MakeSimulator("Sim");
    AppSettings().ProgramFolder = CreateDir("Sim/Tools");
    PathFields fields;
    OptionsFormShow(fields);
    EXPECT_EQ(AppSettings().FlyExePath, f + "fly2.exe");
    EXPECT_EQ(fields.LblFLYPath, f + "fly2.exe");
    EXPECT_EQ(fields.LblDLLPath, f + "modules/pc");
    // Nowhere to be found: nothing changes, nothing is said.
    AppSettings() = Settings{};
    AppSettings().ProgramFolder = CreateDir("Elsewhere/Tools") + '/';
    PathFields untouched = Filled();
    OptionsFormShow(untouched);
    EXPECT_EQ(AppSettings().FlyExePath, "");
    EXPECT_EQ(untouched.LblDLLPath, "old");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PathCheckTest, OkNeedsAnExistingFlyExe) {
    PathFields fields;
    fields.LblFLYPath = Path("gone/fly2.exe");
    fields.LblDLLPath = "/x/pc";
    AppSettings().DLLPath = "/prefs/pc";
    EXPECT_FALSE(OptionsOk(fields));
    EXPECT_EQ(AppSettings().DLLPath, "/prefs/pc");
}

TEST_F(PathCheckTest, TgaFolderIsStoredOnlyByItsButtonAndCancelEmptiesIt) {
    ScriptedDialogs dialogs;
    const QString f = MakeSimulator();
    AppSettings().FlyExePath = f + "fly2.exe";
    PathFields fields;
    ASSERT_TRUE(CheckValidPathes(fields, true));
    dialogs.AnswerFolder(Path("Fly2/tga"));
    ChooseTgaFolder(fields);
    EXPECT_EQ(dialogs.shown().back().text, f);
    EXPECT_EQ(AppSettings().TGAPath, Path("Fly2/tga"));
    EXPECT_EQ(fields.LblTGAPath, Path("Fly2/tga"));
    dialogs.AnswerFolder("");
    ChooseTgaFolder(fields);
    EXPECT_EQ(dialogs.shown().back().text, Path("Fly2/tga"));
    EXPECT_EQ(AppSettings().TGAPath, "");
    EXPECT_EQ(fields.LblTGAPath, "");
}

TEST_F(PathCheckTest, FilePickersUseTheirTitlesAndFilters) {
    ScriptedDialogs dialogs;
    const QString f = MakeSimulator();
    AppSettings().ProgramFolder = Path("Fly2/Tools/");
    PathFields fields = Filled();
    dialogs.AnswerFile("");
    ChooseFlyExe(fields);
    EXPECT_EQ(dialogs.shown().back().text, f);
    EXPECT_EQ(dialogs.shown().back().caption, "Fichier fly2.exe trouvé");
    EXPECT_EQ(dialogs.shown().back().extra, "|FLY2.EXE |fly2.exe");
    EXPECT_EQ(fields.LblDLLPath, "");
    dialogs.AnswerFile(f + "fly2.exe");
    ChooseFlyExe(fields);
    EXPECT_EQ(AppSettings().FlyExePath, f + "fly2.exe");
    EXPECT_EQ(fields.LblDLLPath, f + "modules/pc");
    dialogs.AnswerFile("");
    ChooseFlyStart(fields);
    EXPECT_EQ(dialogs.shown().back().caption, "Chemin vers Flystart.exe Utility trouvé");
    EXPECT_EQ(dialogs.shown().back().extra, "|Cehemin vers FLY! Start Utility (flystart.exe) | flystart.exe");
    EXPECT_EQ(fields.LblFLYStartPath, "");
    EXPECT_EQ(AppSettings().FlyFolder, f);
    dialogs.AnswerFile(f + "tools/Fly2Slice.exe");
    ChooseFly2Slice(fields);
    EXPECT_EQ(dialogs.shown().back().caption, "Find Tool 2 File");
    EXPECT_EQ(fields.LblFly2SlicerName, f + "tools/Fly2Slice.exe");
    EXPECT_EQ(AppSettings().Fly2SliceFolder, f + "tools/");
    ShowAutofillInfo();
    EXPECT_EQ(dialogs.shown().back().text, "Use [FLY!II.EXE-Path] button to enable AUTOFILL!");
    EXPECT_EQ(dialogs.shown().back().caption, "Information:");
}

} // namespace
