#include "shell/Preferences.h"
#include "EnvironmentValue.h"
#include "ShellFixture.h"
#include "fs/NativeFs.h"
#include "shell/OwnFilesFolder.h"

#include <fstream>
#include <optional>
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

// Where an installed tool keeps its own files. Tests run as root, whom access(2) lets write everywhere,
// so the program's folder is made read-only through the writability check.
class OwnFilesTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        home_.emplace("HOME", QFile::encodeName(CreateDir("home")));
        SetWritableCheck([](const QString& folder) { return !folder.contains("read-only"); });
    }
    void TearDown() override {
        SetWritableCheck(nullptr);
        home_.reset();
        if (savedXdg_.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedXdg_);
        ShellTest::TearDown();
    }
    void SetXdg(const QByteArray& value) {
        if (value.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", value);
    }

  private:
    std::optional<EnvironmentValue> home_;
    QByteArray savedXdg_ = qgetenv("XDG_CONFIG_HOME");
};

TEST_F(OwnFilesTest, ReadOnlyProgramFolderKeepsThePreferencesInTheConfigFolderAndReadsThemBack) {
    SetXdg(QFile::encodeName(Path("xdg/not yet")));
    StartUpSettings(CreateDir("read-only/bin"), "");
    AppSettings().FlyExePath = "/f/FLY2.EXE";
    ASSERT_TRUE(WritePreferences(PreferencesFile()));
    EXPECT_TRUE(FileExists(Path("xdg/not yet/flykestrel/FlyKestrel.prf")));
    EXPECT_FALSE(PathExists(Path("read-only/bin/FlyKestrel.prf")));

    AppSettings() = Settings{};
    StartUpSettings(Path("read-only/bin"), "");
    EXPECT_EQ(AppSettings().FlyExePath, "/f/FLY2.EXE");
}

TEST_F(OwnFilesTest, FolderOfTheToolsOwnFiles) {
    const struct {
        QString program;
        QByteArray xdg; // null: unset
        QString expected;
    } cases[] = {
        {CreateDir("tool"), Path("xdg").toUtf8(), Path("tool/")},
        {Path("read-only"), Path("xdg").toUtf8(), Path("xdg/flykestrel/")},
        {Path("read-only"), "relative/config", Path("home/.config/flykestrel/")},
        {Path("read-only"), QByteArray(), Path("home/.config/flykestrel/")},
        // The folder the package installs to, writable or not.
        {QStringLiteral(INSTALLED_BINDIR), QByteArray(), Path("home/.config/flykestrel/")},
    };
    for (const auto& c : cases) {
        SetXdg(c.xdg);
        EXPECT_EQ(OwnFilesFolder(c.program), c.expected) << c.program.toStdString();
        EXPECT_TRUE(FolderExists(c.expected));
    }
}

} // namespace
