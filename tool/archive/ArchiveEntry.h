#pragma once

#include <QString>
#include <QtGlobal>

// One entry of an archive's table, checked: a relative name with '/' between its folders (no '.', '..',
// drive or leading separator), a plain file or a folder.
struct ArchiveEntry final {
    QString name;
    bool folder = false;
    qint64 size = 0;  // unpacked, as the archive states it; 0 for a folder
    int position = 0; // its place in archive order, counting every entry of the archive
};
