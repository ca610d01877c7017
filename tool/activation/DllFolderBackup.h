#pragma once

#include <QString>

// Copies the plain files of dllFolderHolder + "pc" into dllFolderHolder + "pc-save", creating that
// folder when needed. Files already there are overwritten by same-named ones, never deleted; a failed
// copy is skipped. Returns the error text, or an empty string on success.
QString BackupDllFolder(const QString& dllFolderHolder);
