#pragma once

#include <QtGlobal>

// How much an archive may unpack to before it is taken for an archive bomb. Checked on what the table
// states and again on the bytes streamed, since a header can lie.
struct ArchiveLimits final {
    qint64 totalBytes = qint64(8) << 30; // all files together
    qint64 entryBytes = qint64(4) << 30; // one file
    qint64 entries = 100000;             // files and folders
};
