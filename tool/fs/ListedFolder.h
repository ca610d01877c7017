#pragma once

#include "fs/FoldedNames.h"
#include "fs/ResolvedPath.h"

#include <QHash>
#include <QString>

// One folder listed once, for a batch that decides many renames in it without a system call each: its
// names are looked up as the path layer looks them up (as written, else without regard to ASCII case,
// the first in name order), and the batch tells it of each rename it decides, so that each later
// decision sees the folder as the earlier renames leave it.
class ListedFolder final {
  public:
    // An already resolved folder (ResolvePath of NativeFs.h); empty: the current folder.
    explicit ListedFolder(const QString& resolvedFolder);

    // The entry named name as it is on disk; empty when there is none.
    QString Find(const QString& name) const;
    // Whether an entry (as Find gives it) is a plain file, or a symbolic link to one.
    bool IsFile(const QString& entry) const;
    // A name in this folder, resolved as the checked operations of FileUtils.h take it.
    ResolvedPath PathOf(const QString& name) const;
    // The listing as a rename of entry to name leaves it.
    void Renamed(const QString& entry, const QString& name);

  private:
    QString onDisk_; // with a final '/', or empty for the current folder
    QString realFolder_;
    QHash<QString, unsigned char> types_; // each entry's type as the listing gave it (dirent's d_type)
    FoldedNames folded_;
};
