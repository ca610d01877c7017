// flykestrel_bench [--runs N] [--sizes 1000,10000] [--work DIR] [--out FILE] [--only TITLE-PART]
//     (--only: the scenarios whose title holds the text, or "installer", "large file", "archive" or "clone"
//     among the copies, or "library", "history" or "start-up", to stdout)
//     times the file layer's batches at each size in folders below DIR, then its copies against their
//     baselines, then the add-on library, the history and the start-up at the size of a collection, and
//     writes its section of the results page (FILE, replacing the section there, or stdout).
#include "CopyTargets.h"
#include "FileLayerScenarios.h"
#include "HistoryScale.h"
#include "SetAsideFolders.h"
#include "LibraryScale.h"
#include "StartUpScale.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QList>

#include <cstdio>
#include <exception>

namespace {

struct Row final {
    QString title;
    int files = 0;
    BatchCost cost;
    BatchCost floor;
};

const QString Heading = QStringLiteral("# flykestrel file layer benchmark");
constexpr double MostGrowth = 1.5;

QString Micros(double seconds, int files) {
    return QString::number(seconds * 1e6 / files, 'f', 1);
}

const Row* Find(const QList<Row>& rows, const QString& title, int files) {
    for (const Row& row : rows)
        if (row.title == title && row.files == files)
            return &row;
    return nullptr;
}

QString Verdict(bool met) {
    return met ? QStringLiteral(" - met") : QStringLiteral(" - MISSED");
}

// The most a batch may take over its floor, wall time: a journaled one also writes its journal entry and
// keeps each old file's fingerprint.
double MostOverFloor(const QString& title) {
    return title.contains(QStringLiteral("journaled")) ? 3.0 : 1.5;
}

QString Targets(const QList<Row>& rows, int small, int large) {
    QString text = QStringLiteral("\n## Targets\n\n");
    for (const Row& row : rows) {
        if (row.files != large)
            continue;
        const double over = row.cost.wallSeconds / row.floor.wallSeconds;
        text += QStringLiteral("- %1 at %2 files within %3x of its floor: %4x (%5 s against %6 s)%7\n")
                    .arg(row.title).arg(large).arg(MostOverFloor(row.title)).arg(over, 0, 'f', 2)
                    .arg(row.cost.wallSeconds, 0, 'f', 2).arg(row.floor.wallSeconds, 0, 'f', 2)
                    .arg(Verdict(over <= MostOverFloor(row.title)));
        if (const Row* base = Find(rows, row.title, small); base != nullptr && small != large) {
            const auto perFile = [](const Row& r, double seconds) { return seconds / r.files; };
            const double growth = perFile(row, row.cost.processorSeconds) / perFile(*base, base->cost.processorSeconds);
            const double wallGrowth = perFile(row, row.cost.wallSeconds) / perFile(*base, base->cost.wallSeconds);
            text += QStringLiteral("- %1: processor time per file at %2 within %3x of %4: %5x%6 (wall %7x)\n")
                        .arg(row.title).arg(large).arg(MostGrowth).arg(small).arg(growth, 0, 'f', 2)
                        .arg(Verdict(growth <= MostGrowth)).arg(wallGrowth, 0, 'f', 2);
        }
    }
    return text;
}

QString Section(const QList<Row>& rows, const QList<int>& sizes, int runs) {
    QString text = Heading + QStringLiteral("\n\nWritten by `make bench-tool` (bench/tool) on %1 UTC.\n\n")
                                 .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    text +=
        QStringLiteral(
            "Each figure is the median of %1 runs (by processor time) of one batch as OK runs it, on a fresh "
            "folder listed first as the window lists it (the listing is not timed): DLL folder = "
            "ApplyActivation over a DLL folder of N files switched all off, or all on again (journaled: "
            "inside a journal scope, as the window runs it); scenery = the "
            "same over N POD and SCF files in 10 sub-folders; backup = BackupDllFolder copying N "
            "64-byte files, written under temporary names and flushed as one batch. Measured inside the process: "
            "wall and processor (user + system) seconds; us/file = wall / processor microseconds per file. "
            "Floor: the same changes on the same fresh folder with one plain system call a step "
            "(rename(2) a file; open, read, create, write, fsync and close a copy), wall / processor "
            "seconds; x floor = the batch over its floor, wall / processor.\n\n")
            .arg(runs);
    text += QStringLiteral("| scenario | files | wall s | processor s | us/file | floor s | x floor |\n"
                           "|---|---|---|---|---|---|---|\n");
    for (const Row& row : rows)
        text += QStringLiteral("| %1 | %2 | %3 | %4 | %5 / %6 | %7 / %8 | %9 / %10 |\n")
                    .arg(row.title).arg(row.files).arg(row.cost.wallSeconds, 0, 'f', 3)
                    .arg(row.cost.processorSeconds, 0, 'f', 3).arg(Micros(row.cost.wallSeconds, row.files))
                    .arg(Micros(row.cost.processorSeconds, row.files)).arg(row.floor.wallSeconds, 0, 'f', 3)
                    .arg(row.floor.processorSeconds, 0, 'f', 3)
                    .arg(row.cost.wallSeconds / row.floor.wallSeconds, 0, 'f', 1)
                    .arg(row.cost.processorSeconds / row.floor.processorSeconds, 0, 'f', 1);
    return text + Targets(rows, sizes.first(), sizes.last());
}

// The page keeps what the other benchmarks wrote; this section replaces its earlier self.
void WriteSection(const QString& path, const QString& section) {
    QFile file(path);
    QString page = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    file.close();
    const qsizetype start = page.indexOf(Heading);
    if (start >= 0) {
        const qsizetype next = page.indexOf(QStringLiteral("\n# "), start + Heading.size());
        page.remove(start, (next < 0 ? page.size() : next + 1) - start);
    }
    if (!page.isEmpty() && !page.endsWith(QStringLiteral("\n\n")))
        page += page.endsWith('\n') ? QStringLiteral("\n") : QStringLiteral("\n\n");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write((page + section).toUtf8()) < 0)
        throw std::runtime_error("cannot write " + path.toStdString());
}

// The section of the collection's scale that only names, or the copies' section for any other text.
QString Collection(const QString& work, int runs, const QString& only) {
    if (QStringLiteral("library").contains(only))
        return LibraryScaleSection(work + QStringLiteral("/library"), runs);
    if (QStringLiteral("history").contains(only))
        return HistoryScaleSection(work + QStringLiteral("/history"), runs);
    if (QStringLiteral("start-up").contains(only))
        return StartUpSection(work + QStringLiteral("/start-up"), runs);
    return CopyTargetsSection(work + QStringLiteral("/copies"), runs, only);
}

} // namespace

int main(int argc, char** argv) {
    // The library's window is opened as the user opens it, on no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int runs = 3;
    QList<int> sizes{1000, 10000};
    QString out;
    QString work = QStringLiteral(BENCH_DATA_DIR);
    QString only;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (arg == QLatin1String("--runs"))
            runs = std::max(1, value.toInt());
        else if (arg == QLatin1String("--sizes")) {
            sizes.clear();
            for (const QString& size : value.split(','))
                sizes << size.toInt();
        } else if (arg == QLatin1String("--out")) {
            out = value;
        } else if (arg == QLatin1String("--work")) {
            work = value;
        } else if (arg == QLatin1String("--only")) {
            only = value;
        }
    }
    try {
        const SetAsideFolders setAside(work + QStringLiteral("-set-aside"));
        QList<Row> rows;
        for (const FileLayerScenario& scenario : FileLayerScenarios()) {
            if (!scenario.title.contains(only))
                continue;
            for (const int files : sizes) {
                std::fprintf(stderr, "flykestrel_bench: %s, %d files\n", qPrintable(scenario.title), files);
                const ScenarioCost cost = MeasureScenario(scenario, work, files, runs);
                rows.append({scenario.title, files, cost.layer, cost.floor});
            }
        }
        if (!only.isEmpty()) {
            const QString copies = Collection(work, runs, only);
            std::fputs((rows.isEmpty() ? copies : Section(rows, sizes, runs) + copies).toUtf8().constData(), stdout);
            return 0;
        }
        std::fprintf(stderr, "flykestrel_bench: copies against their baselines\n");
        const QString section = Section(rows, sizes, runs) + CopyTargetsSection(work + QStringLiteral("/copies"), runs) +
                                Collection(work, runs, QStringLiteral("library")) +
                                Collection(work, runs, QStringLiteral("history")) +
                                Collection(work, runs, QStringLiteral("start-up"));
        if (out.isEmpty())
            std::fputs(section.toUtf8().constData(), stdout);
        else
            WriteSection(out, section);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "flykestrel_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
