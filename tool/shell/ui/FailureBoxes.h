#pragma once

#include "fs/Outcome.h"
#include "fs/Result.h"

#include <QList>

// The one box that tells the user which files a change left as they were, and why.
Outcome NotChanged(const QList<Failure>& failures);

// The box "Erreur, création de sous répertoires impossible" for a failure marked folderNotMade (of
// MakeFolderChain, a copy that makes its folders); nothing for any other.
Outcome FoldersNotMade(const Failure& failure);

// The box for the backup of file that failed (MakeDatedBackup): the journal of changes that refused it
// (file is then left as it was), or the backup itself.
Outcome BackupFailed(const QString& file, const Failure& failure);
