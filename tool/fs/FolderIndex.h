#pragma once

#include <QString>

// The case-insensitive half of the path lookup. Each folder searched keeps an index of its names (the
// last 64 folders of a thread), so a batch of renames or copies in one folder lists it once. The system
// reports every change to an indexed folder, whoever makes it, and the index follows before each
// answer; a folder changed where those reports don't reach (a network file system), seen by its times
// or by a name that is gone, is listed again. Without reports (no more watches to be had) every lookup
// lists the folder.

// The entry of an already resolved folder whose name equals name without regard to ASCII case, the
// first in name order when several do; empty when none does.
QString FindEntryIgnoringCase(const QString& resolvedFolder, const QString& name);
