#pragma once

#include "install/AddonInstall.h"
#include "install/AddonLibrary.h"
#include "install/LibraryRecovery.h"
#include "install/RemovalReport.h"

#include <QList>
#include <QString>
#include <QStringList>

class Progress;

// What removing one add-on does to one of its files.
struct RemovalStep final {
    enum class Kind {
        PutBack,   // the add-on is on top: the layer below comes back (the previous add-on's file or the
                   // original)
        Remove,    // the add-on is on top and there was nothing before it: the file goes
        DropLayer, // another add-on is on top: only the add-on's layer goes, the file stays as it is
    };
    Kind kind = Kind::PutBack;
    QString path;
    QString below;        // the owner of the layer that comes back: an add-on's name or the original
    QString above;        // for DropLayer: the add-on on top
    int upperId = 0;      // for DropLayer: the add-on just above, whose layer then lies on what this one lay on
    bool changed = false; // on top, but changed since by someone else: kept as <path>.usersave first
};

// Everything a removal would do, worked out without changing anything.
struct RemovalPlan final {
    QString flyFolder;
    int index = -1; // the add-on's index in the library
    int id = 0;
    QString name;
    QList<RemovalStep> steps;
    QStringList folders;       // the folders it made, which go once empty
    QStringList rebuilt;       // database files put back as they were before the first DEX add-on
    QList<int> reimported;     // the other DEX add-ons whose imports are made again, by index, in order
    QList<DexImport> imports;  // their imports
    QStringList changedByHand; // database files that are not as the library last left them

    QStringList Changed() const;
    // The preview's lines: each file restored, removed, kept as .usersave or left, each import again.
    QStringList Describe() const;
};

// The journal's name for the removal of an add-on: "Désinstallation « NAME »".
QString RemovalName(const QString& addonName);
// The add-on's name in such an operation's name; the operation's name when it is not one.
QString RemovedName(const QString& removal);

RemovalPlan PlanRemoval(const AddonLibrary& library, int index);

// Removes the add-on as planned, within its own journal entry, so that the removal can be undone from the
// history: the files first (a file changed since is kept as .usersave when keepChanged, else the removal
// stops before anything changes), then the folders it made, then the database rebuilt without it. A
// cancel stops between two files; the library then still holds the add-on with the files it has left.
// The log takes the importer's lines.
RemovalReport RemoveAddon(const QString& flyFolder, const RemovalPlan& plan, bool keepChanged,
                          const InstallLog& log, Progress& progress);

// A removal that a kill interrupted is undone at the next start, with the library as it was.
LibraryRecovery RecoverAddonLibrary(const QString& flyFolder);
