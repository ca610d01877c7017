#pragma once

#include "fs/Result.h"

#include <QList>
#include <QString>

// What putting the simulator's "data" folder aside before slicing ("data-save"), or bringing it back
// afterwards, did: whether an older "data-save" was renamed out of the way first, and each step that
// failed, in order (the reason is the sentence the user reads); none when it succeeded.
struct DataFolderSave final {
    bool olderSaveRenamed = false;
    QList<Failure> failed;
};

// Both take the path of FLY2.EXE.
DataFolderSave SaveDataFolder(const QString& flyExePath);
DataFolderSave RestoreDataFolder(const QString& flyExePath);
