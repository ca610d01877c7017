#include "install/SceneryTransfer.h"

#include "fs/CopyBatch.h"
#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "shell/Progress.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace {

void AddEntries(SceneryEntries& entries, const QString& folder, const QString& mask, bool recurse,
                bool checked) {
    QStringList paths;
    ListFilesAndFolders(folder, mask, paths, recurse);
    for (const QString& path : paths)
        entries.append({RelativeTo(path, folder), checked});
}

int CheckedBefore(const SceneryCopyRequest& request, int end) {
    return int(std::count_if(request.entries.begin(), request.entries.begin() + end,
                             [](const SceneryEntry& entry) { return entry.checked; }));
}

qint64 CheckedBytes(const SceneryCopyRequest& request) {
    qint64 bytes = 0;
    for (const SceneryEntry& entry : request.entries)
        if (entry.checked)
            bytes += FileSize(WithBackslash(request.sourceFolder) + entry.name);
    return bytes;
}

} // namespace

SceneryEntries ListSceneryFiles(const QString& sourceFolder, bool subFolders, bool unused) {
    SceneryEntries entries;
    AddEntries(entries, sourceFolder, QStringLiteral("*.pod"), subFolders, true);
    if (unused)
        AddEntries(entries, sourceFolder, QStringLiteral("*.pod.notused"), subFolders, false);
    AddEntries(entries, sourceFolder, QStringLiteral("*.scf"), subFolders, true);
    if (unused)
        AddEntries(entries, sourceFolder, QStringLiteral("*.scf.notused"), subFolders, false);
    std::stable_sort(entries.begin(), entries.end(), [](const SceneryEntry& a, const SceneryEntry& b) {
        return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

SceneryCopy::SceneryCopy(SceneryCopyRequest request) : request_(std::move(request)) {}

SceneryCopy::Step SceneryCopy::Continue(Progress& progress) {
    const QString from = WithBackslash(request_.sourceFolder);
    const QString to = WithBackslash(request_.destinationFolder);
    const int all = int(request_.entries.size());
    if (next_ == 0)
        progress.Start(CheckedBefore(request_, all), CheckedBytes(request_));
    if (request_.mode != SourceMode::Delete)
        return CopyAsOneBatch(progress);
    Step step;
    asked_ = -1;
    for (; next_ < all; ++next_) {
        const SceneryEntry& entry = request_.entries[next_];
        const QString source = from + entry.name;
        if (!entry.checked)
            continue;
        if (!progress.Step(source, FileSize(source))) {
            cancelled_ = true;
            step.reached = CheckedBefore(request_, next_);
            step.all = CheckedBefore(request_, all);
            return step;
        }
        if (!LiesInside(source, from))
            continue;
        if (const Done copied = CopyFileMakingFolders(source, to + entry.name, to); !copied) {
            failed_ << copied.failure();
            if (copied.failure().folderNotMade)
                step.foldersNotMade << copied.failure();
            continue;
        }
        asked_ = next_++;
        return step;
    }
    return step;
}

// Source's copy over target added to batch (its index there), -1 when the source lies outside the source
// folder and is skipped, or why the copy is refused.
Result<qsizetype> SceneryCopy::PlanCopy(CopyBatch& batch, const QString& source, const QString& target,
                                        const QString& realTo) const {
    if (!LiesInside(source, WithBackslash(request_.sourceFolder)))
        return -1;
    if (const Done added = AddCopyMakingFolders(batch, Resolve(source), Resolve(target), realTo); !added)
        return added.failure();
    return batch.size() - 1;
}

// Without deletions nothing waits on the user between the copies: the checked entries are copied as one
// batch, and with SourceMode::SwitchOff each source whose copy is in place is then switched off.
SceneryCopy::Step SceneryCopy::CopyAsOneBatch(Progress& progress) {
    const QString from = WithBackslash(request_.sourceFolder);
    const QString to = WithBackslash(request_.destinationFolder);
    const QString realTo = RealFolder(to);
    Step step;
    CopyBatch batch;
    QStringList names;       // the checked entries, in order
    QList<qsizetype> copies; // each one's copy in batch, or -1
    for (const SceneryEntry& entry : std::as_const(request_.entries)) {
        if (!entry.checked)
            continue;
        names << entry.name;
        const Result<qsizetype> copy = PlanCopy(batch, from + entry.name, to + entry.name, realTo);
        if (!copy) {
            failed_ << copy.failure();
            if (copy.failure().folderNotMade)
                step.foldersNotMade << copy.failure();
        }
        copies << copy.value_or(-1);
    }
    const CopyBatch::Ran run = batch.Run(copies, [&](qsizetype i) {
        return progress.Step(from + names[i], FileSize(from + names[i]));
    });
    next_ = int(request_.entries.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (copies[i] >= 0 && !batch.Placed(copies[i]) && !run.done)
            failed_ << Failure{to + names[i], run.done.failure().reason};
        if (copies[i] >= 0 && batch.Placed(copies[i]) && request_.mode == SourceMode::SwitchOff)
            if (const Done off = RenameNoReplace(from + names[i], from + names[i] + QStringLiteral(".notused"), from);
                !off)
                failed_ << off.failure();
    }
    cancelled_ = run.cancelled;
    step.reached = int(run.reached);
    step.all = int(names.size());
    return step;
}

void SceneryCopy::Answer(bool yes) {
    const int asked = std::exchange(asked_, -1);
    if (!yes)
        return;
    const QString from = WithBackslash(request_.sourceFolder);
    if (const Done removed = RemoveFile(from + request_.entries[asked].name, from); !removed)
        failed_ << removed.failure();
}
