#pragma once

#include "fs/Result.h"

#include <QString>
#include <QStringList>


// Saved key sets (flyFolder + "system/" *.fky) and joystick sets (flyFolder + *.fcr): plain copies of the
// live files flyFolder + "system/default.key" and flyFolder + "control.txt". flyFolder is the simulator
// folder.

// The bare names of the saved sets, in listing order; nothing while flyFolder is empty.
QStringList ListKeySets(const QString& flyFolder);
QStringList ListJoystickSets(const QString& flyFolder);

// Copies the named set over the live file after a dated backup of it; does nothing when flyFolder or name
// is empty or the set is gone. Fails naming the live file when the backup failed (the live file is then
// left alone, BackupFailed tells why); once the backup is made, the copy's result.
Result<Done> UseKeySet(const QString& flyFolder, const QString& name);
Result<Done> UseJoystickSet(const QString& flyFolder, const QString& name);

// Copies the live file to target (a full path chosen by the user).
Done SaveKeysAs(const QString& flyFolder, const QString& target);
Done SaveJoystickAs(const QString& flyFolder, const QString& target);
