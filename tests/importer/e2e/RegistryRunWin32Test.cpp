// Without -F, navmerger.exe takes the simulator's folder from the registry value "PATH".
#include "FlyFixture.h"
#include "ProgramRun.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const std::string kFlyKey = "HKLM\\SOFTWARE\\Terminal Reality\\Fly! II";

// reg.exe of the prefix, in the 32-bit view where the simulator keeps its key.
int Reg(const std::vector<std::string>& args) {
    std::vector<std::string> all = args;
    all.insert(all.begin() + 1, kFlyKey);
    all.insert(all.end(), {"/f", "/reg:32"});
    return RunProgram("C:\\windows\\system32\\reg.exe", all).status;
}

// One case after the other: the registry is shared by every test of the run.
TEST(RegistryRunTest, FolderFromTheRegistryValueAbsentOrNamingAMissingFolder) {
    const fs::path fly = FlyFixture::NewInstallation("registry");
    Reg({"delete"});

    const ProgramResult absent = RunProgram(NAVMERGER_PATH, {"dex\\COMM.DEX"}, fly.string());
    EXPECT_EQ(absent.status, 3);
    EXPECT_TRUE(Matches(absent.out, "An error has occurred:\nCannot find Fly2 directory\nError code 0x3 in *"))
        << absent.out;

    ASSERT_EQ(Reg({"add", "/v", "PATH", "/d", fly.string()}), 0);
    const ProgramResult present = RunProgram(NAVMERGER_PATH, {"dex\\COMM.DEX"}, fly.string());
    EXPECT_EQ(present.status, 0) << present.out;
    EXPECT_TRUE(present.out.ends_with("Database merge successful!\n")) << present.out;
    EXPECT_TRUE(FlyFixture::Exists(fly, "SYSTEM\\COMM.TRI"));

    ASSERT_EQ(Reg({"add", "/v", "PATH", "/d", (fly / "gone").string()}), 0);
    const ProgramResult missing = RunProgram(NAVMERGER_PATH, {"dex\\COMM.DEX"}, fly.string());
    EXPECT_EQ(missing.status, 3);
    EXPECT_TRUE(Matches(missing.out, "An error has occurred:\nUnable to open *gone\\SYSTEM\\AIRPORT.POD\n*"))
        << missing.out;
    Reg({"delete"});
}

} // namespace
