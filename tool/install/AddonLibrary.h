#pragma once

#include "fs/Fingerprint.h"
#include "fs/Result.h"
#include "install/InstallRequest.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// One file an add-on wrote: what the path held before (nothing, or a file the library keeps in its store)
// and what the add-on put there.
struct AddonFile final {
    QString path; // native, as on disk
    Fingerprint before;
    QString stored; // the name in the library's store of the file it replaced; empty when there was none
    Fingerprint after;
};

// One run of the importer made for a DEX add-on, as it can be made again.
struct DexImport final {
    QString dexFile;  // the copy in the simulator's dex folder
    QString importer; // the program, as it ran
    bool pauseOnError = true;
};

// A database file as it was before the first DEX add-on of the library changed it.
struct DatabaseFile final {
    QString path;
    Fingerprint before;
    QString stored;
};

// An installation made by the installer.
struct Addon final {
    int id = 0;
    QString name; // the source folder's name unless the user renamed it
    InstallType type = InstallType::Scenery;
    QDateTime date;
    QString source;
    QList<AddonFile> files;
    QStringList folders;      // the folders it made
    QList<DexImport> imports; // in the order they ran
    QStringList touched;      // the database files its imports changed or made
};

// The add-ons installed into one simulator folder, in the order they were installed, with the old contents
// of every file they replaced. It lives beside the journal of changes ("addons.library" and the folder
// "addons.store"), never inside the simulator folder, written whole and atomically (through the file layer,
// so an operation's journal entry takes it back with the rest); its lines are checked like the journal's.
// Each path written by add-ons has a stack of owners: what was there before any add-on, then each add-on
// that wrote it, in order; the top one's file is on disk.
class AddonLibrary final {
  public:
    explicit AddonLibrary(const QString& flyFolder);

    QString FlyFolder() const { return flyFolder_; }
    QString File() const { return file_; }
    QString StoreFolder() const { return store_; }
    QString StorePath(const QString& stored) const { return store_ + stored; }
    // Makes the store's folder when it is missing, as a change of the operation in hand.
    Done MakeStore() const;

    QList<Addon> addons;
    QList<DatabaseFile> base;
    QHash<QString, Fingerprint> left; // database files as the library's last import left them
    QString pending;                  // a removal that began and didn't end: its journal operation

    // Reads the library file; a missing file is an empty library. The owners of every path are indexed
    // as it reads. A damaged file keeps what it read before the damage, and fails naming the file and what
    // is wrong with it.
    Done Load();
    Done Save() const;

    int IndexOf(int id) const;
    // The add-ons that wrote path, by index, in the order they were installed, as the library was read:
    // a caller that changes the add-ons' files afterwards asks no more.
    const QList<int>& Owners(const QString& path) const;
    // The name of the owner of what path holds now: the top add-on, or "fichier d'origine".
    QString OwnerName(const QString& path) const;
    // A name for a new file of the store, and the store files that some record still names.
    QString NewStoreName();
    QSet<QString> StoreNamesUsed() const;

  private:
    QString flyFolder_;
    QString file_;
    QString store_;
    int lastStore_ = -1;
    QHash<QString, QList<int>> owners_;
};

// The library's name for "what was there before any add-on".
QString OriginalFileName();

// The database files of the simulator folder (those the importer changes), each with what it holds now.
QHash<QString, Fingerprint> DatabaseSnapshot(const QString& flyFolder);
