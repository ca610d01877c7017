// Entry files damaged after their operation ended: each is listed, and undo either takes the operation
// back whole (only the closing line is missing) or is refused with the entry named, changing nothing.
#include "TempFolderTest.h"
#include "UndoNewest.h"

#include "fs/Fingerprint.h"
#include "fs/NativeFs.h"
#include "journal/JournalScope.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <functional>

namespace {

QByteArray Sum(const QByteArray& text) {
    Checksum sum;
    sum.Add(text.constData(), text.size());
    return QByteArray::number(sum.Value(), 16).rightJustified(16, '0');
}

// The entry's lines, each with its line end.
QList<QByteArray> Lines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines)
        line += '\n';
    return lines;
}

// Line `index` with its text replaced (by edit) and its checksum made right again.
QByteArray Rewritten(const QByteArray& bytes, int index, const std::function<QByteArray(QByteArray)>& edit) {
    QList<QByteArray> lines = Lines(bytes);
    QByteArray text = lines[index].chopped(1);
    text = edit(text.left(text.lastIndexOf('\t')));
    lines[index] = text + '\t' + Sum(text) + '\n';
    return lines.join();
}

class DamagedEntryTest : public TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        qputenv("XDG_DATA_HOME", Path("share").toUtf8());
    }

    // A fresh simulator folder, then an operation of three steps: two renames and a deletion. Returns
    // the entry file.
    QString MakeEntry() {
        QDir(Path("Fly2")).removeRecursively();
        QDir(Path("share")).removeRecursively();
        CreateFile("Fly2/modules/pc/A.DLL", "a");
        CreateFile("Fly2/modules/pc/B.DLL", "b");
        CreateFile("Fly2/system/old.txt", "old");
        before_ = Tree("Fly2");
        {
            const JournalScope scope(Path("Fly2"), QStringLiteral("Activation *.DLL"));
            EXPECT_TRUE(RenameNoReplace(Path("Fly2/modules/pc/A.DLL"), Path("Fly2/modules/pc/A.DLL.notused")));
            EXPECT_TRUE(RenameNoReplace(Path("Fly2/modules/pc/B.DLL"), Path("Fly2/modules/pc/B.DLL.notused")));
            EXPECT_TRUE(RemoveFile(Path("Fly2/system/old.txt")));
        }
        after_ = Tree("Fly2");
        const QList<JournalEntry> entries = ChangeJournal(Path("Fly2")).Entries();
        EXPECT_EQ(entries.size(), 1);
        return entries.value(0).file;
    }

    // The entry as the history reads it once its file holds bytes, and what undo does with it.
    void Check(const QString& file, const QByteArray& bytes, bool tolerated, const std::string& what) {
        SCOPED_TRACE(what);
        WriteFile(file, bytes);
        ChangeJournal journal(Path("Fly2"));
        const QList<JournalEntry> entries = journal.Entries();
        ASSERT_EQ(entries.size(), 1);
        const QString line = EntryLine(entries[0]);
        EXPECT_EQ(line.contains(QString::fromUtf8("endommagée")), !tolerated) << line.toStdString();
        const UndoReport undone = UndoNewest(journal, 1);
        if (tolerated) {
            EXPECT_EQ(undone.stop, UndoReport::Stop::None);
            EXPECT_EQ(undone.undone, QStringList{"Activation *.DLL"});
            EXPECT_EQ(Tree("Fly2"), before_);
        } else {
            // Refused before any question is asked, naming the entry file and what is wrong with it.
            const Result<QString, UndoReport> question = UndoQuestion(entries, 1);
            ASSERT_FALSE(question);
            EXPECT_EQ(undone.stop, UndoReport::Stop::Damaged);
            EXPECT_EQ(undone.failure.path, file);
            EXPECT_EQ(undone.failure.reason, entries[0].damage);
            EXPECT_EQ(question.failure().stop, undone.stop);
            EXPECT_EQ(question.failure().failure.path, file);
            EXPECT_EQ(question.failure().failure.reason, undone.failure.reason);
            EXPECT_TRUE(undone.undone.isEmpty());
            EXPECT_EQ(Tree("Fly2"), after_);
            EXPECT_EQ(journal.Entries().size(), 1);
        }
    }

    QMap<QString, QByteArray> before_;
    QMap<QString, QByteArray> after_;
};

TEST_F(DamagedEntryTest, EachDamageIsShownAndRefused) {
    struct Damage {
        const char* what;
        std::function<QByteArray(const QByteArray&)> apply;
    };
    const QList<Damage> damages = {
        {"random bytes",
         [](const QByteArray& bytes) {
             QByteArray noise(bytes.size(), '\0');
             for (char& c : noise)
                 c = char(QRandomGenerator::global()->bounded(256));
             return noise;
         }},
        {"garbled middle line", [](const QByteArray& bytes) {
             QByteArray garbled = bytes;
             garbled[Lines(bytes).mid(0, 4).join().size() - 20] ^= 0x20;
             return garbled;
         }},
        {"wrong checksum", [](const QByteArray& bytes) {
             QByteArray wrong = bytes;
             const qsizetype end = Lines(bytes).mid(0, 5).join().size() - 2;
             wrong[end] = wrong[end] == '0' ? '1' : '0';
             return wrong;
         }},
        {"unknown step kind",
         [](const QByteArray& bytes) {
             return Rewritten(bytes, 4, [](QByteArray text) { return text.replace("\tstep\tN\t", "\tstep\tQ\t"); });
         }},
        {"unknown record",
         [](const QByteArray& bytes) {
             return Rewritten(bytes, 4, [](QByteArray text) { return text.replace("\tstep\t", "\tstop\t"); });
         }},
        {"lines swapped", [](const QByteArray& bytes) {
             QList<QByteArray> lines = Lines(bytes);
             lines.swapItemsAt(3, 4);
             return lines.join();
         }},
        {"line added after the end",
         [](const QByteArray& bytes) {
             const QList<QByteArray> lines = Lines(bytes);
             return bytes + Rewritten(lines.last(), 0, [&lines](QByteArray text) {
                        return text.replace(0, text.indexOf('\t'), QByteArray::number(lines.size()));
                    });
         }},
    };
    for (const Damage& damage : damages) {
        const QString file = MakeEntry();
        Check(file, damage.apply(ReadFile(file)), false, damage.what);
    }
}

// A cut inside the closing line loses nothing; a cut anywhere before it loses changes that were made.
TEST_F(DamagedEntryTest, AnEntryCutShortIsToleratedOnlyInsideItsClosingLine) {
    const QByteArray whole = ReadFile(MakeEntry());
    const QList<QByteArray> lines = Lines(whole);
    ASSERT_EQ(lines.size(), 7); // the format, the operation, its time, three steps, the end
    const qsizetype closing = whole.size() - lines.last().size();
    QString file = MakeEntry();
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        if (Tree("Fly2") != after_) // undone by the cut before
            file = MakeEntry();
        Check(file, whole.left(cut), cut >= closing, "cut at byte " + std::to_string(cut));
    }
}

// Entries written by the first version of the journal still read and undo, their fingerprints checked
// with the hash they were made with.
TEST_F(DamagedEntryTest, AnEntryOfTheFirstFormatIsUndone) {
    CreateFile("Fly2/modules/pc/A.DLL.notused", "a");
    const QString from = Path("Fly2/modules/pc/A.DLL");
    const QString to = from + ".notused";
    const QString moved = QStringLiteral("f1.af63dc4c8601ec8c"); // its bytes hashed with FNV-1a
    ChangeJournal journal(Path("Fly2"));
    WriteFile(journal.Folder() + "000001.entry",
              "FlyKestrel journal 1\noperation\tActivation%20*.DLL\ntime\t2026-12-01T10:00:00Z\nstep\tN\t" +
                  from.toUtf8() + "\t" + to.toUtf8() + "\t-\t" + moved.toLatin1() + "\t" + moved.toLatin1() +
                  "\nend\n");
    ASSERT_EQ(journal.Entries().size(), 1);
    EXPECT_TRUE(EntryLine(journal.Entries()[0]).endsWith("   Activation *.DLL   (1 fichier)"));
    EXPECT_EQ(UndoNewest(journal, 1).undone, QStringList{"Activation *.DLL"});
    EXPECT_EQ(Read("Fly2/modules/pc/A.DLL"), "a");
}

} // namespace
