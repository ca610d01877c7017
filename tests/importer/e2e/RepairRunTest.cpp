// The repairs for first-release DEX files (-S, -R, -1) and the pause options, run end to end.
#include "FlyFixture.h"
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace fs = std::filesystem;
using namespace FlyFixture;

namespace {

const std::string pausePrompt = "\nPress any key to continue...\n";

ProgramResult Navmerger(const fs::path& fly, std::vector<std::string> args) {
    args.insert(args.begin(), {"-F", fly.string()});
    return RunProgram(NAVMERGER_PATH, args, fly.string());
}

int32_t Int32At(const std::string& bytes, size_t offset) {
    int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

// A runway update made of database records whose airport and runway pair occurs once in the table.
std::string MatchingRunwayDex(const fs::path& fly) {
    const std::vector<std::vector<std::string>> rows =
        ReadFields(fly, "DATABASE\\RUNWAY.DBD", {"rapt", "rhid"});
    std::map<std::vector<std::string>, int> seen;
    for (const auto& row : rows)
        ++seen[row];
    const Archive archive = ReadArchive(Find(fly, "SYSTEM\\RUNWAY.POD"));
    const std::string& table = FindEntry(archive, "DATABASE\\RUNWAY.DBD")->bytes;
    const int32_t size = Int32At(table, 20);
    std::string records;
    for (size_t i = 0; i < rows.size() && records.size() < 3u * size; ++i)
        if (seen[rows[i]] == 1)
            records += table.substr(56 + i * size, size);
    std::string dex = "RUNWAY.DBD" + std::string(22, '\0');
    const int32_t header[2] = {size, static_cast<int32_t>(records.size() / size)};
    dex.append(reinterpret_cast<const char*>(header), 8);
    return dex + records;
}

TEST(RepairRunTest, RunwayRepairLeavesOtherDatabasesAndMatchingKeysAlone) {
    const fs::path fly = NewInstallation("runway-repair-nothing");
    const std::string airport = ReadBytes(fly / "dex" / "AIRPORT.DEX");
    const ProgramResult other = Navmerger(fly, {"-R", "dex/AIRPORT.DEX"});
    EXPECT_EQ(other.status, 0);
    EXPECT_TRUE(other.out.starts_with(Shown("Adding to database DATABASE/AIRPORT.DBD\n"))) << other.out;
    EXPECT_EQ(ReadBytes(fly / "dex" / "AIRPORT.DEX"), airport);

    const std::string matching = MatchingRunwayDex(fly);
    WriteBytes(fly / "dex" / "MATCHING.DEX", matching);
    const ProgramResult run = Navmerger(fly, {"-R", "dex/MATCHING.DEX"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(run.out.starts_with("Checking runway DB for mismatches, may take a while...\n"
                                    "No mismatched runway keys found.\n" +
                                    Shown("Adding to database DATABASE/RUNWAY.DBD\n")))
        << run.out;
    EXPECT_EQ(ReadBytes(fly / "dex" / "MATCHING.DEX"), matching);
}

TEST(RepairRunTest, RunwayRepairTakesTheDatabaseKeysAndRewritesTheUpdate) {
    const fs::path fly = NewInstallation("runway-repair");
    const std::string dexName = "dex/RUNWAY_MISMATCH.DEX";
    const auto database = ReadFields(fly, "DATABASE\\RUNWAY.DBD", {"rapt", "rhid", "rkey"});
    auto dex = ReadFields(fly, (fly / dexName).string(), {"rapt", "rhid", "rkey"});
    std::string expected = "Checking runway DB for mismatches, may take a while...\n";
    for (const auto& row : database)
        for (auto& update : dex)
            if (update[0] == row[0] && update[1] == row[1] && update[2] != row[2]) {
                expected += "Replacing runway key " + update[2] + " with " + row[2] + " for airport " +
                            update[0] + " runway " + update[1] + "\n";
                update[2] = row[2];
            }
    expected += "Saved " + Shown(dexName) + " with new record keys\n" + Shown("Adding to database DATABASE/RUNWAY.DBD\n");
    ASSERT_GE(std::count(expected.begin(), expected.end(), '\n'), 6);

    const ProgramResult run = Navmerger(fly, {"-r", dexName});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.substr(0, expected.size()), expected);
    EXPECT_EQ(ReadFields(fly, (fly / dexName).string(), {"rapt", "rhid", "rkey"}), dex);
}

TEST(RepairRunTest, SizeUpdateWidensOnlyFirstReleaseFiles) {
    const fs::path fly = NewInstallation("size-update");
    const std::string current = ReadBytes(fly / "dex" / "NAVAID.DEX");
    const ProgramResult unchanged = Navmerger(fly, {"-S", "dex/NAVAID.DEX"});
    EXPECT_EQ(unchanged.status, 0) << unchanged.out;
    EXPECT_TRUE(unchanged.out.starts_with("Adding to database")) << unchanged.out;
    EXPECT_EQ(ReadBytes(fly / "dex" / "NAVAID.DEX"), current);

    const std::string old = ReadBytes(fly / "dex" / "OLD_NAVAID.DEX");
    const int32_t oldSize = Int32At(old, 32);
    const int32_t count = Int32At(old, 36);
    const ProgramResult run = Navmerger(fly, {"-s", "dex/OLD_NAVAID.DEX"});
    EXPECT_EQ(run.status, 0) << run.out;
    const std::string line = Shown("Modified record size of dex/OLD_NAVAID.DEX from ") + std::to_string(oldSize) +
                             " to " + std::to_string(oldSize + 8) + " bytes\n";
    EXPECT_TRUE(run.out.starts_with(line + Shown("Adding to database DATABASE/NAVAID.DBD\n"))) << run.out;
    std::string widened = old.substr(0, 32);
    const int32_t header[2] = {oldSize + 8, count};
    widened.append(reinterpret_cast<const char*>(header), 8);
    for (int32_t i = 0; i < count; ++i)
        widened += old.substr(40 + i * oldSize, oldSize) + std::string(8, '\0');
    EXPECT_EQ(ReadBytes(fly / "dex" / "OLD_NAVAID.DEX"), widened);
}

TEST(RepairRunTest, DashOneRunsBothRepairsAndNothingElse) {
    const fs::path fly = NewInstallation("dash-one");
    const ProgramResult run = Navmerger(fly, {"-1", "dex/OLD_NAVAID.DEX", "dex/RUNWAY_MISMATCH.DEX"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(run.out.starts_with(Shown("Modified record size of dex/OLD_NAVAID.DEX"))) << run.out;
    EXPECT_NE(run.out.find("Checking runway DB for mismatches"), std::string::npos);
    EXPECT_EQ(run.out.find(pausePrompt), std::string::npos);
    EXPECT_TRUE(fs::is_empty(Find(fly, "DATABASE"))) << "-1 does not keep files";
}

// The prompt shows only where a key can answer it: on a terminal, not in captured output.
TEST(RepairRunTest, PauseOptionsPromptOnATerminalOnlyAndOnlyWhenAsked) {
    const fs::path fly = NewInstallation("pauses");
    struct Case {
        std::string option;
        std::string dex;
        int status;
        bool prompt;
    };
    const std::vector<Case> cases = {{"-px", "COMM.DEX", 0, true},
                                     {"-PY", "COMM.DEX", 0, false},
                                     {"-PY", "MISSING.DEX", 2, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option + " " + c.dex);
        const std::vector<std::string> args = {c.option, "-F", fly.string(), (fly / "dex" / c.dex).string()};
        const ProgramResult captured = RunProgram(NAVMERGER_PATH, args);
        EXPECT_EQ(captured.status, c.status);
        EXPECT_EQ(captured.out.find("Press any key"), std::string::npos) << captured.out;
        EXPECT_TRUE(captured.out.ends_with(c.status == 0 ? "Database merge successful!\n" : "\n")) << captured.out;

#ifndef _WIN32 // a pseudo-terminal gives the key
        TerminalResult terminal;
        try {
            terminal = RunOnTerminal(NAVMERGER_PATH, args, true, "Press any key to continue...", 'x');
        } catch (const std::runtime_error& error) {
            GTEST_SKIP() << error.what();
        }
        EXPECT_EQ(terminal.result.status, c.status);
        EXPECT_EQ(terminal.waited, c.prompt) << terminal.result.out;
        EXPECT_EQ(terminal.result.out.find("Press any key") != std::string::npos, c.prompt) << terminal.result.out;
#endif
    }
}

} // namespace
