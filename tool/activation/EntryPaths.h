#pragma once

#include <QString>

// Paths as the activation lists and profiles hold them. A name found in a folder is native, so only '/'
// separates; a profile written on Windows holds Windows paths ("C:\Fly2\modules\pc\gps.dll"), where '\'
// separates too.

// The file name after the last separator (the whole path when it has none).
QString BareName(const QString& path);
// The folder part up to and including the last separator; empty when there is none.
QString FolderOfEntry(const QString& path);
