#include "FileLayerScenarios.h"
#include "SetAsideFolders.h"

#include "activation/ActivationListing.h"
#include "activation/ActivationSwitch.h"
#include "activation/DllFolderBackup.h"
#include "fs/Outcome.h"
#include "journal/JournalScope.h"
#include "shell/Progress.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int SubFolders = 10;

void WriteSmallFile(const QString& path, int size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(size, 'x')) != size)
        throw std::runtime_error("cannot write " + path.toStdString());
}

void MakeFolder(const QString& path) {
    if (!QDir().mkpath(path))
        throw std::runtime_error("cannot make " + path.toStdString());
}

// files DLLs in work/modules/pc, named as a DLL folder copied from Windows names them (any case).
QString MakeDllFolder(const QString& work, int files, const QString& suffix) {
    const QString pc = work + QStringLiteral("/modules/pc");
    MakeFolder(pc);
    for (int i = 0; i < files; ++i) {
        const QString name = QStringLiteral("Module%1.%2").arg(i, 5, 10, QChar('0')).arg(i % 2 ? "DLL" : "dll");
        WriteSmallFile(pc + '/' + name + suffix, 64);
    }
    return pc;
}

// files sceneries, half POD and half SCF, spread over SubFolders sub-folders of work/scenery.
QString MakeSceneryFolder(const QString& work, int files, const QString& suffix) {
    const QString scenery = work + QStringLiteral("/scenery");
    for (int i = 0; i < files; ++i) {
        const QString area = scenery + QStringLiteral("/Area%1").arg(i % SubFolders);
        if (i < SubFolders)
            MakeFolder(area);
        WriteSmallFile(area + QStringLiteral("/tile%1.%2").arg(i, 5, 10, QChar('0')).arg(i % 2 ? "scf" : "pod") + suffix, 64);
    }
    return scenery;
}

Batch Switching(ActivationKind kind, QString folder, QString label, ActivationEntries entries, bool on) {
    for (ActivationEntry& entry : entries)
        entry.checked = on;
    return [list = ActivationList{kind, std::move(label), std::move(folder), std::move(entries)}] {
        return ApplyActivation(list).made;
    };
}

Batch DllSwitch(const QString& work, int files, bool on) {
    const QString pc = MakeDllFolder(work, files, on ? QStringLiteral(".notused") : QString());
    QString label;
    ActivationEntries entries = ListDllEntries(pc, label);
    return Switching(ActivationKind::Dll, pc, label, std::move(entries), on);
}

// As the window runs it: inside a journal scope, the renames journaled first, in a journal of its own.
Batch JournaledDllSwitch(const QString& work, int files) {
    const QString journal = work + QStringLiteral(".journal");
    SetAside(journal);
    qputenv("XDG_DATA_HOME", QFile::encodeName(journal));
    Batch batch = DllSwitch(work, files, false);
    return [batch = std::move(batch), work] {
        const JournalScope scope(work, QStringLiteral("Activation *.DLL"));
        return batch();
    };
}

Batch ScenerySwitch(const QString& work, int files, bool on) {
    const QString scenery = MakeSceneryFolder(work, files, on ? QStringLiteral(".notused") : QString());
    return Switching(ActivationKind::Scenery, scenery, scenery, ListSceneryEntries(scenery), on);
}

Batch DllBackup(const QString& work, int files) {
    const QString modules = MakeDllFolder(work, files, QString()).section('/', 0, -2);
    return [modules] {
        const Result<DllFolderBackup> backup = BackupDllFolder(modules, NoProgress());
        if (!backup)
            throw std::runtime_error(backup.failure().reason.toStdString());
        if (!backup->failed.isEmpty())
            throw std::runtime_error(backup->failed.front().reason.toStdString());
        return int(QDir(modules + QStringLiteral("/pc-save")).entryList(QDir::Files).size());
    };
}

QStringList FilesBelow(const QString& folder) {
    QStringList paths;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        paths << it.next();
    return paths;
}

Batch RenameEach(const QString& folder, bool on) {
    return [paths = FilesBelow(folder), on] {
        int renamed = 0;
        for (const QString& path : paths) {
            const QString target = on ? path.chopped(int(std::strlen(".notused"))) : path + QStringLiteral(".notused");
            renamed += ::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) == 0;
        }
        return renamed;
    };
}

bool CopyPlainly(const QByteArray& source, const QByteArray& target) {
    char bytes[4096];
    const int in = ::open(source.constData(), O_RDONLY | O_CLOEXEC);
    const ssize_t got = in < 0 ? -1 : ::read(in, bytes, sizeof bytes);
    const int out = ::open(target.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    const bool ok = got >= 0 && out >= 0 && ::write(out, bytes, size_t(got)) == got && ::fsync(out) == 0;
    ::close(in);
    return ::close(out) == 0 && ok;
}

Batch CopyEach(const QString& work, int files) {
    const QString pc = MakeDllFolder(work, files, QString());
    return [paths = FilesBelow(pc), save = pc + QStringLiteral("-save/")] {
        int copied = 0;
        ::mkdir(QFile::encodeName(save).constData(), 0777);
        for (const QString& path : paths)
            copied += CopyPlainly(QFile::encodeName(path), QFile::encodeName(save + QFileInfo(path).fileName()));
        return copied;
    };
}

double ProcessorSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

QList<FileLayerScenario> FileLayerScenarios() {
    return {
        {QStringLiteral("DLL folder off"), [](const QString& w, int n) { return DllSwitch(w, n, false); },
         [](const QString& w, int n) { return RenameEach(MakeDllFolder(w, n, QString()), false); }},
        {QStringLiteral("DLL folder off, journaled"), JournaledDllSwitch,
         [](const QString& w, int n) { return RenameEach(MakeDllFolder(w, n, QString()), false); }},
        {QStringLiteral("DLL folder on"), [](const QString& w, int n) { return DllSwitch(w, n, true); },
         [](const QString& w, int n) {
             return RenameEach(MakeDllFolder(w, n, QStringLiteral(".notused")), true);
         }},
        {QStringLiteral("Scenery sub-folders off"),
         [](const QString& w, int n) { return ScenerySwitch(w, n, false); },
         [](const QString& w, int n) { return RenameEach(MakeSceneryFolder(w, n, QString()), false); }},
        {QStringLiteral("Scenery sub-folders on"),
         [](const QString& w, int n) { return ScenerySwitch(w, n, true); },
         [](const QString& w, int n) {
             return RenameEach(MakeSceneryFolder(w, n, QStringLiteral(".notused")), true);
         }},
        {QStringLiteral("DLL folder backup (copy)"), DllBackup, CopyEach},
    };
}

namespace {

BatchCost Median(std::vector<BatchCost> costs) {
    std::sort(costs.begin(), costs.end(),
              [](const BatchCost& a, const BatchCost& b) { return a.processorSeconds < b.processorSeconds; });
    return costs[costs.size() / 2];
}

BatchCost TimeOnce(const QString& title, const std::function<Batch(const QString&, int)>& prepare, const QString& work,
                   int files) {
    SetAside(work);
    const Batch batch = prepare(work, files);
    const auto start = std::chrono::steady_clock::now();
    const double processor = ProcessorSeconds();
    const int handled = batch();
    const BatchCost cost{std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                         ProcessorSeconds() - processor};
    if (handled != files)
        throw std::runtime_error(title.toStdString() + ": " + std::to_string(handled) + " files of " +
                                 std::to_string(files));
    return cost;
}

} // namespace

ScenarioCost MeasureScenario(const FileLayerScenario& scenario, const QString& work, int files, int runs) {
    std::vector<BatchCost> layer, floor;
    for (int run = 0; run < runs; ++run) {
        layer.push_back(TimeOnce(scenario.title, scenario.prepare, work, files));
        floor.push_back(TimeOnce(scenario.title + QStringLiteral(" (floor)"), scenario.floor, work, files));
    }
    SetAside(work);
    return {Median(layer), Median(floor)};
}
