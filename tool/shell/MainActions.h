#pragma once

#include <QString>

struct PathFields;

// The main window's actions that need no widgets. Messages go through Dialogs.h.

// FormShow's quiet path check: true when FlyExePath exists and the check passes (fields filled).
bool PathsValidAtStart(PathFields& fields);
// True when the first command-line argument names an existing folder (the installer opens on it).
bool StartArgumentIsFolder();
// First-run safety copies FLYdefault.fcr / control.bup and system/FLYdefault.fky / system/default.bup.
void CheckPrefs();
// Deletes the plain "*.hst" files of FlyFolder + "aircraft".
void DeleteHST();
// Button8 and Button9: DeleteHST when deleteHst, then start FlyExePath, resp. FlyStartPath (an empty
// path starts nothing and shows nothing). The caller ends the tool afterwards when CheckBox1 is checked.
void LaunchSimulator(bool deleteHst);
void LaunchFlyStart(bool deleteHst);
// Button14: asks for the slicer input file and starts fly2slice with "-i <name>". True when the slicer
// was started (then the caller ends the tool when CheckBox1 is checked).
bool LaunchSlicer();
// Button16: asks for a base folder and creates SlicerWork with its five subfolders.
void MakeSlicerWorkFolders();
