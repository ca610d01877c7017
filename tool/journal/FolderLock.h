#pragma once

#include "fs/Result.h"

#include <QString>

class ChangeJournal;

// One copy of the tool at a time changes a simulator folder: the copy that changes it holds the lock file
// beside the folder's journal of changes (flock, let go by the system when the copy ends, even killed) for
// as long as a lock lives; taken again in the same process it is only counted. The running tool holds it
// for the whole session; a change or an undo holds it while it runs, so another process (a second copy of
// the tool) can neither write entries nor remove those of the first, nor prune their stores.
class FolderLock final {
  public:
    explicit FolderLock(const ChangeJournal& journal);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return held_; }
    // Why a change of the folder is refused while another copy holds it.
    Failure Refusal() const;

    // Holds the lock of flyFolder until the process ends or another folder is held so; false when another
    // copy of the tool holds it (nothing is held then).
    static bool HoldForSession(const QString& flyFolder);

  private:
    QString file_;
    bool held_ = false;
};
