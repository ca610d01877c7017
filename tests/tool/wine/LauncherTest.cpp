#include "wine/Launcher.h"
#include "WineFixture.h"

namespace {

using LauncherTest = TempFolderTest;

TEST_F(LauncherTest, RunMergesOutputAndReportsTheExitStatus) {
    CreateDir("work");
    const ProgramRun run =
        RunToEnd("/bin/sh", {"-c", "pwd; echo err >&2; read line || echo no-input; exit 3"}, Path("work"));
    ASSERT_TRUE(run.status);
    EXPECT_EQ(*run.status, 3);
    EXPECT_EQ(run.output,
              QFile::encodeName(QFileInfo(Path("work")).canonicalFilePath()) + "\nerr\nno-input\n");
    const ProgramRun missing = RunToEnd(Path("missing-program"), {}, Path("work"));
    ASSERT_FALSE(missing.status);
    EXPECT_EQ(NotStartedText(missing.status.failure()), "Impossible de démarrer " + Path("missing-program"));
}

TEST_F(LauncherTest, NativeProgramWithAWindowsNameRunsInItsOwnFolder) {
    const QString program = CreateFile("dex/Navmerger.exe", "#!/bin/sh\necho \"$1 $2\"; pwd\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const ProgramRun run = RunToEnd(Path("DEX/navmerger.EXE"), {"a.dex", "-K"}, QString());
    ASSERT_TRUE(run.status);
    EXPECT_EQ(*run.status, 0);
    EXPECT_EQ(run.output,
              "a.dex -K\n" + QFile::encodeName(QFileInfo(Path("dex")).canonicalFilePath()) + "\n");
}

// The same Windows program, where wine is installed and where it isn't, whatever this machine has.
TEST_F(LauncherTest, WindowsProgramStartsThroughWineOrSaysWhyNot) {
    const QString exe = CreateFile("Fly2/FLY2.EXE", "MZ\x90");
    const QString folder = QFileInfo(Path("Fly2")).canonicalFilePath();
    const QString noWine = "Impossible de démarrer " + exe +
                           " : c'est un programme Windows, et wine est nécessaire pour le démarrer. "
                           "Veuillez installer wine.";
    const struct {
        bool wine;
        QString prefix, output, notStarted;
    } cases[] = {
        {true, "/prefix", exe + " -x | " + folder + " | /prefix\n", ""},
        {true, "", exe + " -x | " + folder + " | unset\n", ""},
        {false, "/prefix", "", noWine},
    };
    for (const auto& c : cases) {
        const PathWithWine path(Path("bin"), c.wine);
        EXPECT_EQ(WineProgram().isEmpty(), !c.wine);
        const Done started = StartProgram(exe, {"-x"}, Path("Fly2"), c.prefix);
        EXPECT_EQ(started ? QString() : NotStartedText(started.failure()), c.notStarted);
        const ProgramRun run = RunToEnd(exe, {"-x"}, Path("Fly2"), c.prefix);
        EXPECT_EQ(run.status ? QString() : NotStartedText(run.status.failure()), c.notStarted);
        EXPECT_EQ(QString::fromUtf8(run.output), c.output);
    }
}

} // namespace
