#pragma once

#include <optional>
#include <string>

// The Fly2 folder remembered between runs (the registry value "PATH" of the simulator on Windows):
// one line in ~/.config/navmerger/flyfolder, the home folder taken from the password database.

std::optional<std::string> ReadStoredFlyFolder();
// False when it could not be written; the old setting then stays as it was.
bool StoreFlyFolder(const std::string& folder);

// Test seam: keep the setting in this file instead; an empty path goes back to the user's own.
void SetStoredSettingFile(const std::string& path);
