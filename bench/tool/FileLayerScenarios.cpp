#include "FileLayerScenarios.h"

#include "activation/ActivationListing.h"
#include "activation/ActivationSwitch.h"
#include "activation/DllFolderBackup.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <sys/resource.h>
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
        return ApplyActivation(list);
    };
}

Batch DllSwitch(const QString& work, int files, bool on) {
    const QString pc = MakeDllFolder(work, files, on ? QStringLiteral(".notused") : QString());
    QString label;
    ActivationEntries entries = ListDllEntries(pc, label);
    return Switching(ActivationKind::Dll, pc, label, std::move(entries), on);
}

Batch ScenerySwitch(const QString& work, int files, bool on) {
    const QString scenery = MakeSceneryFolder(work, files, on ? QStringLiteral(".notused") : QString());
    return Switching(ActivationKind::Scenery, scenery, scenery, ListSceneryEntries(scenery), on);
}

Batch DllBackup(const QString& work, int files) {
    const QString modules = MakeDllFolder(work, files, QString()).section('/', 0, -2);
    return [modules] {
        const QString error = BackupDllFolder(modules);
        if (!error.isEmpty())
            throw std::runtime_error(error.toStdString());
        return int(QDir(modules + QStringLiteral("/pc-save")).entryList(QDir::Files).size());
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
        {QStringLiteral("DLL folder off"), [](const QString& w, int n) { return DllSwitch(w, n, false); }},
        {QStringLiteral("DLL folder on"), [](const QString& w, int n) { return DllSwitch(w, n, true); }},
        {QStringLiteral("Scenery sub-folders off"), [](const QString& w, int n) { return ScenerySwitch(w, n, false); }},
        {QStringLiteral("Scenery sub-folders on"), [](const QString& w, int n) { return ScenerySwitch(w, n, true); }},
        {QStringLiteral("DLL folder backup (copy)"), DllBackup},
    };
}

BatchCost MeasureBatch(const FileLayerScenario& scenario, const QString& work, int files, int runs) {
    std::vector<BatchCost> costs;
    for (int run = 0; run < runs; ++run) {
        QDir(work).removeRecursively();
        const Batch batch = scenario.prepare(work, files);
        const auto start = std::chrono::steady_clock::now();
        const double processor = ProcessorSeconds();
        const int handled = batch();
        costs.push_back({std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                         ProcessorSeconds() - processor});
        if (handled != files)
            throw std::runtime_error(scenario.title.toStdString() + ": " + std::to_string(handled) + " files of " +
                                     std::to_string(files));
    }
    QDir(work).removeRecursively();
    std::sort(costs.begin(), costs.end(),
              [](const BatchCost& a, const BatchCost& b) { return a.processorSeconds < b.processorSeconds; });
    return costs[costs.size() / 2];
}
