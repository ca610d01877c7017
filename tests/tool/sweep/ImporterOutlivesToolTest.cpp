// The tool killed while the importer it started still runs: the importer keeps the entry locked, so
// the history shows it running and undo refuses it, changing nothing; once the importer has ended, undo
// takes back both the tool's changes and the importer's.
#include "SweepFixture.h"

#include "journal/ChangeJournal.h"
#include "journal/JournalUndo.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

const int Deadline = 60000; // milliseconds

class ImporterOutlivesTool : public SweepFixture {
  protected:
    bool EntryRunning() const {
        const QList<JournalEntry> entries = ChangeJournal(fly_).Entries();
        return !entries.isEmpty() && entries[0].running;
    }
};

TEST_F(ImporterOutlivesTool, EntryRunsUntilTheImporterEndsThenIsUndone) {
    Prepare(QStringLiteral("dex"));
    const QMap<QString, QByteArray> before = State();
    QStringList arguments;
    for (const std::string& argument : Arguments(QStringLiteral("dex")))
        arguments << QString::fromStdString(argument);
    QProcess tool;
    tool.start(QStringLiteral(SWEEP_RUNNER_PATH), arguments);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return QFileInfo::exists(Mark(QStringLiteral("started"))); }, Deadline));
    tool.kill();
    ASSERT_TRUE(tool.waitForFinished(Deadline));

    const QList<JournalEntry> entries = ChangeJournal(fly_).Entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_TRUE(entries[0].running);
    EXPECT_TRUE(EntryLine(entries[0]).endsWith(QLatin1String(" en cours")))
        << EntryLine(entries[0]).toStdString();
    const QMap<QString, QByteArray> during = State();
    const UndoReport refused = UndoAll();
    EXPECT_EQ(refused.stop, UndoReport::Stop::Running);
    EXPECT_EQ(refused.failure.path, StandIn());
    EXPECT_EQ(State(), during);

    CreateFile("work/go", {});
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return QFileInfo::exists(Mark(QStringLiteral("done"))) && !EntryRunning(); }, Deadline));
    EXPECT_EQ(UndoAll().stop, UndoReport::Stop::None);
    EXPECT_EQ(State(), before);
    EXPECT_EQ(JournalFiles(), QStringList());
}

} // namespace
