// The simulator's archive survives the importer being killed at any moment of a large import.
#include "FlyFixture.h"
#include "ProgramRun.h"
#include "TracedKill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

namespace fs = std::filesystem;
using namespace FlyFixture;

namespace {

// What must survive of an archive: its entries and the table's records (their order among equal
// keys and the time stamps may differ from run to run).
struct ArchiveContents {
    std::vector<std::string> names;
    std::string tableHeader;
    std::vector<std::string> records;

    bool operator==(const ArchiveContents&) const = default;
};

ArchiveContents ContentsOf(const fs::path& pod) {
    const Archive archive = ReadArchive(pod);
    ArchiveContents contents{EntryNames(archive), {}, {}};
    const ArchiveEntry* table = FindEntry(archive, "DATABASE\\RUNWAY.DBD");
    if (table == nullptr || table->bytes.size() < 56)
        return contents;
    contents.tableHeader = table->bytes.substr(16, 8);
    int32_t size = 0;
    std::memcpy(&size, table->bytes.data() + 20, 4);
    for (size_t at = 56; size > 0 && at + size <= table->bytes.size(); at += size)
        contents.records.push_back(table->bytes.substr(at, size));
    std::sort(contents.records.begin(), contents.records.end());
    return contents;
}

class KilledImport {
  public:
    explicit KilledImport(const fs::path& fly) : fly_(fly), system_(Find(fly, "SYSTEM")) {
        original_ = ReadBytes(system_ / "RUNWAY.POD");
    }

    // The installation as before any import; withBackup: as after an earlier one.
    void Restore(bool withBackup) const {
        for (const auto& entry : fs::directory_iterator(system_))
            if (entry.path().filename().string().starts_with("RUNWAY."))
                fs::remove(entry.path());
        fs::remove_all(fly_ / "DATABASE");
        WriteBytes(system_ / "RUNWAY.POD", original_);
        if (withBackup)
            WriteBytes(system_ / "RUNWAY.TRI", original_);
    }

    ProgramResult RunToEnd() const {
        return RunProgram(NAVMERGER_PATH, {"-F", fly_.string(), "dex/RUNWAY.DEX"}, fly_.string());
    }

    void RunAndKill(std::chrono::microseconds delay) const {
        const pid_t pid =
            StartProgram(NAVMERGER_PATH, {"-F", fly_.string(), "dex/RUNWAY.DEX"}, fly_.string());
        std::this_thread::sleep_for(delay);
        ::kill(pid, SIGKILL);
        WaitProgram(pid);
    }

    bool KillBeforeFileChange(int n) const {
        return KillBeforeNthFileChange(NAVMERGER_PATH, {"-F", fly_.string(), "dex/RUNWAY.DEX"}, fly_.string(),
                                       n);
    }

    bool IsOriginal(const fs::path& file) const { return ReadBytes(file) == original_; }
    fs::path Pod() const { return system_ / "RUNWAY.POD"; }
    fs::path Backup() const { return system_ / "RUNWAY.TRI"; }

  private:
    fs::path fly_;
    fs::path system_;
    std::string original_;
};

// After a kill the archive opens and is the old one or the merged one, a backup is the old archive, and
// a second run completes. True when the kill left the old archive.
bool CheckAfterKill(const KilledImport& import, const ArchiveContents& merged) {
    if (!fs::exists(import.Pod())) {
        ADD_FAILURE() << "the simulator's archive is missing";
        return false;
    }
    const bool old = import.IsOriginal(import.Pod());
    if (!old) {
        EXPECT_EQ(ContentsOf(import.Pod()), merged);
    }
    if (fs::exists(import.Backup())) {
        EXPECT_TRUE(import.IsOriginal(import.Backup()));
    }
    const ProgramResult again = import.RunToEnd();
    EXPECT_EQ(again.status, 0) << again.out;
    EXPECT_EQ(ContentsOf(import.Pod()), merged);
    EXPECT_TRUE(import.IsOriginal(import.Backup()));
    return old;
}

TEST(ArchiveKillTest, ArchiveIsOldOrNewWheneverTheImportIsKilled) {
    const KilledImport import(NewInstallation("kill", 100000));
    import.Restore(false);
    const auto start = std::chrono::steady_clock::now();
    const ProgramResult reference = import.RunToEnd();
    const auto whole =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    ASSERT_EQ(reference.status, 0) << reference.out;
    const ArchiveContents merged = ContentsOf(import.Pod());
    ASSERT_EQ(merged.names.size(), 3u);

    // Points spread over the whole run, and more of them near its end, where the archives change.
    constexpr int spread = 12;
    constexpr int nearEnd = 8;
    int oldSeen = 0;
    for (int i = 0; i < spread + nearEnd; ++i) {
        const double share = i < spread ? (i + 0.5) / spread : 0.75 + 0.3 * (i - spread + 0.5) / nearEnd;
        const bool withBackup = i % 2 == 1;
        import.Restore(withBackup);
        import.RunAndKill(std::chrono::microseconds(static_cast<int64_t>(whole.count() * share)));

        SCOPED_TRACE("killed at " + std::to_string(share) +
                     (withBackup ? " of a later import" : " of a first import"));
        oldSeen += CheckAfterKill(import, merged) ? 1 : 0;
        if (HasFailure())
            return;
    }
    RecordProperty("killsBeforeTheSwap", oldSeen);

    // And just before each rename or removal of a file, where a careless swap loses the archive.
    for (const bool withBackup : {false, true}) {
        for (int n = 1;; ++n) {
            import.Restore(withBackup);
            bool killed = false;
            try {
                killed = import.KillBeforeFileChange(n);
            } catch (const std::runtime_error& error) {
                GTEST_SKIP() << error.what();
            }
            if (!killed)
                break;
            SCOPED_TRACE("killed before file change " + std::to_string(n) +
                         (withBackup ? " of a later import" : " of a first import"));
            CheckAfterKill(import, merged);
            if (HasFailure())
                return;
        }
    }
}

} // namespace
