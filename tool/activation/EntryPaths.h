#pragma once

#include <QString>

// Paths as the activation lists and profiles hold them. A profile written on Windows separates with
// '\', so both separators count.

// The file name after the last separator (the whole path when it has none).
QString BareName(const QString& path);
// The folder part up to and including the last separator; empty when there is none.
QString FolderOfEntry(const QString& path);
// Whether path lies inside folder (after resolving both), so that a list never reaches outside the
// folder it belongs to. An empty folder contains nothing.
bool LiesBelow(const QString& path, const QString& folder);
