#pragma once

#include <QList>
#include <QString>

// Copying scenery files, with their sub-folders, from one scenery folder to another.
struct SceneryEntry final {
    QString name; // relative to the source folder
    bool checked = true;
};
using SceneryEntries = QList<SceneryEntry>;

// What becomes of a source once it has been copied.
enum class SourceMode { Keep = 0, SwitchOff = 1, Delete = 2 };

struct SceneryCopyRequest final {
    QString sourceFolder;
    QString destinationFolder;
    SceneryEntries entries;
    SourceMode mode = SourceMode::Keep;
};

// The .pod and .scf files of the source folder (below it too with subFolders), checked; with unused also
// the switched-off ones, unchecked; sorted by name without regard to case.
SceneryEntries ListSceneryFiles(const QString& sourceFolder, bool subFolders, bool unused);

// Copies every checked entry, then leaves, switches off or deletes its source; a source whose copy
// failed is left alone, and so is an entry that would lead out of either folder. False when the copy
// stopped before the end (the user refused the deletion).
bool CopySceneries(const SceneryCopyRequest& request);
