#pragma once

#include <QString>

// A path as the path layer found it once (Resolve in NativeFs.h): as it is on disk, and the real path of
// the folder that holds it (its existing beginning with every symbolic link followed, the rest cleaned of
// "." and ".."). An operation resolves each of its paths once and hands them on.
struct ResolvedPath final {
    QString onDisk;
    QString realFolder; // empty when not even the root can be found
    bool found = false; // whether an entry was at onDisk when it was resolved

    // The last name of onDisk.
    QString Name() const {
        QString full = onDisk;
        while (full.size() > 1 && full.endsWith('/'))
            full.chop(1);
        return full.mid(full.lastIndexOf('/') + 1);
    }
};
