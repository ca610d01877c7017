#pragma once

#include <QString>

class Progress;
struct Outcome;

// Copies the plain files of dllFolderHolder + "pc" into dllFolderHolder + "pc-save", creating that
// folder when needed. Files already there are overwritten by same-named ones, never deleted. The copies
// are made durable together: a file that can't be copied is skipped, but a failure while they are written
// leaves every one of them as it was. A cancel stops between two files. Returns the error box, or the box that says the
// copy is done or how far it got before it was cancelled.
Outcome BackupDllFolder(const QString& dllFolderHolder, Progress& progress);
