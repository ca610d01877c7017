#include "ImporterTestFiles.h"
#include "platform/WineRegistry.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A Wine prefix with drive C: linked the way wineboot links it.
class WinePrefixTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(prefix.Path() / "drive_c" / "Games" / "Fly2");
        fs::create_directories(prefix.Path() / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix.Path() / "dosdevices" / "c:");
        SetWinePrefix(prefix.Path().string());
    }
    void TearDown() override { SetWinePrefix(""); }

    void WriteRegistry(const std::string& body) {
        WriteText(prefix.Path() / "system.reg", "WINE REGISTRY Version 2\r\n;; All keys relative to \\\\Machine\r\n\r\n" + body);
    }

    TempFolder prefix;
};

TEST_F(WinePrefixTest, FindsTheSimulatorFolderThroughTheDriveLink) {
    WriteRegistry("[Software\\\\Other] 1700000000\r\n\"PATH\"=\"D:\\\\Elsewhere\"\r\n\r\n"
                  "[Software\\\\Terminal Reality\\\\Fly! II] 1700000001\r\n#time=1da0\r\n"
                  "\"Version\"=\"2\"\r\n\"PATH\"=\"C:\\\\Games\\\\Fly2\"\r\n");
    const auto folder = ReadWineRegistryFlyFolder();
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, prefix.Path().string() + "/dosdevices/c:/Games/Fly2");
    EXPECT_TRUE(fs::is_directory(*folder));
}

TEST_F(WinePrefixTest, ReadsTheThirtyTwoBitKeyOfASixtyFourBitPrefix) {
    WriteRegistry("[Software\\\\Wow6432Node\\\\Terminal Reality\\\\Fly! II] 1700000001\n\"path\"=\"c:\\\\Games\\\\Fly2\"\n");
    EXPECT_EQ(ReadWineRegistryFlyFolder().value_or(""), prefix.Path().string() + "/dosdevices/c:/Games/Fly2");
}

TEST_F(WinePrefixTest, GivesNothingWithoutKeyValueDriveOrRegistry) {
    EXPECT_FALSE(ReadWineRegistryFlyFolder()) << "no system.reg";
    WriteRegistry("[Software\\\\Other] 1\r\n\"PATH\"=\"C:\\\\Games\\\\Fly2\"\r\n");
    EXPECT_FALSE(ReadWineRegistryFlyFolder()) << "value of another key";
    WriteRegistry("[Software\\\\Terminal Reality\\\\Fly! II] 1\r\n\"PATH\"=\"E:\\\\Fly2\"\r\n");
    EXPECT_FALSE(ReadWineRegistryFlyFolder()) << "drive without a link";
    WriteRegistry("[Software\\\\Terminal Reality\\\\Fly! II] 1\r\n\"PATH\"=dword:00000001\r\n");
    EXPECT_FALSE(ReadWineRegistryFlyFolder()) << "not a string";
}

} // namespace
