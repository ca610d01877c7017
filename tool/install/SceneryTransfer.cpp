#include "install/SceneryTransfer.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"
#include "shell/Progress.h"

#include <QStringList>

#include <algorithm>

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

Outcome Cancelled(int done, int all) {
    return Outcome::Info(
        QStringLiteral("Copie ANNULEE ! %1 fichiers sur %2 traités, les %3 autres sont inchangés.")
            .arg(done)
            .arg(all)
            .arg(all - done));
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

int CopySceneries(const SceneryCopyRequest& request, int first, Outcome& outcome, QList<Failure>& failed,
                  Progress& progress) {
    const QString from = WithBackslash(request.sourceFolder);
    const QString to = WithBackslash(request.destinationFolder);
    if (first == 0)
        progress.Start(CheckedBefore(request, int(request.entries.size())), CheckedBytes(request));
    for (int index = first; index < request.entries.size(); ++index) {
        const SceneryEntry& entry = request.entries[index];
        const QString source = from + entry.name;
        if (!entry.checked)
            continue;
        if (!progress.Step(source, FileSize(source))) {
            outcome +=
                Cancelled(CheckedBefore(request, index), CheckedBefore(request, int(request.entries.size())));
            return CopyCancelled;
        }
        if (!LiesInside(source, from))
            continue;
        if (const Done copied = CopyFileMakingFolders(source, to + entry.name, to, outcome); !copied) {
            failed << copied.failure();
            continue;
        }
        if (request.mode == SourceMode::Delete) {
            outcome += Outcome::Question(QStringLiteral("Do you really want to *DELETE* all Source Files?"));
            return index;
        }
        if (request.mode == SourceMode::SwitchOff)
            if (const Done off = RenameNoReplace(source, source + QStringLiteral(".notused"), from); !off)
                failed << off.failure();
    }
    return -1;
}

Outcome AnswerDeletion(const SceneryCopyRequest& request, int index, bool yes, QList<Failure>& failed) {
    if (!yes)
        return Outcome::Info(QStringLiteral("NON copié ! Séléectionner la valeur souhaitée et réessayé!"));
    const QString from = WithBackslash(request.sourceFolder);
    if (const Done removed = RemoveFile(from + request.entries[index].name, from); !removed)
        failed << removed.failure();
    return {};
}
