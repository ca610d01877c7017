#pragma once

#include "fs/Result.h"
#include "install/InstallRequest.h"
#include "shell/Progress.h"

#include <QString>
#include <QStringList>

#include <functional>

struct Settings;

// Every line of the activity log goes through here as soon as it is known.
using InstallLog = std::function<void(const QString&)>;

// Where "SOURCE" opens the folder dialog: the current source folder; else the default source folder, or
// its parent when it is gone (the default then becomes that parent); else the scenery folder.
QString SourceDialogStart(const QString& current, Settings& settings);

// The entries of a source folder, one level deep, sub-folders included.
QStringList ListInstallSource(const QString& folder);

// What an installation did: the files it put in place, why the folders of others couldn't be made (one box
// each), and whether it stopped because the DEX folder couldn't be made.
struct AddonInstall final {
    int installed = 0;
    QList<Failure> foldersNotMade;
    bool dexFolderNotMade = false;
};

// "Aperçu": logs the lines that say what the installation would do (see DescribePlan in InstallPlan.h)
// under a heading that says nothing was changed; changes nothing. Fails with the plan's refusal as reason.
Done PreviewInstallation(const InstallRequest& request, const InstallLog& log);

// "OK, INSTALLER": logs the lines of the preview under a heading of its own, then copies every known file
// of the source list to where its type belongs, logs each step and, for DEX files, runs the importer.
// A refusal logs nothing and fails with the refusal as reason. A cancel stops between two files, with a
// last log line that says how far the installation got.
Result<AddonInstall> RunInstallation(const InstallRequest& request, const InstallLog& log,
                                     Progress& progress = NoProgress());
// The same with the plan made for request just before (PlanInstallation), so that its source is read once.
Result<AddonInstall> RunInstallation(const InstallRequest& request, const struct InstallPlan& plan,
                                     const InstallLog& log, Progress& progress);
