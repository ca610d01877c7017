#pragma once

#include "fs/Fingerprint.h"

#include <QString>
#include <QStringList>

// One change of one journaled operation, with what the paths held before and after it. Paths are native
// and resolved, as the change was made.
struct ChangeStep final {
    enum class Kind {
        Renamed,   // path renamed to `to`
        Created,   // a file written where there was none, or a folder made
        Replaced,  // a file written over another one, kept in the store
        Deleted,   // a file or a whole folder removed, kept in the store
        Temporary, // a file of our own made beside its target, renamed over it or removed
        Program,   // a folder whose entries matching the masks `stored` the program `to` may change by itself;
                   // what they were follows as Kept steps
        Kept,      // an entry of a program's folder as it was when the program started
    };

    Kind kind = Kind::Created;
    QString path;   // the path changed; for a rename the old name
    QString to;     // a rename's new name; the program of a Program step
    QString stored; // the name in the entry's store of the old contents (replaced, deleted, kept)
    Fingerprint before;
    Fingerprint after; // for a rename: what moved; a created folder: any contents; kept: unknown until the
                       // program has ended

    // What path (one of the step's paths) holds before and after the step.
    Fingerprint BeforeAt(const QString& at) const;
    Fingerprint AfterAt(const QString& at) const;
};

// Whether what a path holds now matches what a step expects there: an unknown expectation matches
// anything, a created folder any folder.
bool Matches(const Fingerprint& now, const Fingerprint& expected);

// The entries that a Program step's program may change, as they are now: full paths.
QStringList ProgramEntries(const ChangeStep& program);
