#pragma once

#include <QString>
#include <QStringList>

// The kinds of add-on the installer knows, in the order of its radio group. Tree: an add-on that mirrors
// the simulator's folders (Aircraft\, Modules\, ...), each file copied to the same path below it.
enum class InstallType { Scenery = 0, ExternalScenery = 1, Taxiways = 2, Aircraft = 3, Script = 4, Dex = 5, Tree = 6 };

// The installation as the history of changes names it, after the type chosen.
QString InstallationName(InstallType type);
// The log line that opens an installation of the type; empty for the types that install nothing.
QString FirstLogLine(InstallType type);
// The type as the installer's radio group names it.
QString InstallTypeCaption(InstallType type);

// What the installer window asks for: the type, the source and where it goes.
struct InstallRequest final {
    InstallType type = InstallType::Scenery;
    QString sourceFolder;   // the source label, a folder or an archive; empty: nothing to install
    QStringList sourceList; // a folder's entries, full paths, as listed when it was chosen
    QString destination;    // the destination field
    QString flyFolder;      // the simulator folder
    bool renameSources = true;
    bool pauseOnError = true;
    bool installOutside = false; // the tree type installs files outside the simulator's folders too
    QString importer; // empty: the importer of the dex folder, else the one in toolFolder
    QString toolFolder;
};
