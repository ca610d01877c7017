// A full disk in the middle of an import: the run fails with an error, the archive and its backup stay
// byte for byte, whatever it leaves in DATABASE is whole, and the next run completes the import.
#include "FlyFixture.h"
#include "LimitedRun.h"
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <set>

namespace fs = std::filesystem;
using namespace FlyFixture;

namespace {

constexpr uint32_t kRecords = 2000;
const std::vector<std::string> kFields = {"wkey", "wnam", "wtyp", "wctr", "wlat", "wlon"};
const std::set<std::string> kLooseFiles = {"WAYPOINT.DBD", "WAYPOINT.DBI", "WAYKEY.DBI", "WPTNAME.DBI"};

std::string Dex(const fs::path& fly, const std::string& name) {
    return Find(fly, "dex\\" + name).string();
}

void Import(const fs::path& fly, const std::string& dex, const std::vector<std::string>& options = {}) {
    std::vector<std::string> args = options;
    args.insert(args.end(), {"-F", fly.string(), Dex(fly, dex)});
    const ProgramResult result = RunProgram(NAVMERGER_PATH, args);
    ASSERT_EQ(result.status, 0) << result.out;
}

std::optional<std::string> BytesIfAny(const fs::path& path) {
    if (!fs::exists(path))
        return std::nullopt;
    return ReadBytes(path);
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    if (fs::exists(folder)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
    }
    return names;
}

// An index file is whole when its header's entry count and size account for every byte.
void ExpectWholeIndex(const fs::path& path) {
    const std::string bytes = ReadBytes(path);
    ASSERT_GE(bytes.size(), 68u) << path;
    uint32_t count = 0;
    uint32_t entrySize = 0;
    std::memcpy(&count, bytes.data() + 16, 4);
    std::memcpy(&entrySize, bytes.data() + 20, 4);
    EXPECT_EQ(bytes.size(), 68u + uint64_t{count} * entrySize) << path;
}

struct Written {
    uint64_t table = 0;
    uint64_t archive = 0;
};

// What a complete import of WAYPOINT.DEX writes (a kept run leaves the table loose), and the merged records.
const Written& CleanImport(std::vector<std::vector<std::string>>* records = nullptr) {
    static Written written;
    static std::vector<std::vector<std::string>> merged;
    if (written.table == 0) {
        const fs::path fly = NewInstallation("clean", kRecords);
        Import(fly, "WAYPOINT.DEX", {"-K"});
        written.table = fs::file_size(Find(fly, "DATABASE\\WAYPOINT.DBD"));
        written.archive = fs::file_size(Find(fly, "SYSTEM\\WAYPOINT.POD"));
        merged = ReadFields(fly, "DATABASE\\WAYPOINT.DBD", kFields);
    }
    if (records)
        *records = merged;
    return written;
}

void CheckFailedRun(uint64_t limit, bool earlierImport) {
    const fs::path fly = NewInstallation("full", kRecords);
    if (earlierImport)
        Import(fly, "DELETE_WAYPOINT.DEX");
    const fs::path pod = Find(fly, "SYSTEM\\WAYPOINT.POD");
    const fs::path tri = Find(fly, "SYSTEM\\WAYPOINT.TRI");
    const std::string podBefore = ReadBytes(pod);
    const std::optional<std::string> triBefore = BytesIfAny(tri);
    const std::set<std::string> systemBefore = Names(pod.parent_path());

    std::string out;
    const int status = RunWithFileLimit(NAVMERGER_PATH, {"-F", fly.string(), Dex(fly, "WAYPOINT.DEX")}, limit, out);
    EXPECT_NE(status, 0);
    EXPECT_NE(out.find("An error has occurred"), std::string::npos) << out;
    EXPECT_EQ(out.find("Database merge successful!"), std::string::npos);
    EXPECT_TRUE(ReadBytes(pod) == podBefore) << "WAYPOINT.POD changed";
    EXPECT_TRUE(BytesIfAny(tri) == triBefore) << "WAYPOINT.TRI changed";
    EXPECT_EQ(Names(pod.parent_path()), systemBefore);

    const fs::path database = fly / "DATABASE";
    for (const std::string& name : Names(database)) {
        EXPECT_TRUE(kLooseFiles.count(name)) << "left behind: " << name;
        if (name.ends_with(".DBI"))
            ExpectWholeIndex(database / name);
    }
    if (fs::exists(database / "WAYPOINT.DBD")) {
        EXPECT_NO_THROW(ReadFields(fly, "DATABASE\\WAYPOINT.DBD", kFields));
    }

    // Without the limit the same import completes; with an earlier import the deleted records stay deleted.
    Import(fly, "WAYPOINT.DEX");
    std::vector<std::vector<std::string>> expected;
    CleanImport(&expected);
    const std::vector<std::vector<std::string>> merged = ReadFields(fly, "DATABASE\\WAYPOINT.DBD", kFields);
    if (!earlierImport) {
        EXPECT_EQ(merged, expected);
    } else {
        EXPECT_EQ(merged.size() + 2, expected.size());
    }
    EXPECT_EQ(ReadArchive(pod).entries.size(), 5u);
    EXPECT_TRUE(BytesIfAny(tri) == (earlierImport ? triBefore : std::optional(podBefore)))
        << "WAYPOINT.TRI is not the first archive";
}

} // namespace

// The file size limit cuts the table, then the new archive, at their start, middle and end (the archive
// made after the earlier import is two records shorter, hence a little before its last byte).
// (Each index file is smaller than the table, so a per-file limit cannot fail an index alone.)
TEST(DiskFull, FailedImportKeepsArchiveAndBackupAndCanBeRepeated) {
    const Written& written = CleanImport();
    ASSERT_GT(written.archive, written.table);
    const std::vector<uint64_t> limits = {0,
                                          written.table / 2,
                                          written.table - 1,
                                          written.table + (written.archive - written.table) / 2,
                                          written.archive - 256};
    for (const uint64_t limit : limits) {
        for (const bool earlierImport : {false, true}) {
            SCOPED_TRACE("limit " + std::to_string(limit) + (earlierImport ? ", after an earlier import" : ""));
            CheckFailedRun(limit, earlierImport);
        }
    }
}
