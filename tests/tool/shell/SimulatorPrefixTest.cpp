// The Wine prefix of the simulator folder the settings name, and Windows paths resolved through it.
#include "ShellFixture.h"
#include "WineFixture.h"
#include "fs/NativeFs.h"
#include "shell/SimulatorPrefix.h"

namespace {

// Wine prefixes in a home folder of the test's own, with fresh process-wide settings restored afterwards.
class SimulatorPrefixTest : public WinePrefixTest {
  protected:
    void SetUp() override {
        WinePrefixTest::SetUp();
        saved_ = AppSettings();
        AppSettings() = Settings{};
    }
    void TearDown() override {
        AppSettings() = saved_;
        WinePrefixTest::TearDown();
    }
    QString MakeSimulator(const QString& relative) const { return MakeSimulatorIn(*this, relative); }

  private:
    Settings saved_;
};

TEST_F(SimulatorPrefixTest, WindowsPathsResolveThroughTheSimulatorsOwnPrefix) {
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

using FakeWineTest = SimulatorPrefixTest;

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

