#pragma once

#include "shell/Fingerprint.h"

#include <QString>

#include <optional>

// One change of one journaled operation, with what the paths held before and after it. Paths are native
// and resolved, as the change was made.
struct ChangeStep final {
    enum class Kind { Renamed, Created, Replaced, Deleted };

    Kind kind = Kind::Created;
    QString path;   // the path changed; for a rename the old name
    QString to;     // a rename's new name
    QString stored; // the name in the entry's store of the old contents (replaced, deleted)
    Fingerprint before;
    Fingerprint after; // for a rename: what moved; a created folder: any contents

    // The journal's line for the step, and back; nothing for a line that isn't one.
    QByteArray Line() const;
    static std::optional<ChangeStep> FromLine(const QByteArray& line);

    // What path (one of the step's paths) holds before and after the step.
    Fingerprint BeforeAt(const QString& at) const;
    Fingerprint AfterAt(const QString& at) const;
};

// Whether what a path holds now matches what a step expects there: an unknown expectation matches
// anything, a created folder any folder.
bool Matches(const Fingerprint& now, const Fingerprint& expected);
