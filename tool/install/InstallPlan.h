#pragma once

#include "install/InstallRequest.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the installation will do with one entry of the source list that the request's type installs. The
// installation does exactly this, and the preview lists it, so the two can't tell different stories.
struct InstallStep final {
    enum class Rename { No, Yes, Blocked }; // Blocked: the ".installed" name is taken, the source stays
    QString source;                         // as listed
    QString folder;                         // the copy must land inside it
    QString target;                         // the copy, named as it will be on disk
    QString refusal;                        // why the copy is refused or will fail; empty: it is made
    QString newFolder;          // the target's folder when the copy is the first to need it made, else empty
    bool folderBlocked = false; // newFolder can't be made: something that is not a folder is in the way
    bool dex = false;           // into the dex folder, then imported
    bool replaces = false;      // a file of the target's name is there already
    QString owner;              // the add-on whose file it replaces, or the original; empty: a copy made above
    Rename rename = Rename::No;
    QString importer; // the importer that a DEX step runs
};

struct InstallPlan final {
    QString refusal;   // the box that refuses the whole installation, which then does nothing at all
    QString firstLine; // the type's first log line, or empty
    QList<InstallStep> steps;
};

// Walks the source list as the installation does, changing nothing. A DEX step whose dex folder can't
// be made ends the walk, as it ends the installation.
InstallPlan PlanInstallation(const InstallRequest& request);

// The plan's steps, one line per thing done (copy, folder made, rename, import) or refused.
QStringList DescribePlan(const InstallPlan& plan);
