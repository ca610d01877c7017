#include "activation/ActivationListing.h"

#include "activation/EntryPaths.h"
#include "fs/FileUtils.h"

#include <QStringList>
#include <algorithm>

namespace {

void AddBareNames(const QStringList& found, bool checked, ActivationEntries& entries) {
    for (const QString& path : found)
        entries.append({BareName(path), checked});
}

// One listing of folder; the first listing of a list also decides the folder label. A label left
// empty would make OK drop every choice silently, so it then names the list's own folder.
void AddListing(const QString& folder, const QString& mask, bool checked, ActivationEntries& entries,
                QString* folderLabel) {
    QStringList found;
    ListFilesAndFolders(folder, mask, found, true);
    if (folderLabel != nullptr && found.size() >= 2)
        *folderLabel = FolderOfEntry(found.first());
    else if (folderLabel != nullptr && folderLabel->isEmpty())
        *folderLabel = WithBackslash(folder);
    AddBareNames(found, checked, entries);
}

} // namespace

ActivationEntries ListDllEntries(const QString& dllPath, QString& folderLabel) {
    ActivationEntries entries;
    if (dllPath.isEmpty())
        return entries;
    AddListing(dllPath, QStringLiteral("*.dll"), true, entries, &folderLabel);
    AddListing(dllPath, QStringLiteral("*.dll.notused"), false, entries, nullptr);
    return entries;
}

ActivationEntries ListScriptEntries(const QString& pythonPath, QString& folderLabel) {
    ActivationEntries entries;
    if (pythonPath.isEmpty())
        return entries;
    AddListing(pythonPath, QStringLiteral("*.pyc"), true, entries, &folderLabel);
    AddListing(pythonPath, QStringLiteral("*.pyc.notused"), false, entries, nullptr);
    AddListing(pythonPath, QStringLiteral("*.py"), true, entries, nullptr);
    AddListing(pythonPath, QStringLiteral("*.py.notused"), false, entries, nullptr);
    return entries;
}

ActivationEntries ListSceneryEntries(const QString& folder) {
    ActivationEntries entries;
    if (folder.isEmpty())
        return entries;
    const QString masks[] = {QStringLiteral("*.pod"), QStringLiteral("*.pod.notused"),
                             QStringLiteral("*.scf"), QStringLiteral("*.scf.notused")};
    for (const QString& mask : masks) {
        QStringList found;
        ListFilesAndFolders(folder, mask, found, true);
        for (const QString& path : found)
            entries.append({RelativeTo(path, folder), !mask.endsWith(QLatin1String(".notused"))});
    }
    return entries;
}

void SortEntries(ActivationEntries& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const ActivationEntry& a, const ActivationEntry& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
}

void UncheckCriticalDlls(ActivationEntries& entries) {
    const QString critical[] = {QStringLiteral("Fly2Lan.dll"),
                                QStringLiteral("FlyGpsOut.dll"),
                                QStringLiteral("gps.dll"),
                                QStringLiteral("Fly2Lan.dll.notused"),
                                QStringLiteral("FlyGpsOut.dll.notused"),
                                QStringLiteral("gps.dll.notused")};
    for (const QString& name : critical) {
        const auto it = std::find_if(entries.begin(), entries.end(), [&name](const ActivationEntry& entry) {
            return entry.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (it != entries.end())
            it->checked = false;
    }
}
