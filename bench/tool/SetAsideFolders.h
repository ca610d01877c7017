#pragma once

#include <QString>

// Folders that a run is done with are moved aside rather than removed: on a file system without a journal,
// ext4 looks past every inode deleted in the last minutes each time it makes a new one, so a removal
// between two runs would charge the next run, or its baseline, for the files of the run before. While one
// lives, SetAside moves folders below its root, which is removed when it ends.
class SetAsideFolders final {
  public:
    explicit SetAsideFolders(const QString& root);
    ~SetAsideFolders();
    SetAsideFolders(const SetAsideFolders&) = delete;
    SetAsideFolders& operator=(const SetAsideFolders&) = delete;
};

// Moves folder below the root of the SetAsideFolders that lives (removes it where none does, or where it
// can't be moved); nothing when there is no folder.
void SetAside(const QString& folder);
