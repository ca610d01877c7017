#pragma once

#include "fs/Result.h"

#include <QString>

// The preferences file "FlyKestrel.prf": 15 lines, CR LF, a value's meaning is its line.

// "FlyKestrel.prf" in OwnFilesFolder(ProgramFolder): beside the tool, or in the user's configuration folder.
QString PreferencesFile();
// Start-up before any window: ProgramFolder (trailing '/'), StartArgument, the scratch folders emptied,
// the help-memo flag set, then the preferences file read.
void StartUpSettings(const QString& programFolder, const QString& startArgument);
// Reads the stored settings from file into AppSettings(); a missing or unreadable file changes nothing,
// lines missing at the end of a short file leave their settings empty. Fails when nothing was read.
Done ReadPreferences(const QString& file);
// Writes the 15 lines through a temporary file.
Done WritePreferences(const QString& file);
