// The importer killed just before each of its calls that change the disk, in four setups: the archive
// always opens, a reader sees the old database or the new one, and a new run gives exactly what one
// uninterrupted import gives, with no temporary left. NAVMERGER_SWEEP_RECORDS sets the size of the
// installation (make faults: 100 000 records; make test: 200).
#include "FlyFixture.h"
#include "InstallationState.h"
#include "ProgramRun.h"
#include "TracedKill.h"

#include "driver/NavDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <stdexcept>

namespace fs = std::filesystem;
using namespace FlyFixture;
using InstallationState::Files;

namespace {

struct Setup {
    std::string name;
    std::vector<std::vector<std::string>> earlierRuns; // options and DEX file of each
    std::vector<std::string> options;                  // of the import that is killed
    // A loose table that differs from the archived one (the table of the first archive put back by hand,
    // or left by an earlier version): between the commit and its removal or replacement a reader sees it
    // with the new indexes. That window is what the record of the steps after the commit closes.
    bool staleTable = false;
};

void PrintTo(const Setup& setup, std::ostream* out) {
    *out << setup.name;
}

const std::vector<Setup> kSetups = {
    {"first", {}, {}},
    {"later", {{"dex/ADD_AIRPORT.DEX"}}, {}},
    {"kept-table", {{"-K", "dex/ADD_AIRPORT.DEX"}}, {}},
    {"keep", {}, {"-K"}},
    {"stale-table", {{"dex/ADD_AIRPORT.DEX"}}, {}, true},
    {"stale-table-keep", {{"dex/ADD_AIRPORT.DEX"}}, {"-K"}, true},
};

uint32_t SweepRecords() {
    const char* records = std::getenv("NAVMERGER_SWEEP_RECORDS");
    return records != nullptr ? static_cast<uint32_t>(std::strtoul(records, nullptr, 10)) : 200;
}

// The progress lines that tell which records a merge found.
std::vector<std::string> RecordLines(const std::string& out) {
    std::vector<std::string> lines;
    for (const std::string& line : Lines(out))
        if (line.starts_with("Adding record ") || line.starts_with("Replacing record ") ||
            line.starts_with("Deleting record ") || line.starts_with("Record "))
            lines.push_back(line);
    return lines;
}

struct Tally {
    int kills = 0;
    int killedOld = 0;
    int killedNew = 0;
    int mixes = 0;
    int windowMixes = 0; // the stale loose table beside the new indexes, after the commit
    int lostRecords = 0;
    int doubleMerges = 0;
    int leftovers = 0;
};

class KilledImport {
  public:
    explicit KilledImport(const Setup& setup)
        : fly_(NewInstallation("sweep-" + setup.name, SweepRecords())),
          saved_(NewFolder("sweep-" + setup.name + "-saved")),
          database_(*NavDatabase::Find("AIRPORT.DBD")) {
        for (const std::vector<std::string>& earlier : setup.earlierRuns)
            Expect(Run(earlier), "earlier import");
        if (setup.staleTable) {
            const Archive first = ReadArchive(Find(fly_, "SYSTEM\\AIRPORT.TRI"));
            fs::create_directories(fly_ / "DATABASE");
            WriteBytes(fly_ / "DATABASE" / "AIRPORT.DBD", FindEntry(first, "DATABASE\\AIRPORT.DBD")->bytes);
        }
        args_ = {"-F", fly_.string()};
        args_.insert(args_.end(), setup.options.begin(), setup.options.end());
        args_.push_back("dex/AIRPORT.DEX");
        for (const char* folder : {"SYSTEM", "DATABASE"})
            if (Exists(fly_, folder))
                fs::copy(Find(fly_, folder), saved_ / Find(fly_, folder).filename(), fs::copy_options::recursive);
    }

    // The installation as the setup left it. The importer never writes into a file it did not create,
    // so hard links to the saved copy are enough.
    void Restore() const {
        for (const char* folder : {"SYSTEM", "DATABASE"})
            if (Exists(fly_, folder))
                fs::remove_all(Find(fly_, folder));
        for (const fs::directory_entry& folder : fs::directory_iterator(saved_))
            fs::copy(folder.path(), fly_ / folder.path().filename(),
                     fs::copy_options::recursive | fs::copy_options::create_hard_links);
    }

    ProgramResult Run(const std::vector<std::string>& args) const {
        std::vector<std::string> all = {"-F", fly_.string()};
        all.insert(all.end(), args.begin(), args.end());
        return RunProgram(NAVMERGER_PATH, all, fly_.string());
    }
    ProgramResult Import() const { return RunProgram(NAVMERGER_PATH, args_, fly_.string()); }
    TracedRun Traced(int killBefore) const { return RunTraced(NAVMERGER_PATH, args_, fly_.string(), killBefore); }

    Files State() const { return InstallationState::Snapshot(fly_); }
    Files View() const { return InstallationState::ReaderView(fly_, "AIRPORT.POD", database_.packedFiles); }
    std::string Pod() const { return Find(fly_, "SYSTEM").filename().string() + "/AIRPORT.POD"; }
    std::string Backup() const { return Find(fly_, "SYSTEM").filename().string() + "/AIRPORT.TRI"; }

    static void Expect(const ProgramResult& run, const std::string& what) {
        if (run.status != 0)
            throw std::runtime_error(what + " failed: " + run.out);
    }

  private:
    fs::path fly_;
    fs::path saved_;
    const NavDatabase& database_;
    std::vector<std::string> args_;
};

// What the setup and one uninterrupted import look like, and what the import prints on each.
struct Reference {
    Files before;
    Files after;
    Files viewBefore;
    Files viewAfter;
    std::vector<std::string> firstMerge;  // record lines of the import
    std::vector<std::string> secondMerge; // of the same import run again after it completed
};

Reference MakeReference(const KilledImport& import) {
    Reference reference;
    reference.before = import.State();
    reference.viewBefore = import.View();
    const ProgramResult first = import.Import();
    KilledImport::Expect(first, "the import");
    reference.firstMerge = RecordLines(first.out);
    reference.after = import.State();
    reference.viewAfter = import.View();
    const ProgramResult second = import.Import();
    KilledImport::Expect(second, "the import run again");
    reference.secondMerge = RecordLines(second.out);
    return reference;
}

// The one mix a stale loose table allows after the commit: the new database but for the table, which is
// still the stale one.
bool IsStaleTableWindow(Files view, const Reference& reference) {
    const std::string table = "DATABASE\\AIRPORT.DBD";
    if (view[table] != reference.viewBefore.at(table))
        return false;
    view[table] = reference.viewAfter.at(table);
    return view == reference.viewAfter;
}

// The state a kill left: every archive opens and is old or new, the backup is the old archive, and a
// reader sees the old database before the commit and the new one after it. True after the commit.
bool CheckKilledState(const KilledImport& import, const Reference& reference, bool staleTable, Tally& tally) {
    Files state;
    Files view;
    try {
        state = import.State();
        view = import.View();
    } catch (const std::exception& error) {
        ADD_FAILURE() << "an archive does not open: " << error.what();
        return false;
    }
    const std::string system = fs::path(import.Pod()).parent_path().string() + "/";
    for (const auto& [name, contents] : reference.before) {
        if (name.starts_with(system) && name != import.Pod() && name != import.Backup()) {
            EXPECT_TRUE(state[name] == contents) << name << " changed";
        }
    }
    const std::string& pod = state[import.Pod()];
    EXPECT_TRUE(pod == reference.before.at(import.Pod()) || pod == reference.after.at(import.Pod()));
    // An earlier import made the backup, or this one makes it from the archive it replaces.
    const auto backup = reference.before.find(import.Backup());
    if (state.count(import.Backup())) {
        EXPECT_TRUE(state[import.Backup()] ==
                    (backup != reference.before.end() ? backup->second : reference.before.at(import.Pod())))
            << "the backup is not the archive before the first import";
    }
    const bool committed = pod == reference.after.at(import.Pod());
    if (view == (committed ? reference.viewAfter : reference.viewBefore))
        return committed;
    if (committed && staleTable && IsStaleTableWindow(view, reference)) {
        // Expected: no two files change at once. The commit replaces the archive; the stale loose table,
        // which a reader takes before the archive's, is removed (or replaced by the kept new one) only
        // after it, so a kill in between shows the new indexes beside the stale table. Removing it before
        // the commit would change what a reader sees before the commit instead. The recovery record closes
        // the window: the next run completes the steps (CheckRerun).
        ++tally.windowMixes;
    } else {
        ++tally.mixes;
        ADD_FAILURE() << "a reader sees neither the old database nor the new one";
    }
    return committed;
}

// A new run completes the import once: the same files as one uninterrupted import, nothing more.
void CheckRerun(const KilledImport& import, const Reference& reference, bool killedNew, Tally& tally) {
    const ProgramResult rerun = import.Import();
    ASSERT_EQ(rerun.status, 0) << rerun.out;
    const std::vector<std::string> lines = RecordLines(rerun.out);
    if (!killedNew && lines == reference.secondMerge)
        ++tally.doubleMerges;
    EXPECT_EQ(lines, killedNew ? reference.secondMerge : reference.firstMerge);

    const Files state = import.State();
    for (const auto& [name, contents] : state)
        if (!reference.after.count(name)) {
            ++tally.leftovers;
            ADD_FAILURE() << "left behind: " << name;
        }
    const std::string table = "DATABASE\\AIRPORT.DBD";
    const std::vector<std::string> expected = InstallationState::Records(reference.viewAfter.at(table));
    const std::vector<std::string> found = InstallationState::Records(import.View()[table]);
    std::vector<std::string> lost;
    std::set_difference(expected.begin(), expected.end(), found.begin(), found.end(), std::back_inserter(lost));
    tally.lostRecords += static_cast<int>(lost.size());
    EXPECT_TRUE(state == reference.after) << "the installation differs from one uninterrupted import";
}

class KillSweep : public ::testing::TestWithParam<Setup> {};

TEST_P(KillSweep, ImportKilledBeforeEachDiskChange) {
    const auto start = std::chrono::steady_clock::now();
    const KilledImport import(GetParam());
    const Reference reference = MakeReference(import);
    import.Restore();
    TracedRun whole;
    try {
        whole = import.Traced(0);
    } catch (const TracingRefused& refused) {
        GTEST_SKIP() << refused.what();
    }
    ASSERT_GT(whole.diskChanges, 0);
    ASSERT_TRUE(import.State() == reference.after) << "a traced run differs from an untraced one";

    Tally tally;
    for (int n = 1; n <= whole.diskChanges; ++n) {
        SCOPED_TRACE("killed before disk change " + std::to_string(n) + " of " + std::to_string(whole.diskChanges));
        import.Restore();
        ASSERT_TRUE(import.Traced(n).killed);
        ++tally.kills;
        const bool killedNew = CheckKilledState(import, reference, GetParam().staleTable, tally);
        ++(killedNew ? tally.killedNew : tally.killedOld);
        CheckRerun(import, reference, killedNew, tally);
        if (HasFatalFailure() || HasFailure())
            break;
    }
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
    std::cout << "kill sweep " << GetParam().name << ", " << SweepRecords() << " records: " << tally.kills
              << " kills (" << tally.killedOld << " left the old database, " << tally.killedNew
              << " the new), mixes " << tally.mixes << ", the stale loose table beside the new indexes "
              << tally.windowMixes << ", lost records " << tally.lostRecords
              << ", double merges " << tally.doubleMerges << ", leftovers " << tally.leftovers << ", " << seconds
              << " s\n";
    RecordProperty("kills", tally.kills);
    EXPECT_EQ(tally.kills, whole.diskChanges);
    EXPECT_EQ(tally.lostRecords + tally.doubleMerges + tally.leftovers + tally.mixes, 0);
}

INSTANTIATE_TEST_SUITE_P(Setups, KillSweep, ::testing::ValuesIn(kSetups),
                         [](const ::testing::TestParamInfo<Setup>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
