#pragma once

#include "fs/Outcome.h"
#include "fs/Result.h"

#include <QString>

struct PathFields;
struct Settings;

// The main window's actions that need no widgets; the window shows the boxes they return.

// FormShow's quiet path check: true when FlyExePath exists and the check passes (fields filled).
bool PathsValidAtStart(PathFields& fields, Settings& settings);
// True when the first command-line argument names an add-on source, an existing folder or archive (the
// installer opens on it).
bool StartArgumentIsSource(const Settings& settings);
// First-run safety copies FLYdefault.fcr / control.bup and system/FLYdefault.fky / system/default.bup.
Outcome CheckPrefs(const QString& flyFolder);
// Deletes the plain "*.hst" files of FlyFolder + "aircraft".
void DeleteHST(const QString& flyFolder);
// Button8 and Button9: DeleteHST when deleteHst, then start FlyExePath, resp. FlyStartPath (an empty
// path starts nothing and shows nothing). The caller ends the tool afterwards when CheckBox1 is checked.
Outcome LaunchSimulator(const Settings& settings, bool deleteHst);
Outcome LaunchFlyStart(const Settings& settings, bool deleteHst);
// Button14: the folder its file dialog opens in, then the start of fly2slice with "-i <name>" on the
// input file chosen there (none chosen: "Aucun fichier sélectionné"); the caller ends the tool when the
// slicer started and CheckBox1 is checked, else shows why it didn't start.
QString SlicerInputStart(const QString& flyFolder);
Result<void, Outcome> LaunchSlicer(Settings& settings, const QString& input);
// Button16, once a base folder is chosen: creates SlicerWork with its five subfolders.
Outcome MakeSlicerWorkFolders(const QString& chosen);
