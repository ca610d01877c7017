#pragma once

#include <QString>
#include <QStringList>

struct Outcome;

// Saved key sets (flyFolder + "system/" *.fky) and joystick sets (flyFolder + *.fcr): plain copies of the
// live files flyFolder + "system/default.key" and flyFolder + "control.txt". flyFolder is the simulator
// folder.

// The bare names of the saved sets, in listing order; nothing while flyFolder is empty.
QStringList ListKeySets(const QString& flyFolder);
QStringList ListJoystickSets(const QString& flyFolder);

// Copies the named set over the live file after a dated backup of it; false when name is empty, the
// backup failed (BackupFailed is added to outcome; the live file is then left alone) or the copy fails.
bool UseKeySet(const QString& flyFolder, const QString& name, Outcome& outcome);
bool UseJoystickSet(const QString& flyFolder, const QString& name, Outcome& outcome);

// Copies the live file to target (a full path chosen by the user); false when the copy fails.
bool SaveKeysAs(const QString& flyFolder, const QString& target);
bool SaveJoystickAs(const QString& flyFolder, const QString& target);
