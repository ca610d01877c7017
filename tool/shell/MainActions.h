#pragma once

#include "fs/Result.h"
#include "fs/Tally.h"

#include <QString>

struct PathFields;
struct Settings;

// The main window's actions that need no widgets; the window tells what they did.

// FormShow's quiet path check: true when FlyExePath exists and the check passes (fields filled).
bool PathsValidAtStart(PathFields& fields, Settings& settings);
// True when the first command-line argument names an add-on source, an existing folder or archive (the
// installer opens on it).
bool StartArgumentIsSource(const Settings& settings);
// First-run safety copies FLYdefault.fcr / control.bup and system/FLYdefault.fky / system/default.bup:
// the FLYdefault copies made, and the simulator's own file of each one that couldn't be.
Tally CheckPrefs(const QString& flyFolder);
// Deletes the plain "*.hst" files of FlyFolder + "aircraft".
void DeleteHST(const QString& flyFolder);
// Button8 and Button9: DeleteHST when deleteHst, then start FlyExePath, resp. FlyStartPath (an empty
// path starts nothing). The caller ends the tool afterwards when CheckBox1 is checked.
Done LaunchSimulator(const Settings& settings, bool deleteHst);
Done LaunchFlyStart(const Settings& settings, bool deleteHst);
// Button14: the folder its file dialog opens in; the slicer then starts on the bare name of the input
// file chosen there (SlicerLaunch.h).
QString SlicerInputStart(const QString& flyFolder);
// Button16, once a base folder is chosen: creates SlicerWork with its five subfolders, in that order.
// Each one not made fails: marked folderNotMade when it couldn't be, not marked when it was there.
Tally MakeSlicerWorkFolders(const QString& chosen);
