#pragma once

#include "fs/Result.h"

#include <QList>
#include <QString>

class Progress;

// What a backup of the DLL folder did: how many of its files it reached before a cancel stopped it, of how
// many, and the copies that failed.
struct DllFolderBackup final {
    qsizetype reached = 0;
    qsizetype all = 0;
    bool cancelled = false;
    QList<Failure> failed;
};

// Copies the plain files of dllFolderHolder + "pc" into dllFolderHolder + "pc-save", creating that
// folder when needed. Files already there are overwritten by same-named ones, never deleted. The copies
// are made durable together: a file that can't be copied is skipped, but a failure while they are written
// leaves every one of them as it was. A cancel stops between two files. Fails, copying nothing, when
// there is no DLL folder or no backup folder (the reason is the sentence the user reads).
Result<DllFolderBackup> BackupDllFolder(const QString& dllFolderHolder, Progress& progress);
