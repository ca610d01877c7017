#pragma once

#include "fs/Result.h"

#include <QList>
#include <QString>

class Progress;
struct Outcome;

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

// Copies the checked entries from first on, then leaves or switches off each source; a source whose copy
// failed is left alone, and so is an entry that would lead out of either folder. A copy or switch that
// fails is added to failed. With SourceMode::Delete it stops after each copy with the question whether to
// delete, and returns that entry's index: the window passes the answer to AnswerDeletion, then goes on
// from the next entry. -1 once all are done. The call with first 0 announces the whole copy to progress;
// a cancel there stops before the next checked entry, adds the box that says how far the copy got and
// returns CopyCancelled.
int CopySceneries(const SceneryCopyRequest& request, int first, Outcome& outcome, QList<Failure>& failed,
                  Progress& progress);
inline constexpr int CopyCancelled = -2;
// Yes deletes the entry's source (a deletion that fails is added to failed); No returns the box that
// ends the copy.
Outcome AnswerDeletion(const SceneryCopyRequest& request, int index, bool yes, QList<Failure>& failed);
