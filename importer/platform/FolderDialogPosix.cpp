#include "platform/FolderDialog.h"

// The importer is a console program here: the folder is asked for on the terminal.
bool FolderDialogAvailable() {
    return false;
}

std::optional<std::string> BrowseForFlyFolder() {
    return std::nullopt;
}
