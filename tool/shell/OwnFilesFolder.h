#pragma once

#include <QString>

// The folder of the tool's own files, "FlyKestrel.prf" and "flyinirec.txt" (trailing '/'): the program's
// folder when the user can write there (a copy run from its own folder), else UserConfigFolder(), made
// when missing. A program in the folder the package installs it to always takes the latter, also when
// root runs it: nothing of a user's belongs in /usr/bin.
QString OwnFilesFolder(const QString& programFolder);

// $XDG_CONFIG_HOME/flykestrel/ when that is an absolute path, else <home>/.config/flykestrel/; empty
// when the home folder is unknown.
QString UserConfigFolder();

// Test seam: how a folder is found writable (by default: unless access(2) refuses for want of permission
// or on a read-only file system; root passes it everywhere);
// nullptr goes back to it.
void SetWritableCheck(bool (*writable)(const QString& folder));
