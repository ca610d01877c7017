#include "SmallFileSystem.h"
#include "TempFolderTest.h"
#include "UndoNewest.h"

#include "fs/FileUtils.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "journal/JournalScope.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Each test journals into its own data folder.
class ChangeJournalTest : public TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        saved_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", Path("share").toUtf8());
        fly_ = Path("Fly2");
        CreateFile("Fly2/FLY2.EXE", "exe");
        CreateFile("Fly2/modules/pc/A.DLL", "dll a");
        CreateFile("Fly2/modules/pc/b.dll.notused", "dll b");
        CreateFile("Fly2/system/fly.ini", "[x]\r\na=1\r\n");
        CreateFile("Fly2/data/one.txt", "one");
        CreateFile("Fly2/data/sub/two.txt", "two");
        before_ = Tree("Fly2");
    }
    void TearDown() override {
        JournalScope::SetStepHook({});
        JournalScope::SetUnsealedWarning({});
        qputenv("XDG_DATA_HOME", saved_);
        TempFolderTest::TearDown();
    }

    QString F(const QString& relative) const { return fly_ + '/' + relative; }
    ChangeJournal Journal() const { return ChangeJournal(fly_); }

    // Every kind of change the file layer makes, in one operation.
    void ChangeEverything() const {
        EXPECT_TRUE(RenameNoReplace(F("modules/pc/A.DLL"), F("modules/pc/A.DLL.notused")));
        EXPECT_TRUE(RenameNoReplace(F("modules/pc/b.dll.notused"), F("modules/pc/b.dll")));
        EXPECT_TRUE(WriteFileAtomic(F("SYSTEM/FLY.INI"), "[x]\r\na=2\r\n"));
        EXPECT_TRUE(MakeFolder(F("scenery")));
        EXPECT_TRUE(CopyWholeFile(F("system/fly.ini"), F("scenery/new.scf")));
        EXPECT_TRUE(RemoveFile(F("data/one.txt")));
        EXPECT_TRUE(ShellRename(F("data/sub"), F("data/sub save")));
        EXPECT_TRUE(ShellDelete(F("data/sub save")));
    }

    QString fly_;
    QByteArray saved_;
    QMap<QString, QByteArray> before_;
};

TEST_F(ChangeJournalTest, UndoPutsBackEveryKindOfChangeAndForgetsTheEntry) {
    const QFile::Permissions program =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(F("data/one.txt"), program));
    {
        const JournalScope scope(fly_, QStringLiteral("Essai"));
        ChangeEverything();
    }
    ASSERT_NE(Tree("Fly2"), before_);
    ChangeJournal journal = Journal();
    const QList<JournalEntry> entries = journal.Entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].operation, QStringLiteral("Essai"));
    EXPECT_TRUE(entries[0].ended);
    EXPECT_EQ(entries[0].FileCount(), 7);
    EXPECT_FALSE(journal.Folder().startsWith(fly_));

    const UndoReport undone = UndoNewest(journal, 1);
    EXPECT_EQ(undone.stop, UndoReport::Stop::None);
    EXPECT_EQ(undone.undone, QStringList{"Essai"});
    EXPECT_EQ(Tree("Fly2"), before_);
    EXPECT_EQ(QFile::permissions(F("data/one.txt")) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              program);
    EXPECT_TRUE(journal.Entries().isEmpty());
    EXPECT_EQ(UndoNewest(journal, 1).stop, UndoReport::Stop::Nothing);
}

TEST_F(ChangeJournalTest, AKeptCopyChangedSinceStopsTheUndoNamingTheFileAndWhyAndChangesNothing) {
    {
        const JournalScope scope(fly_, QStringLiteral("Essai"));
        ASSERT_TRUE(WriteFileAtomic(F("system/fly.ini"), "new"));
    }
    ChangeJournal journal = Journal();
    const JournalEntry entry = journal.Entries().value(0);
    const auto kept = std::find_if(entry.steps.cbegin(), entry.steps.cend(),
                                   [](const ChangeStep& step) { return !step.stored.isEmpty(); });
    ASSERT_NE(kept, entry.steps.cend());
    WriteFile(journal.StorePath(entry.id, kept->stored.toInt()), "damaged");
    const QMap<QString, QByteArray> now = Tree("Fly2");

    const UndoReport undone = UndoNewest(journal, 1);
    EXPECT_EQ(undone.stop, UndoReport::Stop::NotPutBack);
    EXPECT_EQ(undone.failure.path, F("system/fly.ini"));
    EXPECT_FALSE(undone.failure.reason.isEmpty());
    EXPECT_EQ(Tree("Fly2"), now);
    EXPECT_EQ(journal.Entries().size(), 1);
}

TEST_F(ChangeJournalTest, TwoUndosTakeBackTheTwoLastOperationsNewestFirst) {
    for (const char* value : {"a=2", "a=3"}) {
        const JournalScope scope(fly_, QString::fromLatin1(value));
        EXPECT_TRUE(WriteFileAtomic(F("system/fly.ini"), value));
        EXPECT_TRUE(RenameNoReplace(F("modules/pc/A.DLL"), F("modules/pc/a.dll")) ||
                    RenameNoReplace(F("modules/pc/a.dll"), F("modules/pc/A.DLL.notused")));
    }
    {
        const JournalScope nothing(fly_, QStringLiteral("rien"));
        EXPECT_FALSE(RemoveFile(F("none")));
    }
    ChangeJournal journal = Journal();
    ASSERT_EQ(journal.Entries().size(), 2);
    EXPECT_EQ(journal.Entries()[0].operation, QStringLiteral("a=3"));
    EXPECT_EQ(UndoNewest(journal, 1).undone, QStringList{"a=3"});
    EXPECT_EQ(Read("Fly2/system/fly.ini"), "a=2");
    EXPECT_EQ(UndoNewest(journal, 1).undone, QStringList{"a=2"});
    EXPECT_EQ(Tree("Fly2"), before_);
}

TEST_F(ChangeJournalTest, AFileChangedSinceIsNamedAndNothingIsUndone) {
    {
        const JournalScope scope(fly_, QStringLiteral("Essai"));
        ChangeEverything();
    }
    WriteFile(F("system/fly.ini"), "changed by hand");
    const QMap<QString, QByteArray> changed = Tree("Fly2");
    ChangeJournal journal = Journal();
    const UndoReport refused = UndoNewest(journal, 1);
    EXPECT_EQ(refused.stop, UndoReport::Stop::ChangedSince);
    EXPECT_EQ(refused.operation, "Essai");
    EXPECT_EQ(refused.changed, QStringList{F("system/fly.ini")});
    EXPECT_TRUE(refused.undone.isEmpty());
    EXPECT_EQ(Tree("Fly2"), changed);
    EXPECT_EQ(journal.Entries().size(), 1);
}

TEST_F(ChangeJournalTest, AFailureHalfWayPutsEverythingBackAsItWas) {
    {
        const JournalScope scope(fly_, QStringLiteral("Essai"));
        ChangeEverything();
    }
    const QMap<QString, QByteArray> after = Tree("Fly2");
    // The first step undone last: the rename of A.DLL back can't be made once A.DLL exists in another case.
    CreateFile("Fly2/modules/pc/a.dll", "someone else's");
    const QMap<QString, QByteArray> blocked = Tree("Fly2");
    ChangeJournal journal = Journal();
    const UndoReport refused = UndoNewest(journal, 1);
    EXPECT_TRUE(refused.failed()) << refused.failure.path.toStdString();
    EXPECT_EQ(Tree("Fly2"), blocked);
    EXPECT_EQ(journal.Entries().size(), 1);
    ASSERT_TRUE(RemoveFile(F("modules/pc/a.dll")));
    EXPECT_EQ(Tree("Fly2"), after);
    EXPECT_EQ(UndoNewest(journal, 1).stop, UndoReport::Stop::None);
    EXPECT_EQ(Tree("Fly2"), before_);
}

// The operation is killed once its step number `at` is journaled, before that change is made.
TEST_F(ChangeJournalTest, AnOperationKilledAtAnyStepIsUndoneWhole) {
    for (int at = 1; at <= 10; ++at) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            JournalScope::SetStepHook([at](int step) {
                if (step == at)
                    ::raise(SIGKILL);
            });
            const JournalScope scope(fly_, QStringLiteral("Essai"));
            ChangeEverything();
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ChangeJournal journal = Journal();
        const QList<JournalEntry> entries = journal.Entries();
        ASSERT_EQ(entries.size(), 1) << "step " << at;
        EXPECT_FALSE(entries[0].ended);
        EXPECT_EQ(UndoNewest(journal, 1).stop, UndoReport::Stop::None) << "step " << at;
        EXPECT_EQ(Tree("Fly2"), before_) << "step " << at;
    }
}

// tmpfs shares no blocks: the copy falls back from a clone to a copy of the same bytes, and the journal
// records the fingerprint that undo then finds.
TEST_F(ChangeJournalTest, ACopyWhereClonesAreRefusedFallsBackToTheSameBytes) {
    const SmallFileSystem disk(F("scenery"), 1024);
    if (!disk.available())
        GTEST_SKIP() << disk.why().toStdString();
    QByteArray bytes;
    for (int i = 0; i < 300000; ++i)
        bytes += char(i * 7 % 251);
    CreateFile("Fly2/scenery/big.pod", bytes);
    {
        const JournalScope scope(fly_, QStringLiteral("Essai"));
        ASSERT_TRUE(CopyWholeFile(F("scenery/big.pod"), F("scenery/copy.pod")));
    }
    EXPECT_EQ(Read("Fly2/scenery/copy.pod"), bytes);
    ChangeJournal journal = Journal();
    ASSERT_EQ(journal.Entries().size(), 1);
    EXPECT_EQ(journal.Entries()[0].steps.last().after, FingerprintOf(F("scenery/copy.pod")));
    EXPECT_EQ(UndoNewest(journal, 1).stop, UndoReport::Stop::None);
    EXPECT_FALSE(QFile::exists(F("scenery/copy.pod")));
}

// An entry that can't be sealed (here a folder holds its sealed name) reads as interrupted, not as ended,
// still undoes, and the user is told that the history may be incomplete.
TEST_F(ChangeJournalTest, AnEntryThatCantBeSealedReadsAsInterruptedAndIsTold) {
    QList<JournalScope::Unsealed> told;
    JournalScope::SetUnsealedWarning([&told](const JournalScope::Unsealed& entry) { told << entry; });
    const QString folder = Journal().Folder();
    QString sealed;
    {
        const JournalScope scope(fly_, QStringLiteral("Essai"));
        EXPECT_TRUE(WriteFileAtomic(F("system/fly.ini"), "[x]\r\na=2\r\n"));
        const qsizetype lines = ReadFile(folder + "000001.entry").count('\n');
        sealed = folder + QStringLiteral("000001-%1.entry").arg(lines + 1); // with its end line
        WriteFile(sealed + "/x", "in the way");
    }
    ASSERT_TRUE(QDir(sealed).removeRecursively());
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0].operation, "Essai");
    EXPECT_EQ(told[0].folder, folder);
    EXPECT_EQ(told[0].failure.reason, QString::fromLocal8Bit(std::strerror(EISDIR)));
    ChangeJournal journal = Journal();
    ASSERT_EQ(journal.Entries().size(), 1);
    EXPECT_FALSE(journal.Entries()[0].damaged());
    EXPECT_FALSE(journal.Entries()[0].ended);
    EXPECT_EQ(UndoNewest(journal, 1).stop, UndoReport::Stop::None);
    EXPECT_EQ(Tree("Fly2"), before_);
}

TEST_F(ChangeJournalTest, AChangeThatCantBeJournaledIsNotMade) {
    qputenv("XDG_DATA_HOME", CreateFile("not-a-folder").toUtf8());
    {
        const JournalScope scope(fly_, QStringLiteral("Essai"));
        EXPECT_FALSE(RenameNoReplace(F("modules/pc/A.DLL"), F("modules/pc/A.DLL.notused")));
        EXPECT_FALSE(WriteFileAtomic(F("system/fly.ini"), "lost"));
        EXPECT_FALSE(RemoveFile(F("data/one.txt")));
    }
    EXPECT_EQ(Tree("Fly2"), before_);
}

TEST_F(ChangeJournalTest, PruningKeepsTheLastEntriesAndDropsOldOrLargeOnes) {
    for (int i = 0; i < 25; ++i) {
        const JournalScope scope(fly_, QString::number(i));
        EXPECT_TRUE(WriteFileAtomic(F("system/fly.ini"), QByteArray(1000, char('a' + i))));
    }
    ChangeJournal journal = Journal();
    JournalLimits limits;
    journal.Prune(limits);
    EXPECT_EQ(journal.Entries().size(), 25);
    limits.maxStoreBytes = 1;
    journal.Prune(limits);
    ASSERT_EQ(journal.Entries().size(), 20);
    EXPECT_EQ(journal.Entries().back().operation, QStringLiteral("5"));
    limits.keepAtLeast = 3;
    limits.maxStoreBytes = qint64(1) << 40;
    limits.keepDays = -1;
    journal.Prune(limits);
    EXPECT_EQ(journal.Entries().size(), 3);
    EXPECT_EQ(UndoNewest(journal, 3).stop, UndoReport::Stop::None);
    EXPECT_EQ(Read("Fly2/system/fly.ini"), QByteArray(1000, char('a' + 21)));
}

TEST_F(ChangeJournalTest, LimitsRoundTripAndBadOnesFallBackToTheDefaults) {
    EXPECT_EQ(LoadJournalLimits().keepDays, 90);
    EXPECT_TRUE(SaveJournalLimits({30, qint64(200) * 1024 * 1024, 20}));
    EXPECT_EQ(LoadJournalLimits().keepDays, 30);
    EXPECT_EQ(LoadJournalLimits().maxStoreBytes, qint64(200) * 1024 * 1024);
    WriteFile(Path("share/flykestrel/limits"), "-3 x\n");
    EXPECT_EQ(LoadJournalLimits().keepDays, 90);
}

} // namespace
