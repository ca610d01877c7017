#pragma once

#include "fs/Result.h"

#include <QList>
#include <QString>

class CopyBatch;
class Progress;

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

// A copy of the checked entries under way: each Continue copies on from where the last one stopped, then
// leaves or switches off each source; a source whose copy failed is left alone, and so is an entry that
// would lead out of either folder. Copies, switches and deletions that fail are gathered in Failed().
class SceneryCopy final {
  public:
    explicit SceneryCopy(SceneryCopyRequest request);

    // What one Continue did: why the folders of some copies couldn't be made, and for a cancel, how many
    // checked entries it had gone through of how many.
    struct Step final {
        QList<Failure> foldersNotMade;
        int reached = 0;
        int all = 0;
    };

    // With SourceMode::Delete it stops after each copy, asking whether to delete that source, whose
    // answer goes to Answer before the next Continue; otherwise it copies every checked entry as one
    // batch. The first call announces the whole copy to progress; a cancel there stops before the next
    // checked entry (the copies made before it are in place).
    Step Continue(Progress& progress);
    // Yes deletes the source asked about; No ends the copy.
    void Answer(bool yes);

    bool Asking() const { return asked_ >= 0; }
    bool Cancelled() const { return cancelled_; }
    const QList<Failure>& Failed() const { return failed_; }

  private:
    Result<qsizetype> PlanCopy(CopyBatch& batch, const QString& source, const QString& target,
                               const QString& realTo) const;
    Step CopyAsOneBatch(Progress& progress);

    SceneryCopyRequest request_;
    int next_ = 0;
    int asked_ = -1;
    bool cancelled_ = false;
    QList<Failure> failed_;
};
