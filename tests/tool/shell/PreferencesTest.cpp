#include "shell/Preferences.h"
#include "ShellFixture.h"
#include "shell/NativeFs.h"

#include <fstream>
#include <sys/stat.h>

namespace {

using PreferencesTest = ShellTest;

TEST_F(PreferencesTest, ShortFileFillsItsLinesAndIsRewrittenWhole) {
    CreateFile("tool/FlyKestrel.prf",
             "<FlyKestrel 1.7>\r\n/f/modules/pc\r\n/f/modules/scripts/global\r\n/f/system/fly.ini\r\n"
             "/f/system/render.ini\r\n\r\n/f/FLY2.EXE\r\n");
    AppSettings().SceneryListFolder = "stale";
    StartUpSettings(Path("tool"), "/some/addon");
    const Settings& s = AppSettings();
    EXPECT_EQ(s.ProgramFolder, Path("tool/"));
    EXPECT_EQ(s.StartArgument, "/some/addon");
    EXPECT_EQ(s.SceneryListFolder, "");
    EXPECT_TRUE(s.HelpMemoFlag);
    EXPECT_EQ(s.DLLPath, "/f/modules/pc");
    EXPECT_EQ(s.RenderIniPath, "/f/system/render.ini");
    EXPECT_EQ(s.FlyStartPath, "");
    EXPECT_EQ(s.FlyExePath, "/f/FLY2.EXE");
    EXPECT_EQ(s.SpareSetting, "");
    EXPECT_EQ(s.ExternalSceneryFolder, "");

    AppSettings().SpareSetting = "spare";
    AppSettings().ExternalSceneryFolder = "/ext/scènes/";
    EXPECT_TRUE(WritePreferences(PreferencesFile()));
    EXPECT_EQ(ReadFile(Path("tool/FlyKestrel.prf")),
              "<FlyKestrel 1.7>\r\n/f/modules/pc\r\n/f/modules/scripts/global\r\n/f/system/fly.ini\r\n"
              "/f/system/render.ini\r\n\r\n/f/FLY2.EXE\r\nspare\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
              "/ext/sc\xc3\xa8nes/\r\n");
}

TEST_F(PreferencesTest, AnotherHeaderIsReadTheSame) {
    QByteArray lines;
    for (int i = 2; i <= 15; ++i)
        lines += "value" + QByteArray::number(i) + "\r\n";
    CreateFile("a.prf", "<FlyKestrel 1.7>\r\n" + lines);
    CreateFile("b.prf", "anything else\n" + lines);
    ASSERT_TRUE(ReadPreferences(Path("a.prf")));
    const Settings first = AppSettings();
    AppSettings() = Settings{};
    ASSERT_TRUE(ReadPreferences(Path("b.prf")));
    EXPECT_EQ(AppSettings().DLLPath, "value2");
    EXPECT_EQ(AppSettings().Fly2SlicePath, "value11");
    EXPECT_EQ(AppSettings().ExternalSceneryFolder, "value15");
    EXPECT_EQ(first.DLLPath, AppSettings().DLLPath);
    EXPECT_EQ(first.ExternalSceneryFolder, AppSettings().ExternalSceneryFolder);
}

TEST_F(PreferencesTest, MissingFileLeavesEverythingEmpty) {
    StartUpSettings(Path("tool"), "");
    EXPECT_EQ(AppSettings().FlyExePath, "");
    EXPECT_EQ(AppSettings().DLLPath, "");
    EXPECT_EQ(AppSettings().ProgramFolder, Path("tool/"));
    // Not writable (no such folder): false, and nothing else happens.
    EXPECT_FALSE(WritePreferences(PreferencesFile()));
}

// A file carried over from Windows holds its ANSI code page: lines come back byte for byte, and a path
// names the folder that holds those bytes.
TEST_F(PreferencesTest, BytesThatAreNotUtf8ComeBackUnchanged) {
    const QByteArray fly = QFile::encodeName(Path("Fly2 r")) + "\xe9glage";
    ASSERT_EQ(::mkdir(fly.constData(), 0777), 0);
    std::ofstream(fly + "/FLY2.EXE") << "exe";
    QByteArrayList lines(15);
    lines[0] = "<FlyKestrel 1.7>";
    lines[6] = fly + "/FLY2.EXE";
    lines[7] = "r\xe9glage pr\xe9vu";
    const QByteArray file = lines.join("\r\n") + "\r\n";
    ASSERT_TRUE(ReadPreferences(CreateFile("FlyKestrel.prf", file)));
    EXPECT_TRUE(FileExists(AppSettings().FlyExePath));
    ASSERT_TRUE(WritePreferences(Path("FlyKestrel.prf")));
    EXPECT_EQ(Read("FlyKestrel.prf"), file);
}

} // namespace
