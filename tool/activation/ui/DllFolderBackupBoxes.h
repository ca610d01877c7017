#pragma once

#include "activation/DllFolderBackup.h"
#include "fs/Outcome.h"

// The boxes of a backup of the DLL folder, in order: its error; or the box that says how far a cancelled
// copy got, or that it is done, with the box that names the files not copied.
Outcome DllFolderBackupBoxes(const Result<DllFolderBackup>& backup);
