#include "ImporterTestFiles.h"

#include "platform/NativeFs.h"
#include "platform/OutputFile.h"
#include "platform/ReadOnlyMap.h"
#include "platform/StoredSetting.h"

#include <gtest/gtest.h>

#include <windows.h>

// A simulator folder whose name is outside the ANSI code page's reach only through wide calls.
TEST(NativeFsWin32, NamesWithAccentsAreWrittenMappedAndRenamed) {
    TempFolder temp;
    const std::string fly = temp.Slashed() + "Jeux \xC3\xA9t\xC3\xA9 \xE2\x82\xAC/Fly! II";
    ASSERT_EQ(CreateFolder(temp.Slashed() + "Jeux \xC3\xA9t\xC3\xA9 \xE2\x82\xAC"), 0);
    ASSERT_EQ(CreateFolder(fly), 0);
    ASSERT_EQ(OutputFile::WriteWhole(fly + "\\A.TMP", "abc", 3), 0);
    EXPECT_TRUE(IsRegularFile(fly + "/a.tmp"));
    EXPECT_EQ(RenameNoReplace(fly + "\\A.TMP", fly + "\\AIRPORT.POD"), 0);
    const ReadOnlyMap map = MapWholeFile(fly + "\\AIRPORT.POD");
    ASSERT_NE(map.data, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(map.data), map.size), "abc");
    UnmapWholeFile(map.data, map.size);
    EXPECT_EQ(ListFolder(fly), std::vector<std::string>{"AIRPORT.POD"});
}

TEST(NativeFsWin32, RenamesReplaceOnlyWhereAskedAndShowTheCaseOnDisk) {
    TempFolder temp;
    const std::string dir = temp.Slashed();
    WriteText(temp.Path() / "airport.pod", "old");
    WriteText(temp.Path() / "a.tmp", "new");
    const int refused = RenameNoReplace(dir + "a.tmp", dir + "AIRPORT.POD");
    EXPECT_TRUE(refused == ERROR_ALREADY_EXISTS || refused == ERROR_FILE_EXISTS) << refused;
    EXPECT_EQ(ReadText(temp.Path() / "airport.pod"), "old");
    EXPECT_EQ(RenameReplacing(dir + "a.tmp", dir + "AIRPORT.POD"), 0);
    EXPECT_EQ(ReadText(temp.Path() / "airport.pod"), "new");
    EXPECT_EQ(ShownPath("AIRPORT.POD", dir), "airport.pod");
    EXPECT_EQ(ShownPath(dir + "AIRPORT.POD"), Shown(dir) + "airport.pod");
    EXPECT_TRUE(IsNoSuchFile(RemoveFile(dir + "NONE\\X.POD")));
}

TEST(NativeFsWin32, StoredFolderIsTheRegistryValuePath) {
    SetStoredSettingFile("Software\\navmerger-test");
    EXPECT_TRUE(StoreFlyFolder("C:\\Jeux \xC3\xA9t\xC3\xA9\\Fly! II"));
    EXPECT_EQ(ReadStoredFlyFolder(), "C:\\Jeux \xC3\xA9t\xC3\xA9\\Fly! II");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\navmerger-test");
    EXPECT_EQ(ReadStoredFlyFolder(), std::nullopt);
    SetStoredSettingFile("");
}
