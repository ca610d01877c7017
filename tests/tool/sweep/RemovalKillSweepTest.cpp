// The removal of an add-on killed just before each of its calls that change the disk: the next start
// undoes what it did, so the folder and the library are as before it; a removal that ran to its end is
// undone from the history the same way.
#include "SweepFixture.h"
#include "TracedKill.h"
#include "UndoNewest.h"

#include "install/AddonLibrary.h"
#include "install/AddonRemoval.h"

#include <iostream>

namespace {

class RemovalKillSweep : public SweepFixture {
  protected:
    void SetUp() override {
        SweepFixture::SetUp();
        Prepare(QStringLiteral("remove"));
        before_ = Consistent();
    }

    TracedRun Run(int killBefore) const {
        return RunTraced(SWEEP_RUNNER_PATH, Arguments(QStringLiteral("remove")), Path("work").toStdString(),
                         killBefore);
    }

    // The folders with the library file: what must agree with each other.
    QMap<QString, QByteArray> Consistent() const {
        QMap<QString, QByteArray> state = State();
        state.insert("library", ReadFile(AddonLibrary(fly_).File()));
        return state;
    }

    QMap<QString, QByteArray> before_;
};

TEST_F(RemovalKillSweep, KilledBeforeEachDiskChangeThenRecoveredAtTheNextStart) {
    TracedRun whole;
    try {
        whole = Run(0);
    } catch (const TracingRefused& error) {
        GTEST_SKIP() << error.what();
    }
    ASSERT_EQ(whole.exitStatus, 0);
    ASSERT_NE(Consistent(), before_);
    ChangeJournal journal(fly_);
    ASSERT_EQ(journal.Entries().value(0).operation, RemovalName("A"));
    EXPECT_EQ(UndoNewest(journal, 1).stop, UndoReport::Stop::None);
    ASSERT_EQ(Consistent(), before_);

    for (int kill = 1; kill <= whole.diskChanges; ++kill) {
        SCOPED_TRACE("killed before disk change " + std::to_string(kill));
        ASSERT_TRUE(Run(kill).killed);
        const LibraryRecovery recovered = RecoverAddonLibrary(fly_);
        EXPECT_TRUE(recovered.pending.isEmpty() ||
                    (recovered.pending == RemovalName("A") && recovered.undoable &&
                     recovered.undo.stop == UndoReport::Stop::None))
            << recovered.pending.toStdString();
        // Killed before the library said a removal began: its entry, if any, holds nothing of the library.
        if (journal.Entries().value(0).operation == RemovalName("A")) {
            EXPECT_EQ(UndoNewest(journal, 1).stop, UndoReport::Stop::None);
        }
        EXPECT_EQ(Consistent(), before_);
        EXPECT_EQ(journal.Entries().value(0).operation, InstallationName(InstallType::Scenery));
        if (HasFailure())
            break;
    }
    std::cout << "removal kill sweep: " << whole.diskChanges << " disk changes, each recovered\n";
}

} // namespace
