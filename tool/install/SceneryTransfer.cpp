#include "install/SceneryTransfer.h"

#include "shell/Dialogs.h"
#include "shell/FileUtils.h"
#include "shell/NativeFs.h"

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

// False when the user refused the deletion, which ends the copy.
bool LeaveSource(const QString& source, const QString& sourceFolder, SourceMode mode) {
    if (mode == SourceMode::SwitchOff)
        RenameNoReplace(source, source + QStringLiteral(".notused"), sourceFolder);
    if (mode != SourceMode::Delete)
        return true;
    if (!AskYesNo(QStringLiteral("Do you really want to *DELETE* all Source Files?"))) {
        ShowInfo(QStringLiteral("NON copié ! Séléectionner la valeur souhaitée et réessayé!"));
        return false;
    }
    RemoveFile(source, sourceFolder);
    return true;
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

bool CopySceneries(const SceneryCopyRequest& request) {
    const QString from = WithBackslash(request.sourceFolder);
    const QString to = WithBackslash(request.destinationFolder);
    for (const SceneryEntry& entry : request.entries) {
        if (!entry.checked)
            continue;
        const QString source = from + entry.name;
        if (LiesInside(source, from) && CopyFileMakingFolders(source, to + entry.name, to) &&
            !LeaveSource(source, from, request.mode))
            return false;
    }
    return true;
}
