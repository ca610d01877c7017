// An installation's plain files are copied as one batch. One that fails half way (the disk of its last
// target full or read-only) puts none of them in place and leaves no temporary; a cancel puts in place
// those written before it, and leaves no temporary either; the journal's entry takes it back. One that put
// nothing in place leaves no entry.
#include "CancellingProgress.h"
#include "InstallFixture.h"
#include "SmallFileSystem.h"
#include "UndoNewest.h"

#include "install/AddonInstall.h"
#include "install/ui/InstallationBoxes.h"
#include "journal/JournalScope.h"

namespace {

class InstallBatchTest : public InstallFixture {
  protected:
    void SetUp() override {
        InstallFixture::SetUp();
        CreateFile("Fly2/FLY2.EXE", "exe");
        CreateFile("Fly2/scenery/a.pod", "old a");
        CreateFile("addon/a.pod", "new a");
        CreateFile("addon/b.pod", "new b");
        CreateFile("addon/road.bgr", "road"); // to Fly2/data, after the other two
    }

    QStringList Install(Progress& progress) const {
        InstallRequest request;
        request.sourceFolder = Path("addon");
        request.sourceList = ListInstallSource(request.sourceFolder);
        request.flyFolder = Path("Fly2");
        request.destination = Path("Fly2/scenery/");
        QStringList log;
        const JournalScope scope(Path("Fly2"), QStringLiteral("Installation"));
        const Result<AddonInstall> ran = RunInstallation(
            request, [&log](const QString& line) { log << line; }, progress);
        EXPECT_TRUE(InstallationBoxes(ran).ok()); // what failed is in the log
        return log;
    }

    void ExpectUndone(const QMap<QString, QByteArray>& before) const {
        ChangeJournal journal(Path("Fly2"));
        ASSERT_EQ(journal.Entries().size(), 1);
        EXPECT_FALSE(journal.Entries()[0].damaged());
        EXPECT_EQ(UndoNewest(journal, 1).stop, UndoReport::Stop::None);
        EXPECT_EQ(Listed(Snapshot("Fly2")), Listed(before));
    }
};

TEST_F(InstallBatchTest, ABatchThatFailsHalfWayPutsNothingInPlace) {
    const struct {
        const char* name;
        bool (SmallFileSystem::*spoil)();
        QString reason;
    } cases[] = {
        {"full disk", &SmallFileSystem::Fill, "Aucun espace disponible sur le périphérique"},
        {"read-only disk", &SmallFileSystem::MakeReadOnly, "Système de fichiers en lecture seule"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SmallFileSystem disk(Path("Fly2/data"));
        if (!disk.available())
            GTEST_SKIP() << disk.why().toStdString();
        ASSERT_TRUE((disk.*c.spoil)());
        const QMap<QString, QByteArray> before = Snapshot("Fly2");
        const QStringList log = Install(NoProgress());
        EXPECT_EQ(Listed(Snapshot("Fly2")), Listed(before));
        EXPECT_EQ(log.filter("FAILED!!!").size(), 3) << log.join('\n').toStdString();
        EXPECT_EQ(log.filter(c.reason).size(), 3);
        // Nothing changed, so the history has no row to offer for undo.
        EXPECT_TRUE(ChangeJournal(Path("Fly2")).Entries().isEmpty());
    }
}

// The journal's disk full: each file says the journal is why, not a copy that was never tried.
TEST_F(InstallBatchTest, AJournalThatCantBeWrittenIsTheReasonGiven) {
    CreateDir("Fly2/data");
    SmallFileSystem journalDisk(Path("home"));
    if (!journalDisk.available())
        GTEST_SKIP() << journalDisk.why().toStdString();
    ASSERT_TRUE(journalDisk.Fill());
    const QMap<QString, QByteArray> before = Snapshot("Fly2");
    const QStringList failed = Install(NoProgress()).filter("FAILED!!!");
    EXPECT_EQ(Listed(Snapshot("Fly2")), Listed(before));
    EXPECT_EQ(failed.size(), 3);
    for (const QString& line : failed)
        EXPECT_TRUE(line.contains(QString::fromUtf8("l'historique des modifications ne peut pas être écrit")) &&
                    !line.contains(QString::fromUtf8("la copie de")))
            << line.toStdString();
}

TEST_F(InstallBatchTest, ACancelPutsInPlaceWhatWasWrittenAndLeavesNoTemporary) {
    const QMap<QString, QByteArray> before = Snapshot("Fly2");
    CancellingProgress progress(1);
    const QStringList log = Install(progress);
    EXPECT_EQ(FilesBelow("Fly2"), QStringList({"FLY2.EXE", "scenery/a.pod"}));
    EXPECT_FALSE(QFileInfo::exists(Path("Fly2/data"))); // made for road.bgr, which was never copied
    EXPECT_EQ(Read("Fly2/scenery/a.pod"), "new a");
    EXPECT_TRUE(log.last().contains("cancelled after 1 of 3")) << log.join('\n').toStdString();
    ExpectUndone(before);
}

} // namespace
