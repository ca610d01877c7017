#pragma once

#include <QString>

// The floor of the installer's way of copying small files, without its journal, its checks or its lookups:
// each file of source written under a temporary name in target (a new file, never over one), one flush of
// the file system, each temporary renamed into place and the folder flushed; then, when mark, each source
// renamed to its ".installed" name, never over an entry, and its folder flushed. What the installer's own
// time is beside it is what the journal and the checks cost.
void CopyAtTheFloor(const QString& source, const QString& target, bool mark);
