#include "platform/WineRegistry.h"
#include "ImporterTestFiles.h"
#include "platform/FolderPrompt.h"
#include "platform/HomeFolder.h"
#include "platform/WinePrefix.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string RegistryKey(const std::string& key, const std::string& value) {
    return "[Software\\\\" + key + "] 1700000001\r\n#time=1da0\r\n\"Version\"=\"2\"\r\n" + value + "\r\n\r\n";
}

// A home holding Wine prefixes the way wineboot and the front-ends lay them out.
class WineHomeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = fs::canonical(temp.Path()) / "home";
        SetHomeFolder(home.string());
    }
    void TearDown() override {
        SetHomeFolder("");
        SetPromptStreams(nullptr, nullptr);
    }

    // A prefix at place (below home) with drive C: linked to its drive_c and system.reg holding body.
    fs::path MakePrefix(const std::string& place, const std::string& body) {
        const fs::path prefix = home / place;
        fs::create_directories(prefix / "drive_c");
        fs::create_directories(prefix / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
        WriteText(prefix / "system.reg",
                  "WINE REGISTRY Version 2\r\n;; All keys relative to \\\\Machine\r\n\r\n" + body);
        return prefix;
    }

    // The prefixes of the tests below: one without the value, one whose folder is gone, two installations
    // (one under the 32-bit key, FLY2.EXE in lower case) and a second prefix naming one of them again.
    std::vector<std::string> MakeHomeWithTwoInstallations() {
        MakePrefix(".wine", RegistryKey("Other", "\"PATH\"=\"C:\\\\Fly2\""));
        fs::create_directories(home / ".wine" / "drive_c" / "Fly2");
        MakePrefix("Games/b-gone", RegistryKey("Terminal Reality\\\\Fly! II", "\"PATH\"=\"C:\\\\Fly2\""));
        const fs::path a =
            MakePrefix("Games/a-fly", RegistryKey("Terminal Reality\\\\Fly! II", "\"PATH\"=\"C:\\\\Fly2\""));
        WriteText(a / "drive_c" / "Fly2" / "fly2.exe", "");
        const fs::path z = MakePrefix(
            ".local/share/wineprefixes/zz",
            RegistryKey("Wow6432Node\\\\Terminal Reality\\\\Fly! II", "\"path\"=\"c:\\\\Sim\\\\Fly2\\\\\""));
        WriteText(z / "drive_c" / "Sim" / "Fly2" / "FLY2.EXE", "");
        const fs::path again =
            MakePrefix(".PlayOnLinux/wineprefix/again",
                       RegistryKey("Terminal Reality\\\\Fly! II", "\"PATH\"=\"D:\\\\Fly2\""));
        fs::create_directory_symlink(a / "drive_c", again / "dosdevices" / "d:");
        return {(z / "drive_c" / "Sim" / "Fly2").string(), (a / "drive_c" / "Fly2").string()};
    }

    TempFolder temp;
    fs::path home;
};

TEST_F(WineHomeTest, FindsEachInstallationOnceInTheOrderOfThePlaces) {
    const std::vector<std::string> two = MakeHomeWithTwoInstallations();
    EXPECT_EQ(FindWineInstallations(), two);
    EXPECT_FALSE(ReadWineRegistryFlyFolder()) << "several to choose from";

    fs::remove_all(home / ".local");
    EXPECT_EQ(ReadWineRegistryFlyFolder().value_or(""), two[1]);
}

TEST_F(WineHomeTest, IgnoresValuesThatNameNoInstallation) {
    const fs::path prefix = MakePrefix(".wine", "");
    WriteText(prefix / "drive_c" / "Fly2" / "FLY2.EXE", "");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"value of another key", RegistryKey("Other", "\"PATH\"=\"C:\\\\Fly2\"")},
        {"subkey", RegistryKey("Terminal Reality\\\\Fly! II\\\\Sub", "\"PATH\"=\"C:\\\\Fly2\"")},
        {"drive without a link", RegistryKey("Terminal Reality\\\\Fly! II", "\"PATH\"=\"E:\\\\Fly2\"")},
        {"not a string", RegistryKey("Terminal Reality\\\\Fly! II", "\"PATH\"=dword:00000001")},
        {"no FLY2.EXE", RegistryKey("Terminal Reality\\\\Fly! II", "\"PATH\"=\"C:\\\\\"")},
    };
    for (const auto& [what, body] : cases) {
        WriteText(prefix / "system.reg", body);
        EXPECT_TRUE(FindWineInstallations().empty()) << what;
    }
    fs::remove(prefix / "system.reg");
    EXPECT_TRUE(FindWineInstallations().empty()) << "no system.reg";
}

TEST_F(WineHomeTest, PromptListsTheInstallationsAndTakesANumberOrAFolder) {
    const std::vector<std::string> two = MakeHomeWithTwoInstallations();
    const struct {
        std::string script;
        std::string chosen;
    } cases[] = {{"2\n", two[1]}, {"0\n3\n1\n", two[0]}, {two[1] + "\n\n", two[1]}};
    for (const auto& [script, chosen] : cases) {
        FILE* in = std::tmpfile();
        std::fputs(script.c_str(), in);
        std::rewind(in);
        char* shown = nullptr;
        size_t shownSize = 0;
        FILE* out = open_memstream(&shown, &shownSize);
        SetPromptStreams(in, out);
        EXPECT_EQ(PromptFlyFolder().value_or(""), chosen) << script;
        std::fclose(in);
        std::fclose(out);
        const std::string text(shown, shownSize);
        free(shown);
        EXPECT_TRUE(text.starts_with("Fly II is installed in several Wine prefixes:\n  1. " + two[0] +
                                     "\n  2. " + two[1] + "\n"))
            << text;
    }
}

TEST_F(WineHomeTest, PrefixOfAFolderByParentOrByDriveLink) {
    const fs::path games = MakePrefix("Games/fly", "");
    const fs::path inside = games / "drive_c" / "Fly2";
    const fs::path elsewhere = fs::canonical(temp.Path()) / "disk" / "Fly2";
    fs::create_directories(inside);
    fs::create_directories(elsewhere);
    fs::create_directory_symlink(elsewhere.parent_path(), games / "dosdevices" / "d:");
    const fs::path wine = MakePrefix(".wine", "");
    fs::create_directory_symlink("/", wine / "dosdevices" / "z:");

    EXPECT_EQ(WinePrefixOf(inside.string()).value_or(""), games.string());
    EXPECT_EQ(WinePrefixOf((wine / "dosdevices" / "c:").string()).value_or(""), wine.string());
    EXPECT_EQ(WinePrefixOf(elsewhere.string()).value_or(""), games.string());
    EXPECT_FALSE(WinePrefixOf(temp.Path().string())) << "only z: leads there";

    // "-F C:\Fly2" typed in a folder of the prefix.
    const fs::path current = fs::current_path();
    fs::current_path(inside);
    EXPECT_EQ(FromWindowsPath("C:\\Fly2"), (games / "dosdevices" / "c:").string() + "/Fly2");
    EXPECT_EQ(FromWindowsPath("Fly2"), "Fly2");
    fs::current_path(temp.Path());
    EXPECT_EQ(FromWindowsPath("C:\\Fly2"), "C:\\Fly2");
    fs::current_path(current);
}

} // namespace
