#pragma once

#include "install/AddonLibrary.h"

#include <QHash>
#include <QStringList>

// What one installation writes, taken down as it goes so that the add-on can be removed on its own later:
// before a file is written, what its path holds is kept in the library's store; before the importer runs,
// the database files the library doesn't keep yet are kept too, and after it, those it changed are noted.
// The add-on joins the library when the installation ends (within its journal entry, like its files).
class AddonCapture final {
  public:
    explicit AddonCapture(const InstallRequest& request);

    // The library as read: its failure says why it can't take the add-on (damaged).
    const Done& Loaded() const { return loaded_; }

    // Before a file is written at path (resolved: where the write lands): keeps what it holds; a failure
    // means it must not be written.
    Done BeforeCopy(const QString& path);
    // After it (others may be written in between): whether the copy was made, the fingerprint of what was
    // written when the copy knows it (Unknown: read from the file), and the folders made for it.
    void AfterCopy(const QString& path, bool copied,
                   const Fingerprint& written = {Fingerprint::Kind::Unknown, 0, 0},
                   const QStringList& madeFolders = {});
    Done BeforeImport();
    // After the importer ran: what it changed is noted whatever its end; the import itself only when it
    // succeeded (ran: the program as it ran), since a removal imports it again.
    void AfterImport(const QString& dexFile, const Result<QString>& ran, bool pauseOnError);
    // Adds the add-on to the library when it wrote anything, and saves the library.
    Done Finish();

  private:
    void Forget(const QString& stored);
    // Drops file i of the add-on, with what the store kept for it.
    void ForgetFile(qsizetype i);

    QString flyFolder_;
    AddonLibrary library_;
    Done loaded_;
    Addon addon_;
    QHash<QString, qsizetype> fileAt_; // each file of addon_ by its path
    QHash<QString, Fingerprint> beforeImport_;
    QHash<QString, DatabaseFile> kept_; // database files kept before an import, not in the library's base
};
