#pragma once

#include "install/InstallRequest.h"
#include "shell/Progress.h"

#include <QString>
#include <QStringList>

#include <functional>

struct Outcome;
struct Settings;

// Every line of the activity log goes through here as soon as it is known.
using InstallLog = std::function<void(const QString&)>;

// Where "SOURCE" opens the folder dialog: the current source folder; else the default source folder, or
// its parent when it is gone (the default then becomes that parent); else the scenery folder.
QString SourceDialogStart(const QString& current, Settings& settings);

// The entries of a source folder, one level deep, sub-folders included.
QStringList ListInstallSource(const QString& folder);

// "Aperçu": the boxes that refuse the installation, or the lines that say what it would do (see
// DescribePlan in InstallPlan.h) under a heading that says nothing was changed; changes nothing.
Outcome PreviewInstallation(const InstallRequest& request, const InstallLog& log);

// "OK, INSTALLER": logs the lines of the preview under a heading of its own, then copies every known file
// of the source list to where its type belongs, logs each step and, for DEX files, runs the importer.
// Refusals log nothing; they and the folders that couldn't be made are the boxes returned. A cancel stops
// between two files, with a last log line that says how far the installation got.
Outcome RunInstallation(const InstallRequest& request, const InstallLog& log,
                        Progress& progress = NoProgress());
// The same with the plan made for request just before (PlanInstallation), so that its source is read once.
Outcome RunInstallation(const InstallRequest& request, const struct InstallPlan& plan, const InstallLog& log,
                        Progress& progress);
