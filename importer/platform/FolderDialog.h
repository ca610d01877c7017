#pragma once

#include <optional>
#include <string>

// The desktop's folder dialog for choosing the simulator's folder, where the system has one: its OK
// button is enabled only while the selected folder holds FLY2.EXE.

// Whether a dialog can be shown: a desktop that the user sees.
bool FolderDialogAvailable();
// The folder the user confirmed; nothing when the dialog was cancelled or could not be shown.
std::optional<std::string> BrowseForFlyFolder();
