#include "wine/Launcher.h"
#include "ShellFixture.h"

#include <QStandardPaths>

namespace {

using LauncherTest = ShellTest;

TEST_F(LauncherTest, RunAndWaitMergesOutputAndReportsTheExitStatus) {
    CreateDir("work");
    const RunResult run =
        RunAndWait("/bin/sh", {"-c", "pwd; echo err >&2; read line || echo no-input; exit 3"}, Path("work"));
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.exitStatus, 3);
    EXPECT_EQ(run.output,
              QFile::encodeName(QFileInfo(Path("work")).canonicalFilePath()) + "\nerr\nno-input\n");
    EXPECT_FALSE(RunAndWait(Path("missing-program"), {}, Path("work")).started);
}

TEST_F(LauncherTest, NativeProgramWithAWindowsNameRunsInItsOwnFolder) {
    const QString program = CreateFile("dex/Navmerger.exe", "#!/bin/sh\necho \"$1 $2\"; pwd\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const RunResult run = RunAndWait(Path("DEX/navmerger.EXE"), {"a.dex", "-K"}, QString());
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.output,
              "a.dex -K\n" + QFile::encodeName(QFileInfo(Path("dex")).canonicalFilePath()) + "\n");
}

TEST_F(LauncherTest, WindowsProgramWithoutWineSaysWhy) {
    if (!QStandardPaths::findExecutable("wine").isEmpty())
        GTEST_SKIP() << "wine is installed here";
    const QString exe = CreateFile("Fly2/FLY2.EXE", "MZ\x90");
    const QString expected = "Impossible de démarrer " + exe +
                             " : c'est un programme Windows, et wine est nécessaire pour le démarrer. "
                             "Veuillez installer wine.";
    EXPECT_EQ(StartProgram(exe, {}, Path("Fly2")), expected);
    const RunResult run = RunAndWait(exe, {}, Path("Fly2"));
    EXPECT_FALSE(run.started);
    EXPECT_EQ(QString::fromUtf8(run.output), expected);
}

} // namespace
