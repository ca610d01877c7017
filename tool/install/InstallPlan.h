#pragma once

#include "fs/ResolvedPath.h"
#include "install/InstallRequest.h"
#include "install/InstallSource.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the installation will do with one file of the source that the request's type installs. The plan
// resolves and checks every path once; the installation does exactly this, trusting it, and the preview
// lists it, so the two can't tell different stories.
struct InstallStep final {
    enum class Rename { No, Yes, Blocked }; // Blocked: the ".installed" name is taken, the source stays
    QString source;                         // as the log names it (SourceFile::shown)
    SourceFile file;                        // where its bytes come from
    QString folder;                         // the copy must land inside it
    QString target;                         // the copy, named as it will be on disk
    ResolvedPath to;                        // the target, resolved
    QString refusal;                        // why the copy is refused or will fail; empty: it is made
    QString newFolder;          // the target's folder when the copy is the first to need it made, else empty
    bool folderBlocked = false; // newFolder can't be made: something that is not a folder is in the way
    bool dex = false;           // into the dex folder, then imported
    bool replaces = false;      // a file of the target's name is there already
    QString owner; // the add-on whose file it replaces, or the original; empty: a copy made above
    Rename rename = Rename::No;
    ResolvedPath renamed; // the source's ".installed" name, when it is to be renamed
    QString importer; // the importer that a DEX step runs
};

struct InstallPlan final {
    QString refusal;   // the box that refuses the whole installation, which then does nothing at all
    QString firstLine; // the type's first log line, or empty
    InstallSource source;
    QList<InstallStep> steps;
    QStringList leftOut; // an archive's files in sub-folders, which only the tree type installs
    QStringList outside; // for the tree type, files outside the simulator's folders: refused unconfirmed
    InstallStep::Rename archiveRename = InstallStep::Rename::No; // an archive source's ".installed" mark
};

// Reads the source and walks its files as the installation does, changing nothing. A DEX step whose dex
// folder can't be made ends the walk, as it ends the installation.
InstallPlan PlanInstallation(const InstallRequest& request);

// The plan's steps, one line per thing done (copy, folder made, rename, import) or refused, then the files
// left out.
QStringList DescribePlan(const InstallPlan& plan);
