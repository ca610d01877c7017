// The Wine prefix of the simulator folder, and Windows paths resolved through it.
#include "wine/WinePrefix.h"
#include "ShellFixture.h"
#include "fs/NativeFs.h"
#include "shell/SimulatorPrefix.h"
#include "wine/HomeFolder.h"
#include "wine/Launcher.h"
#include "wine/WineInstallations.h"

namespace {

class WinePrefixTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetHomeFolder(QFileInfo(CreateDir("home")).canonicalFilePath());
    }
    void TearDown() override {
        SetHomeFolder({});
        ShellTest::TearDown();
    }
    // A prefix below home with c: linked to its drive_c and an empty registry.
    QString MakePrefix(const QString& place) const {
        const QString prefix = QFileInfo(CreateDir("home/" + place + "/drive_c")).canonicalPath();
        CreateFile("home/" + place + "/system.reg", "WINE REGISTRY Version 2\r\n");
        Link("../drive_c", prefix + "/dosdevices/c:");
        return prefix;
    }
    void Link(const QString& target, const QString& link) const {
        QDir().mkpath(QFileInfo(link).path());
        ASSERT_TRUE(QFile::link(target, link));
    }
};

TEST_F(WinePrefixTest, FolderBelongsToTheNearestPrefixOrTheLongestDriveLink) {
    const QString wine = MakePrefix(".wine");
    const QString games = MakePrefix("Games/fly");
    CreateDir("mnt/games/Fly2");
    Link(Path("mnt"), wine + "/dosdevices/d:");
    Link(Path("mnt/games"), games + "/dosdevices/e:");
    Link("/", games + "/dosdevices/z:");
    const struct {
        QString folder, prefix;
    } cases[] = {
        {CreateDir("home/Games/fly/drive_c/Fly2"), games},
        {Path("mnt/games/Fly2"), games},
        {CreateDir("mnt/other"), wine},
        {CreateDir("elsewhere"), ""},
        {Path("missing"), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WinePrefixOf(c.folder), c.prefix) << c.folder.toStdString();
    EXPECT_EQ(KnownWinePrefixes(), QStringList({wine, games}));
}

TEST_F(WinePrefixTest, WindowsPathsResolveThroughTheSimulatorsOwnPrefix) {
    const QString wine = MakePrefix(".wine");
    const QString games = MakePrefix("Games/fly");
    CreateFile("home/.wine/drive_c/Fly2/Profil.f2p");
    CreateFile("home/Games/fly/drive_c/Fly2/profil.f2p");
    AppSettings().FlyFolder = MakeSimulator("home/Games/fly/drive_c/Fly2");
    EXPECT_EQ(ResolvePath("C:\\Fly2\\PROFIL.F2P"), games + "/dosdevices/c:/Fly2/profil.f2p");
    AppSettings().FlyFolder = MakeSimulator("Fly2");
    EXPECT_EQ(ResolvePath("C:\\Fly2\\PROFIL.F2P"), wine + "/dosdevices/c:/Fly2/Profil.f2p");

    // A Windows-era setting: the folder of C:\Fly2\FLY2.EXE, found in the first prefix that has it.
    AppSettings().FlyFolder.clear();
    AppSettings().FlyExePath = "C:\\Fly2\\FLY2.EXE";
    QDir(Path("home/.wine/drive_c/Fly2")).removeRecursively();
    EXPECT_EQ(SimulatorPrefix(), games);
    EXPECT_TRUE(FileExists("C:\\Fly2\\Profil.f2p"));
}

} // namespace

namespace {

using FakeWineTest = WinePrefixTest;

TEST_F(FakeWineTest, WindowsProgramsStartInTheSimulatorsPrefixAndFolder) {
    const QString games = MakePrefix("Games/fly");
    const struct {
        QString simulator, prefix;
    } cases[] = {{"home/Games/fly/drive_c/Fly2", games}, {"Fly2", "unset"}};
    const PathWithWine path(Path("bin"), true);
    for (const auto& c : cases) {
        AppSettings().FlyFolder = MakeSimulator(c.simulator);
        const QString exe = CreateFile(c.simulator + "/FLY2.EXE", "MZ");
        const QString folder = QFileInfo(Path(c.simulator)).canonicalFilePath();
        const ProgramRun run = RunToEnd(exe, {"-x"}, QString(), SimulatorPrefix());
        EXPECT_EQ(QString::fromUtf8(run.output), exe + " -x | " + folder + " | " + c.prefix + "\n");
    }
}

} // namespace

namespace {

using WineInstallationsTest = WinePrefixTest;

QByteArray Key(const QByteArray& key, const QByteArray& value) {
    return "WINE REGISTRY Version 2\r\n;; All keys relative to \\\\Machine\r\n\r\n[Software\\\\" + key +
           "] 1700000001\r\n#time=1da0\r\n" + value + "\r\n";
}

// One prefix without the value, one whose value names a missing folder, two with the value (one under the
// 32-bit key, fly2.exe in lower case and a non-ASCII name) and a fifth naming one of them again.
TEST_F(WineInstallationsTest, FindsEachInstallationOnceInTheOrderOfThePlaces) {
    const QByteArray fly = "Terminal Reality\\\\Fly! II";
    MakePrefix(".wine");
    CreateFile("home/.wine/system.reg", Key("Other", "\"PATH\"=\"C:\\\\Fly2\""));
    CreateFile("home/.wine/drive_c/Fly2/FLY2.EXE");
    MakePrefix("Games/a-gone");
    CreateFile("home/Games/a-gone/system.reg", Key(fly, "\"PATH\"=\"C:\\\\Fly2\""));
    const QString b = MakePrefix("Games/b-fly");
    CreateFile("home/Games/b-fly/system.reg", Key(fly, "\"Version\"=\"2\"\r\n\"PATH\"=\"C:\\\\Fly2\""));
    CreateFile("home/Games/b-fly/drive_c/Fly2/FLY2.EXE");
    const QString z = MakePrefix(".local/share/wineprefixes/zz");
    CreateFile("home/.local/share/wineprefixes/zz/system.reg",
               Key("Wow6432Node\\\\" + fly, "\"path\"=\"c:\\\\Jeux vid\\xe9o\\\\Fly2\\\\\""));
    CreateFile("home/.local/share/wineprefixes/zz/drive_c/Jeux vidéo/Fly2/fly2.exe");
    const QString again = MakePrefix(".PlayOnLinux/wineprefix/again");
    CreateFile("home/.PlayOnLinux/wineprefix/again/system.reg", Key(fly, "\"PATH\"=\"D:\\\\Fly2\""));
    Link(b + "/drive_c", again + "/dosdevices/d:");
    EXPECT_EQ(FindWineInstallations(), QStringList({z + "/drive_c/Jeux vidéo/Fly2", b + "/drive_c/Fly2"}));
}

} // namespace
