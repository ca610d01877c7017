#pragma once

#include <QString>

// The copies of the file layer, each timed beside a baseline run in the same invocation on the same data:
// the installer's batch against cp -r and sync, one large file against cp and sync, a clone on btrfs,
// and a fingerprint against cat. The section's table and its targets, met or MISSED. A part of a title in
// only runs the figures it names: "installer", "dll copy", "large file" (its copy and fingerprint),
// "archive" (the installer from a ZIP) or "clone".
QString CopyTargetsSection(const QString& work, int runs, const QString& only = {});
