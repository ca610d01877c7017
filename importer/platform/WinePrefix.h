#pragma once

#include <optional>
#include <string>
#include <vector>

// Wine keeps a Windows installation in a prefix: a folder holding its registry (system.reg), drive_c and
// the drive links of dosdevices (c: -> ../drive_c, d: -> /mnt/games, ...). Front-ends keep one per game.

// The prefixes (folders holding system.reg) in the places Wine and its front-ends keep them, below the
// user's home: ~/.wine, then the folders of ~/.local/share/wineprefixes, ~/Games,
// ~/.local/share/bottles/bottles, ~/.var/app/com.usebottles.bottles/data/bottles/bottles and
// ~/.PlayOnLinux/wineprefix, in that order and by name within each place.
std::vector<std::string> KnownWinePrefixes();

// The prefix holding folder: its nearest parent (or itself) with system.reg and drive_c; else the known
// prefix with the longest drive link leading to folder or one of its parents. A link to the root (Wine's
// z:) does not count, or every folder would belong to every prefix.
std::optional<std::string> WinePrefixOf(const std::string& folder);

// A Windows path ("C:\Games\Fly2") as the path below the prefix's link for its drive; nothing when the
// path has no drive letter or the prefix no link for it.
std::optional<std::string> ThroughDosDevices(const std::string& prefix, const std::string& windowsPath);

// A drive-letter path resolved through the prefix of the current folder; any other path, or one that no
// prefix resolves, as given.
std::string FromWindowsPath(const std::string& path);
