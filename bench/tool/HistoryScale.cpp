#include "HistoryScale.h"
#include "SetAsideFolders.h"

#include "BenchTiming.h"
#include "SyntheticCollection.h"

#include "fs/CopyBatch.h"
#include "fs/Outcome.h"
#include "journal/ChangeJournal.h"
#include "journal/JournalScope.h"
#include "journal/JournalUndo.h"
#include "shell/Settings.h"
#include "shell/ui/TF_History.h"
#include "shell/ui/UndoBoxes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>

#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Entries = 20;
constexpr qint64 StoreBytes = qint64(1024) * 1024 * 1024;
const QString Operation = QStringLiteral("Installation d'add-on");

// The size of each file whose old contents, kept by every entry, fill the store.
qint64 FileSize(int files) {
    return StoreBytes / (qint64(Entries) * files);
}

QString FilePath(const QString& fly, int file) {
    return fly + QStringLiteral("scenery/f%1.pod").arg(file, 5, 10, QChar('0'));
}

// Every file of the folder written again, as one journaled operation: what each held goes to the store.
void WriteAll(const QString& fly, int files, qint64 size, int round) {
    const JournalScope scope(fly, Operation);
    CopyBatch batch;
    QList<qsizetype> copies;
    const QByteArray bytes(size, char('a' + round % 26));
    for (int f = 0; f < files; ++f) {
        batch.AddFrom([&bytes](const CopyBatch::Writer& write) { return write(bytes.constData(), bytes.size()); },
                      FilePath(fly, f));
        copies << f;
    }
    if (!batch.Run(copies, [](qsizetype) { return true; }).done)
        throw std::runtime_error("a journaled batch failed");
}

// work/Fly2 with files files whose 20 journaled rewrites fill the store; the journal keeps them all.
QString MakeHistory(const QString& work, int files) {
    SetAside(work);
    const QString fly = work + QStringLiteral("/Fly2/");
    if (!QDir().mkpath(fly + QStringLiteral("scenery")))
        throw std::runtime_error("cannot make " + work.toStdString());
    qputenv("XDG_DATA_HOME", QFile::encodeName(work + QStringLiteral("/journal")));
    AppSettings().FlyFolder = fly;
    const qint64 size = FileSize(files);
    for (int f = 0; f < files; ++f)
        WriteBenchFile(FilePath(fly, f), QByteArray(size, 'z'));
    // Kept whole while it is made: the default limits would prune it once it is full.
    if (!SaveJournalLimits({3650, 100000}))
        throw std::runtime_error("cannot write the journal's limits");
    for (int round = 0; round < Entries; ++round)
        WriteAll(fly, files, size, round);
    return fly;
}

double OpenWindow(int runs) {
    std::vector<double> open;
    for (int run = 0; run < runs; ++run) {
        TF_History window;
        ::sync();
        open.push_back(Seconds([&] {
            window.show();
            QApplication::processEvents();
        }));
        if (window.findChild<QListWidget*>(QStringLiteral("ListHistory"))->count() != Entries)
            throw std::runtime_error("the history window did not list every entry");
    }
    return Median(open);
}

// The newest entry undone, one more written (as an undo leaves it), then the oldest pruned beyond the
// default limits.
std::pair<double, double> UndoAndPrune(const QString& fly, int files, int runs) {
    std::vector<double> undo, prune;
    const qint64 size = FileSize(files);
    for (int run = 0; run < runs; ++run) {
        ChangeJournal journal(fly);
        const QList<JournalEntry> entries = journal.Entries();
        ::sync(); // the write-back of what was made before is no part of the undo
        undo.push_back(Seconds([&] {
            if (const Outcome undone = UndoBoxes(UndoEntries(journal, entries.mid(0, 1)));
                undone.box() != Outcome::Box::Info)
                throw std::runtime_error("the undo failed: " + undone.text().toStdString());
        }));
        WriteAll(fly, files, size, Entries + run);
        WriteAll(fly, files, size, Entries + run + 1);
        ::sync();
        prune.push_back(Seconds([&] { journal.Prune(JournalLimits{}); }));
        if (journal.Entries().size() != Entries)
            throw std::runtime_error("the prune did not keep the last 20 entries");
    }
    return {Median(undo), Median(prune)};
}

} // namespace

QString HistoryScaleSection(const QString& work, int runs) {
    const QStringList what{QStringLiteral("history window opened, rows filled"),
                           QStringLiteral("undo of the newest entry"),
                           QStringLiteral("prune of the oldest entry, store full")};
    const int sizes[2] = {1000, 10000};
    double seconds[3][2] = {};
    for (int at = 0; at < 2; ++at) {
        std::fprintf(stderr, "flykestrel_bench: history of %d entries of %d files\n", Entries, sizes[at]);
        const QString fly = MakeHistory(work, sizes[at]);
        seconds[0][at] = OpenWindow(runs);
        std::tie(seconds[1][at], seconds[2][at]) = UndoAndPrune(fly, sizes[at], runs);
    }
    SetAside(work);
    QString text = QStringLiteral(
        "\n## The history at its limits\n\n20 journaled entries of 1 000, then 10 000 files each (every file "
        "of a folder written again as one batch), their store full: 1024 MB of old contents, the journal's "
        "default limit. The window is opened as the user opens it; the undo is that of the newest entry; the "
        "prune runs with the default limits after two more entries, and removes the oldest. Wall seconds, "
        "median of %1 runs; growth = time per file at 10 000 over time per file at 1 000.\n\n"
        "| figure | 1 000 files s | 10 000 files s | growth | target | |\n|---|---|---|---|---|---|\n")
                       .arg(runs);
    for (int i = 0; i < 3; ++i)
        text += GrowthRow(what[i], seconds[i], sizes, i == 0 ? 0.5 : 0);
    return text;
}
