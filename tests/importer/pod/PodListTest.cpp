#include "ImporterTestFiles.h"
#ifndef _WIN32
#include "FileSizeLimit.h"
#endif

#include "base/ZorException.h"
#include "platform/FolderPrompt.h"
#ifndef _WIN32
#include "platform/HomeFolder.h"
#endif
#include "platform/StoredSetting.h"
#include "pod/FlyFolder.h"
#include "pod/PodList.h"
#include "pod/PodWriter.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

void MakePod(const std::filesystem::path& path, const Entries& entries) {
    std::filesystem::create_directories(path.parent_path());
    PodWriter writer;
    writer.InitPod3("test", 1000, 1000, "", "");
    for (const auto& [name, text] : entries) {
        FlyFile file;
        file.Set(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size()), name,
                 0x3C000000);
        writer.Add(file);
    }
    writer.Write(path.string());
}

// A stream that answers the prompt with script.
FILE* InputOf(const std::string& script) {
    FILE* in = std::tmpfile();
    std::fwrite(script.data(), 1, script.size(), in);
    std::rewind(in);
    return in;
}

std::string Text(const FlyFile& file) {
    return std::string(reinterpret_cast<const char*>(file.data), file.size);
}

// A Fly2 folder copied from Windows: names in lower and mixed case.
class PodListTest : public testing::Test {
  protected:
    void SetUp() override {
        SetStoredSettingFile((temp_.Path() / "flyfolder").string());
#ifndef _WIN32
        SetHomeFolder((temp_.Path() / "home").string());
#endif
        fly_ = temp_.Path() / "Fly2";
        MakePod(fly_ / "system" / "airport.pod", {{"DATABASE\\AIRPORT.DBD", "archived airports"},
                                                  {"DATABASE\\SHARED.DBT", "from airport.pod"}});
        MakePod(fly_ / "system" / "Ils.Pod",
                {{"DATABASE\\ILS.DBD", "archived ils"}, {"DATABASE\\SHARED.DBT", "from ils.pod"}});
        WriteText(fly_ / "Database" / "Airport.Dbd", "loose airports");
        PodList::SetFlyFolder(fly_.string());
    }
    void TearDown() override {
        PodList::CloseAllPods();
        SetStoredSettingFile("");
#ifndef _WIN32
        SetHomeFolder("");
#endif
        SetPromptStreams(nullptr, nullptr);
    }

    static uint32_t CodeOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const ZorException& e) {
            return e.code;
        }
        return 0;
    }

    TempFolder temp_;
    std::filesystem::path fly_;
};

TEST_F(PodListTest, FolderFromTheCommandLineEndsInOneSlash) {
    PodList::SetFlyFolder(std::string("/games/Fly2"));
    EXPECT_EQ(FlyFolder::Get(), "/games/Fly2/");
    PodList::SetFlyFolder(std::string("/games/Fly2/"));
    EXPECT_EQ(FlyFolder::Get(), "/games/Fly2/");
    PodList::SetFlyFolder(std::string("c:\\games\\fly2"));
    EXPECT_EQ(FlyFolder::Get(), "c:/games/fly2/");
    EXPECT_EQ(FlyFolder::RelativeName("C:\\GAMES\\FLY2\\DATABASE\\ILS.DBD"), "DATABASE\\ILS.DBD");
}

#ifndef _WIN32 // a file there, the registry on Windows
TEST_F(PodListTest, StoredSettingBeforeThePrompt) {
    WriteText(temp_.Path() / "flyfolder", fly_.string() + "\n");
    FILE* in = InputOf("/nowhere\n");
    SetPromptStreams(in, stderr);
    PodList::SetFlyFolder(std::nullopt);
    EXPECT_EQ(FlyFolder::Get(), fly_.string() + "/");
    EXPECT_EQ(std::ftell(in), 0); // never asked
    std::fclose(in);
}

TEST_F(PodListTest, WineRegistryAfterTheStoredSettingAndBeforeThePrompt) {
    const std::filesystem::path wine = temp_.Path() / "home" / ".wine";
    std::filesystem::create_directories(wine / "dosdevices");
    WriteText(fly_ / "FLY2.EXE", "");
    std::filesystem::create_directory_symlink(temp_.Path(), wine / "dosdevices" / "c:");
    WriteText(wine / "system.reg",
              "[Software\\\\Terminal Reality\\\\Fly! II] 1\r\n\"PATH\"=\"C:\\\\Fly2\"\r\n");
    FILE* in = InputOf("/nowhere\n");
    SetPromptStreams(in, stderr);
    PodList::SetFlyFolder(std::nullopt);
    EXPECT_EQ(FlyFolder::Get(), std::filesystem::canonical(fly_).string() + "/");
    EXPECT_EQ(std::ftell(in), 0); // never asked

    WriteText(temp_.Path() / "flyfolder", "/stored/fly2\n");
    PodList::SetFlyFolder(std::nullopt);
    EXPECT_EQ(FlyFolder::Get(), "/stored/fly2/");
    std::fclose(in);
}

#endif

TEST_F(PodListTest, PromptAcceptsOnlyAFolderHoldingFly2ExeAndStoresIt) {
    WriteText(fly_ / "fly2.exe", "");
    const std::string script = "/nowhere\n" + (fly_ / "system").string() + "\n" + fly_.string() + "\n\n";
    FILE* in = InputOf(script);
    FILE* out = std::tmpfile();
    SetPromptStreams(in, out);
    PodList::SetFlyFolder(std::nullopt);
    std::fclose(in);
    std::string text(static_cast<size_t>(std::ftell(out)), '\0');
    std::rewind(out);
    EXPECT_EQ(std::fread(text.data(), 1, text.size(), out), text.size());
    std::fclose(out);
    EXPECT_EQ(FlyFolder::Get(), fly_.generic_string() + "/");
#ifndef _WIN32 // kept in the registry there
    EXPECT_EQ(ReadText(temp_.Path() / "flyfolder"), fly_.string() + "\n");
#endif
    EXPECT_EQ(text.rfind("The registry entry pointing to Fly II is missing. \n", 0), 0u) << text;
    // Three answers before the folder with FLY2.EXE, then the confirmation.
    size_t asked = 0;
    for (size_t at = 0; (at = text.find("Select a directory containing FLY2.EXE\n", at)) != std::string::npos;
         ++at)
        ++asked;
    EXPECT_EQ(asked, 3u);
    EXPECT_NE(text.find("FLY2.EXE found.  Press Enter to use this directory.\n"), std::string::npos);
}

// A preview changes nothing, not even the stored setting.
TEST_F(PodListTest, PromptedFolderOfAPreviewIsNotStored) {
    WriteText(fly_ / "FLY2.EXE", "");
    FILE* in = InputOf(fly_.string() + "\n\n");
    FILE* out = std::tmpfile();
    SetPromptStreams(in, out);
    PodList::SetFlyFolder(std::nullopt, false);
    std::fclose(in);
    std::fclose(out);
    EXPECT_EQ(FlyFolder::Get(), fly_.generic_string() + "/");
    EXPECT_FALSE(ReadStoredFlyFolder());
}

TEST_F(PodListTest, NoFolderAnywhereIsCode3) {
    for (std::string script : {std::string(), std::string("\n"), (fly_ / "system").string() + "\n\n"}) {
        FILE* in = InputOf(script);
        FILE* out = std::tmpfile();
        SetPromptStreams(in, out);
        try {
            PodList::SetFlyFolder(std::nullopt);
            ADD_FAILURE() << "no exception for " << script;
        } catch (const ZorException& e) {
            EXPECT_EQ(e.code, 3u);
            EXPECT_EQ(e.message, "Cannot find Fly2 directory");
        }
        std::fclose(in);
        std::fclose(out);
        EXPECT_FALSE(std::filesystem::exists(temp_.Path() / "flyfolder"));
    }
}

TEST_F(PodListTest, LooseFileWinsUnlessPodOnlyWhateverTheCaseOnDisk) {
    PodList::AddPod("SYSTEM\\AIRPORT.POD");
    FlyFile file;
    PodList::OpenFlyFile("DATABASE\\AIRPORT.DBD", file, false);
    EXPECT_EQ(Text(file), "loose airports");
    EXPECT_EQ(file.name, "DATABASE\\AIRPORT.DBD");
    PodList::OpenFlyFile("database\\airport.dbd", file, true);
    EXPECT_EQ(Text(file), "archived airports");
    EXPECT_EQ(file.name, "DATABASE\\AIRPORT.DBD");
    EXPECT_EQ(file.time, 0x3C000000u);
}

TEST_F(PodListTest, FirstAddedArchiveWinsAndEachArchiveIsKeptOnce) {
    PodList::AddPod("system\\ils.pod");
    PodList::AddPod("SYSTEM\\AIRPORT.POD");
    PodList::AddPod("SYSTEM\\ILS.POD");
    PodList::AddPod(FlyFolder::Get() + "SYSTEM\\ILS.POD");
    EXPECT_EQ(PodList::GetPodCount(), 2);
    FlyFile file;
    PodList::OpenFlyFile("DATABASE\\SHARED.DBT", file, false);
    EXPECT_EQ(Text(file), "from ils.pod");
    PodList::CloseAllPods();
    EXPECT_EQ(PodList::GetPodCount(), 0);
    EXPECT_EQ(CodeOf([&] { PodList::OpenFlyFile("DATABASE\\SHARED.DBT", file, false); }), 2u);
}

TEST_F(PodListTest, FullNameInsideTheFolderIsSearchedAsRelative) {
    PodList::AddPod("SYSTEM\\ILS.POD");
    FlyFile file;
    for (const std::string& name :
         {FlyFolder::Get() + "DATABASE\\ILS.DBD", fly_.string() + "/database/ils.dbd"}) {
        PodList::OpenFlyFile(name, file, false);
        EXPECT_EQ(Text(file), "archived ils");
        EXPECT_EQ(file.name, "DATABASE\\ILS.DBD");
    }
    FlyFile loose;
    loose.OpenDisk(FlyFolder::Get() + "DATABASE\\AIRPORT.DBD");
    EXPECT_EQ(loose.name, "DATABASE\\AIRPORT.DBD");
    const std::string outside = (temp_.Path() / "flyfolder.dex").string();
    WriteText(outside, "dex");
    loose.OpenDisk(outside);
    EXPECT_EQ(loose.name, outside);
}

TEST_F(PodListTest, FileFoundNowhereIsCode2AndLeavesTheTargetReset) {
    PodList::AddPod("SYSTEM\\AIRPORT.POD");
    FlyFile file;
    PodList::OpenFlyFile("DATABASE\\AIRPORT.DBD", file, false);
    try {
        PodList::OpenFlyFile("database\\none.dbd", file, false);
        FAIL() << "no exception";
    } catch (const ZorException& e) {
        EXPECT_EQ(e.code, 2u);
        EXPECT_EQ(e.message, Shown("Unable to open Database/none.dbd"));
    }
    EXPECT_EQ(file.data, nullptr);
    EXPECT_EQ(file.size, 0u);
}

TEST_F(PodListTest, FailedAddPodLeavesTheListAsItWas) {
    PodList::AddPod("SYSTEM\\AIRPORT.POD");
    WriteText(fly_ / "system" / "BROKEN.POD", "POD3 but far too short");
    EXPECT_EQ(CodeOf([] { PodList::AddPod("SYSTEM\\NAVAID.POD"); }), static_cast<uint32_t>(ENOENT));
    EXPECT_EQ(CodeOf([] { PodList::AddPod("SYSTEM\\BROKEN.POD"); }), 0x10003u);
    EXPECT_EQ(PodList::GetPodCount(), 1);
}

TEST_F(PodListTest, ExtractWritesBesideExistingCaseAndRefusesToOverwrite) {
    PodList::AddPod("SYSTEM\\AIRPORT.POD");
    PodList::AddPod("SYSTEM\\ILS.POD");
    EXPECT_FALSE(PodList::ExtractFlyFile("DATABASE\\AIRPORT.DBD", false));
    EXPECT_EQ(ReadText(fly_ / "Database" / "Airport.Dbd"), "loose airports");

    EXPECT_TRUE(PodList::ExtractFlyFile("DATABASE\\ILS.DBD", false));
    EXPECT_EQ(ReadText(fly_ / "Database" / "ILS.DBD"), "archived ils");

    EXPECT_TRUE(PodList::ExtractFlyFile("DATABASE\\AIRPORT.DBD", true));
    EXPECT_EQ(ReadText(fly_ / "Database" / "Airport.Dbd"), "archived airports");
    EXPECT_EQ(Listing(fly_), (std::vector<std::string>{"Database", "system"}));
    EXPECT_EQ(Listing(fly_ / "Database"), (std::vector<std::string>{"Airport.Dbd", "ILS.DBD"}));
    EXPECT_EQ(CodeOf([] { PodList::ExtractFlyFile("DATABASE\\NONE.DBT", false); }), 2u);
}

#ifndef _WIN32 // a full disk is provoked through the file size limit
TEST_F(PodListTest, ExtractThatFailsToWriteKeepsTheOldFile) {
    PodList::AddPod("SYSTEM\\AIRPORT.POD");
    uint32_t code = 0;
    {
        const FileSizeLimit limit(4);
        code = CodeOf([] { PodList::ExtractFlyFile("DATABASE\\AIRPORT.DBD", true); });
    }
    EXPECT_EQ(code, static_cast<uint32_t>(EFBIG));
    EXPECT_EQ(ReadText(fly_ / "Database" / "Airport.Dbd"), "loose airports");
    EXPECT_EQ(Listing(fly_ / "Database"), std::vector<std::string>{"Airport.Dbd"});
}
#endif

TEST_F(PodListTest, NamesThatLeaveTheFolderAreRefused) {
    PodList::AddPod("SYSTEM\\AIRPORT.POD");
    WriteText(temp_.Path() / "OUTSIDE.DBD", "outside");
    FlyFile file;
    for (const std::string& name : std::vector<std::string>{
             "..\\OUTSIDE.DBD", "DATABASE\\..\\..\\OUTSIDE.DBD", "C:\\OUTSIDE.DBD", "\\OUTSIDE.DBD",
             (temp_.Path() / "OUTSIDE.DBD").string(), "DATABASE/../../X"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(CodeOf([&] { PodList::OpenFlyFile(name, file, false); }), 0x10010u);
        EXPECT_EQ(CodeOf([&] { PodList::ExtractFlyFile(name, true); }), 0x10010u);
        EXPECT_EQ(CodeOf([&] { PodList::AddPod(name); }), 0x10010u);
    }
    EXPECT_EQ(ReadText(temp_.Path() / "OUTSIDE.DBD"), "outside");
}

} // namespace
