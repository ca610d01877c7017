// Imports that fail: a full disk (a plain file size limit) in the middle of one, a read-only SYSTEM
// folder, input that cannot be merged or indexed. The run reports an error, every file of the
// installation stays byte for byte, nothing is left behind, and the next run completes the import.
#include "ExecProgram.h"
#include "FlyFixture.h"
#include "LimitedRun.h"
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <cmath>
#include <cstring>
#include <linux/capability.h>
#include <map>
#include <sys/prctl.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace FlyFixture;

namespace {

constexpr uint32_t kRecords = 2000;
const std::vector<std::string> kFields = {"wkey", "wnam", "wtyp", "wctr", "wlat", "wlon"};

std::string Dex(const fs::path& fly, const std::string& name) {
    return Find(fly, "dex\\" + name).string();
}

void Import(const fs::path& fly, const std::string& dex, const std::vector<std::string>& options = {}) {
    std::vector<std::string> args = options;
    args.insert(args.end(), {"-F", fly.string(), Dex(fly, dex)});
    const ProgramResult result = RunProgram(NAVMERGER_PATH, args);
    ASSERT_EQ(result.status, 0) << result.out;
}

// Every file of the installation, by its path below it.
std::map<std::string, std::string> AllFiles(const fs::path& fly) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(fly))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), fly).string()] = ReadBytes(entry.path());
    return files;
}

void ExpectUnchanged(const std::map<std::string, std::string>& before, const std::map<std::string, std::string>& after) {
    for (const auto& [name, bytes] : after) {
        const auto old = before.find(name);
        EXPECT_TRUE(old != before.end()) << "left behind: " << name;
        if (old != before.end()) {
            EXPECT_TRUE(old->second == bytes) << name << " changed";
        }
    }
    for (const auto& [name, bytes] : before)
        EXPECT_TRUE(after.count(name)) << name << " is gone";
}

enum class Earlier { None, Import, KeptImport };

fs::path Prepared(Earlier earlier) {
    const fs::path fly = NewInstallation("full", kRecords);
    if (earlier == Earlier::Import)
        Import(fly, "DELETE_WAYPOINT.DEX");
    if (earlier == Earlier::KeptImport)
        Import(fly, "DELETE_WAYPOINT.DEX", {"-K"});
    return fly;
}

struct Written {
    uint64_t table = 0;
    uint64_t archive = 0;
    uint64_t originalArchive = 0;
    uint64_t archiveAfterDeletions = 0;
    std::vector<std::vector<std::string>> merged;
};

// What complete imports write (a kept run leaves the table loose), and the records of WAYPOINT.DEX merged.
const Written& CleanImports() {
    static const Written written = [] {
        Written w;
        const fs::path fly = NewInstallation("clean", kRecords);
        w.originalArchive = fs::file_size(Find(fly, "SYSTEM\\WAYPOINT.POD"));
        Import(fly, "WAYPOINT.DEX", {"-K"});
        w.table = fs::file_size(Find(fly, "DATABASE\\WAYPOINT.DBD"));
        w.archive = fs::file_size(Find(fly, "SYSTEM\\WAYPOINT.POD"));
        w.merged = ReadFields(fly, "DATABASE\\WAYPOINT.DBD", kFields);
        const fs::path deleted = NewInstallation("clean-deleted", kRecords);
        Import(deleted, "DELETE_WAYPOINT.DEX");
        w.archiveAfterDeletions = fs::file_size(Find(deleted, "SYSTEM\\WAYPOINT.POD"));
        return w;
    }();
    return written;
}

void ExpectFailedRun(int status, const std::string& out) {
    EXPECT_GT(status, 0) << out;
    EXPECT_NE(out.find("An error has occurred"), std::string::npos) << out;
    EXPECT_EQ(out.find("Database merge successful!"), std::string::npos);
}

// Without the limit the same import completes; after the earlier import the deleted records stay deleted.
void ExpectCompletedAfterwards(const fs::path& fly, Earlier earlier, const std::string& firstArchive) {
    Import(fly, "WAYPOINT.DEX");
    const std::vector<std::vector<std::string>> merged = ReadFields(fly, "DATABASE\\WAYPOINT.DBD", kFields);
    if (earlier == Earlier::None) {
        EXPECT_EQ(merged, CleanImports().merged);
    } else {
        EXPECT_EQ(merged.size() + 2, CleanImports().merged.size());
    }
    EXPECT_EQ(ReadArchive(Find(fly, "SYSTEM\\WAYPOINT.POD")).entries.size(), 5u);
    EXPECT_TRUE(ReadBytes(Find(fly, "SYSTEM\\WAYPOINT.TRI")) == firstArchive) << "WAYPOINT.TRI is not the first archive";
    EXPECT_TRUE(fs::is_empty(Find(fly, "DATABASE")));
}

} // namespace

// The file size limit cuts the table, then the new archive, at their start, middle and end (the archive
// made after the earlier import is two records shorter, hence a little before its last byte), after no
// earlier import, an earlier one, and an earlier one that kept its files loose. (Each index file is smaller
// than the table, so a per-file limit cannot fail an index alone.)
TEST(DiskFull, FailedImportChangesNothingAndCanBeRepeated) {
    const Written& written = CleanImports();
    ASSERT_GT(written.archive, written.table);
    const std::vector<uint64_t> limits = {0,
                                          written.table / 2,
                                          written.table - 1,
                                          written.table + (written.archive - written.table) / 2,
                                          written.archive - 256};
    for (const uint64_t limit : limits) {
        for (const Earlier earlier : {Earlier::None, Earlier::Import, Earlier::KeptImport}) {
            SCOPED_TRACE("limit " + std::to_string(limit) + ", earlier import " +
                         std::to_string(static_cast<int>(earlier)));
            const fs::path fly = Prepared(earlier);
            const std::string firstArchive =
                ReadBytes(Find(fly, earlier == Earlier::None ? "SYSTEM\\WAYPOINT.POD" : "SYSTEM\\WAYPOINT.TRI"));
            const auto before = AllFiles(fly);
            std::string out;
            const int status =
                RunWithFileLimit(NAVMERGER_PATH, {"-F", fly.string(), Dex(fly, "WAYPOINT.DEX")}, limit, out);
            ExpectFailedRun(status, out);
            ExpectUnchanged(before, AllFiles(fly));
            ExpectCompletedAfterwards(fly, earlier, firstArchive);
        }
    }
}

// The first backup is a full copy of the old archive: a limit that the new, smaller archive stays under
// stops the copy, and the import is undone with it.
TEST(DiskFull, FailedFirstBackupChangesNothing) {
    const Written& written = CleanImports();
    ASSERT_LT(written.archiveAfterDeletions, written.originalArchive - 1);
    const fs::path fly = Prepared(Earlier::None);
    const auto before = AllFiles(fly);
    std::string out;
    const int status = RunWithFileLimit(NAVMERGER_PATH, {"-F", fly.string(), Dex(fly, "DELETE_WAYPOINT.DEX")},
                                        written.originalArchive - 1, out);
    ExpectFailedRun(status, out);
    EXPECT_NE(out.find("Error copying "), std::string::npos) << out;
    ExpectUnchanged(before, AllFiles(fly));
}

// The importer cannot write its new archive into SYSTEM: refused before anything changes. Root passes
// over permissions, so it runs without that privilege.
TEST(ReadOnlySystem, ImportIsRefusedAndChangesNothing) {
    const fs::path fly = Prepared(Earlier::KeptImport);
    const fs::path system = Find(fly, "SYSTEM");
    const auto before = AllFiles(fly);
    fs::permissions(system, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    std::vector<std::string> args = {"-F", fly.string(), Dex(fly, "WAYPOINT.DEX")};
    int outPipe[2];
    ASSERT_EQ(::pipe(outPipe), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(outPipe[1], STDOUT_FILENO);
        ::dup2(::open("/dev/null", O_WRONLY), STDERR_FILENO);
        if (::geteuid() == 0 && (::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE) != 0 ||
                                 ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH) != 0))
            ::_exit(125);
        ExecProgram(NAVMERGER_PATH, args);
    }
    ::close(outPipe[1]);
    std::string out;
    char buffer[4096];
    for (ssize_t count; (count = ::read(outPipe[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<size_t>(count));
    ::close(outPipe[0]);
    const int status = WaitProgram(pid);
    fs::permissions(system, fs::perms::owner_write, fs::perm_options::add);
    if (status == 125)
        GTEST_SKIP() << "cannot give up the privilege to pass over permissions";
    ExpectFailedRun(status, out);
    EXPECT_NE(out.find("Unable to open " + system.string() + "/WAYPOINT.TMP"), std::string::npos) << out;
    ExpectUnchanged(before, AllFiles(fly));
}

namespace {

// The archived template of a database.
std::string TemplateOf(const fs::path& fly, const std::string& base) {
    const Archive archive = ReadArchive(Find(fly, "SYSTEM\\" + base + ".POD"));
    return FindEntry(archive, "DATABASE\\" + base + ".DBT")->bytes;
}

int FieldOffset(const std::string& dbt, const std::string& code) {
    const size_t line = dbt.find("\n" + code + ",");
    return std::atoi(dbt.c_str() + line + code.size() + 2);
}

ProgramResult RefusedRun(const fs::path& fly, const std::vector<std::string>& args) {
    const auto before = AllFiles(fly);
    std::vector<std::string> all = {"-F", fly.string()};
    all.insert(all.end(), args.begin(), args.end());
    const ProgramResult run = RunProgram(NAVMERGER_PATH, all, fly.string());
    ExpectFailedRun(run.status, run.out);
    ExpectUnchanged(before, AllFiles(fly));
    return run;
}

} // namespace

// A coordinate that is not a number reached an undefined conversion and was indexed under a made-up key.
TEST(RefusedInput, PositionWithoutAnIndexKeyChangesNothing) {
    const fs::path fly = Prepared(Earlier::None);
    std::string dex = ReadBytes(fly / "dex" / "WAYPOINT.DEX");
    const double nan = std::nan("");
    std::memcpy(dex.data() + 40 + FieldOffset(TemplateOf(fly, "WAYPOINT"), "wlat"), &nan, sizeof nan);
    WriteBytes(fly / "dex" / "NAN.DEX", dex);
    const ProgramResult run = RefusedRun(fly, {"dex/NAN.DEX"});
    EXPECT_TRUE(Matches(run.out, "*An error has occurred:\nRecord * no index key can hold the position wlat = nan, "
                                 "wlon = *\nError code 0x2000d in IndexGen, line *"))
        << run.out;
    EXPECT_EQ(run.out.find("Rebuilding"), std::string::npos) << "refused before the table was written";
}

// A key field past the record made every key empty, so that updates overwrote and deleted records at
// random; refused before even -S rewrites the DEX file.
TEST(RefusedInput, KeyFieldPastTheRecordChangesNothing) {
    const fs::path fly = Prepared(Earlier::None);
    std::string dbt = TemplateOf(fly, "NAVAID");
    const size_t keyLine = dbt.find('\n') + 1;
    const size_t offset = dbt.find(',', keyLine) + 1;
    dbt.replace(offset, dbt.find(',', offset) - offset, "100000");
    fs::create_directories(fly / "DATABASE");
    WriteBytes(fly / "DATABASE" / "NAVAID.DBT", dbt);
    const ProgramResult run = RefusedRun(fly, {"-1", "dex/OLD_NAVAID.DEX"});
    EXPECT_TRUE(Matches(run.out, "An error has occurred:\nKey field * of DATABASE?NAVAID.DBT lies outside the "
                                 "record (offset 100000, *)\nError code 0x2000e in TriDbTemplate, line *"))
        << run.out;
}

// Earlier versions left temporaries under random names when they were killed, and X.TMP, a full-size
// copy of the archive among them; every run removes them, whatever database it imports, and leaves the
// files people named themselves.
TEST(RefusedInput, TemporariesOfEarlierVersionsGoAndOwnFilesStay) {
    const fs::path fly = Prepared(Earlier::None);
    const fs::path system = Find(fly, "SYSTEM");
    fs::create_directories(fly / "DATABASE");
    const std::vector<fs::path> temporaries = {system / "AIRPORT.TRI.a8Bc9Z", system / "AIRPORT.TMP",
                                               fly / "DATABASE" / "AIRPORT.DBD.Qw3rTy",
                                               fly / "DATABASE" / "aprtglob.dbi.0aZ9xK"};
    const std::vector<fs::path> kept = {system / "AIRPORT.TRI.backup", system / "AIRPORT.TMPX",
                                        fly / "DATABASE" / "AIRPORT.DBD.BACKUP", fly / "DATABASE" / "NOTES.TXT"};
    for (const fs::path& file : temporaries)
        WriteBytes(file, ReadBytes(system / "AIRPORT.POD"));
    for (const fs::path& file : kept)
        WriteBytes(file, "mine");
    Import(fly, "COMM.DEX");
    for (const fs::path& file : temporaries)
        EXPECT_FALSE(fs::exists(file)) << file;
    for (const fs::path& file : kept)
        EXPECT_TRUE(fs::exists(file)) << file;
}
