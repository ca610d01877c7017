#pragma once

#include "shell/Progress.h"

#include <QString>
#include <QStringList>

#include <functional>

struct Outcome;
struct Settings;

// The kinds of add-on the installer knows, in the order of its radio group.
enum class InstallType { Scenery = 0, ExternalScenery = 1, Taxiways = 2, Aircraft = 3, Script = 4, Dex = 5 };

struct InstallRequest final {
    InstallType type = InstallType::Scenery;
    QString sourceFolder;   // the source label; empty: nothing to install
    QStringList sourceList; // full paths, as listed when the source folder was chosen
    QString destination;    // the destination field
    QString flyFolder;      // the simulator folder
    bool renameSources = true;
    bool pauseOnError = true;
    QString importer; // empty: the importer of the dex folder, else the one in toolFolder
    QString toolFolder;
};

// Every line of the activity log goes through here as soon as it is known.
using InstallLog = std::function<void(const QString&)>;

// Where "SOURCE" opens the folder dialog: the current source folder; else the default source folder, or
// its parent when it is gone (the default then becomes that parent); else the scenery folder.
QString SourceDialogStart(const QString& current, Settings& settings);

// The installation as the history of changes names it, after the type chosen.
QString InstallationName(InstallType type);
// The type as the installer's radio group names it.
QString InstallTypeCaption(InstallType type);

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
