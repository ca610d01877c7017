#pragma once

#include "journal/JournalScope.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Progress;

// One run of the database importer on a DEX file that already lies in the simulator's dex folder.
struct ImporterCall final {
    QString importer;   // the program; empty: FindImporter(dexFolder)
    QString dexFolder;  // with trailing '/'; the importer's working folder
    QString dexName;    // the file name, no folder
    QString flyFolder;  // the simulator folder
    QString toolFolder; // the tool's own folder, where its importer is installed
    bool pauseOnError = true;
};

// The importer that runs, and the log line that says which one it is.
struct ImporterChoice final {
    QString program;
    QString logLine;
};

// The importer of the dex folder (navmerger or Navmerger.exe, any case) when it can run here (a Windows
// one only where wine is installed), else the one installed in toolFolder, beside the tool.
ImporterChoice FindImporter(const QString& dexFolder, const QString& toolFolder);

// Whether the importer reads name as the file name it is: it takes '\', '/' and ':' as parts of a path,
// a leading '@' as a list file and a leading '-' as an option.
bool IsPlainDexName(const QString& name);

// The dex file name, -K, -P (pause on error) or -PX (pause on error and on exit), -F and the simulator
// folder without its trailing '/'.
QStringList ImporterArguments(const QString& dexName, const QString& flyFolder, bool pauseOnError);

// The folders the importer changes by itself, with the names it writes there: the archives, their backups
// and work files in SYSTEM, everything in DATABASE.
QList<JournalScope::ProgramFolder> ImporterFolders(const QString& flyFolder);

using ImporterLog = std::function<void(const QString&)>;

// Runs the importer and waits for it, calling progress's Wait meanwhile. The log lines, each logged as soon
// as it is known: which importer runs, what it printed, line by line, then one line that says whether the
// import succeeded. Returns the program that ran, as on disk; or the failure: the DEX file, and why, with
// what the importer said of it.
Result<QString> RunImporter(const ImporterCall& call, const ImporterLog& log, Progress& progress);
