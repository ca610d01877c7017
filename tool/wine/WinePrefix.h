#pragma once

#include <QString>
#include <QStringList>

// Wine keeps a Windows installation in a prefix: a folder holding its registry (system.reg), drive_c and
// the drive links of dosdevices (c: -> ../drive_c, d: -> /mnt/games, ...). Front-ends keep one per game.

// The prefixes (folders holding system.reg) in the places Wine and its front-ends keep them, below the
// user's home: ~/.wine, then the folders of ~/.local/share/wineprefixes, ~/Games,
// ~/.local/share/bottles/bottles, ~/.var/app/com.usebottles.bottles/data/bottles/bottles and
// ~/.PlayOnLinux/wineprefix, in that order and by name within each place.
QStringList KnownWinePrefixes();

// The prefix holding folder: its nearest parent (or itself) with system.reg and drive_c; else the known
// prefix with the longest drive link leading to folder or one of its parents. A link to the root (Wine's
// z:) does not count, or every folder would belong to every prefix. Empty when there is none.
QString WinePrefixOf(const QString& folder);

// A Windows path ("C:\Games\Fly2") as the path below the prefix's link for its drive; empty when the path
// has no drive letter or the prefix no link for it.
QString ThroughDosDevices(const QString& prefix, const QString& windowsPath);

// The prefix of the simulator folder; empty when it lies in none. A simulator folder that is itself a
// Windows path lies in the first known prefix where it exists.
QString SimulatorWinePrefix(const QString& simulatorFolder);

// A drive-letter path through the prefix of the simulator folder, or through the default prefix ~/.wine
// (where plain wine runs) when the simulator lies in none; as given when that prefix has no such drive.
QString FromWindowsPath(const QString& path, const QString& simulatorFolder);
