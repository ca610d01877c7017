// Each journaled operation of the tool, run in a process of its own as its window runs it, killed just
// before each of its calls that change the disk, then undone from here: the simulator folder and the
// add-on folder come back byte for byte (names, case, contents, hidden files), and the journal keeps no
// entry and no store. An undo that can't be made counts as a failure as much as one that leaves something
// behind. Where ptrace is refused, the sweep is skipped.
#include "SweepFixture.h"
#include "TracedKill.h"

#include "journal/ChangeJournal.h"

#include <QRegularExpression>

#include <chrono>
#include <iostream>
#include <stdexcept>

namespace {

struct SweepCase final {
    const char* runnerName; // the runner's name for the operation
    const char* operation;  // as its window names it in the journal
};

void PrintTo(const SweepCase& sweepCase, std::ostream* out) {
    *out << sweepCase.runnerName;
}

const SweepCase Cases[] = {
    {"profile", "Charger et appliquer profil"}, {"install", "Installation scénes"},
    {"move", "Déplacement [scènes]"},           {"flyini", "Enregistrer fly.ini"},
    {"data", "Enregistrement auto. [DATA]"},    {"dex", "Installation DEX files"},
    {"copy", "Déplacement [scènes]"},           {"zip", "Installation scénes"},
};

struct Tally final {
    int kills = 0;
    int nothingJournaled = 0;  // killed before its entry was there
    int unfinishedEntries = 0; // of those, the entry file being made was left, never an entry
    int undone = 0;
};

class ToolKillSweep : public SweepFixture, public ::testing::WithParamInterface<SweepCase> {
  protected:
    void SetUp() override {
        SweepFixture::SetUp();
        Prepare(QString::fromLatin1(GetParam().runnerName));
        CreateFile("work/go", {}); // the stand-in importer never waits here
        before_ = State();
    }

    TracedRun Run(int killBefore) const {
        return RunTraced(SWEEP_RUNNER_PATH, Arguments(QString::fromLatin1(GetParam().runnerName)),
                         Path("work").toStdString(), killBefore);
    }

    // Undoes whatever the run left: everything comes back and the journal keeps no entry and no store.
    // A killed writer's unfinished entry file is no entry: the next operation's prune takes it away.
    void ExpectUndone(Tally& tally) const {
        const bool journaled = !ChangeJournal(fly_).Entries().isEmpty();
        const UndoReport undone = UndoAll();
        ++(journaled ? tally.undone : tally.nothingJournaled);
        EXPECT_TRUE(!journaled || undone.stop == UndoReport::Stop::None) << undone.failure.path.toStdString();
        EXPECT_EQ(State(), before_);
        const QStringList left = JournalFiles();
        const QStringList unfinished = left.filter(QRegularExpression(QStringLiteral("^\\d+\\.new$")));
        tally.unfinishedEntries += int(unfinished.size());
        EXPECT_EQ(left.size(), unfinished.size()) << left.join(' ').toStdString();
    }

    // Runs the operation to its end: it succeeds and changes something, under one entry named as its window
    // names it, that undo takes back whole.
    void RunWhole(TracedRun& whole) {
        whole = Run(0);
        ASSERT_EQ(whole.exitStatus, 0);
        ASSERT_NE(State(), before_);
        const QList<JournalEntry> entries = ChangeJournal(fly_).Entries();
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0].operation, QString::fromUtf8(GetParam().operation));
        EXPECT_TRUE(entries[0].ended);
        Tally complete;
        ExpectUndone(complete);
    }

    QMap<QString, QByteArray> before_;
};

TEST_P(ToolKillSweep, KilledBeforeEachDiskChangeThenUndone) {
    const auto start = std::chrono::steady_clock::now();
    TracedRun whole;
    try {
        RunWhole(whole);
    } catch (const TracingRefused& error) {
        GTEST_SKIP() << error.what();
    }
    ASSERT_FALSE(HasFailure());
    // The first run made the journal's folder: the kills find it there, and so does the run that counts.
    RunWhole(whole);
    ASSERT_FALSE(HasFailure());

    Tally tally;
    for (int n = 1; n <= whole.diskChanges && !HasFailure(); ++n) {
        SCOPED_TRACE("killed before disk change " + std::to_string(n) + " of " +
                     std::to_string(whole.diskChanges));
        ASSERT_TRUE(Run(n).killed);
        ++tally.kills;
        ExpectUndone(tally);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "tool kill sweep " << GetParam().runnerName << ": " << whole.diskChanges << " disk changes, "
              << tally.kills << " kills, " << tally.undone << " undone, " << tally.nothingJournaled
              << " before the entry was there (" << tally.unfinishedEntries << " left its unfinished file), "
              << seconds << " s\n";
    RecordProperty("kills", tally.kills);
}

INSTANTIATE_TEST_SUITE_P(Operations, ToolKillSweep, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<SweepCase>& info) {
                             return std::string(info.param.runnerName);
                         });

} // namespace
