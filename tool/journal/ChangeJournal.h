#pragma once

#include "fs/Result.h"
#include "journal/JournalEntry.h"
#include "journal/JournalRoot.h"

#include <QList>
#include <QString>
#include <QStringList>

// How long the journal keeps what undo needs. The last keepAtLeast entries are always kept.
struct JournalLimits final {
    int keepDays = 90;
    qint64 maxStoreBytes = qint64(1024) * 1024 * 1024;
    int keepAtLeast = 20;
};

// The journal of one simulator folder, kept in JournalRoot() and never inside that folder: one file per
// entry (EntryFile.h), and beside it the folder "<id>.store" with the old contents of the files that were
// replaced or deleted.
class ChangeJournal final {
  public:
    explicit ChangeJournal(const QString& flyFolder);

    bool valid() const { return !folder_.isEmpty(); }
    QString Folder() const { return folder_; }

    // Every entry, newest first, damaged ones included.
    QList<JournalEntry> Entries() const;
    // What changes whenever an entry is written, sealed or removed.
    QStringList Signature() const;
    // The id a new entry gets.
    int NewId() const;
    // Where the entry's store keeps the old contents of the step numbered index.
    QString StorePath(int id, int index) const;
    QString StoreFolder(int id) const;
    // Removes an entry with its store; the entry file goes first, so a half removal leaves no entry. A
    // failure names the entry's file that stayed.
    Done Remove(const JournalEntry& entry);
    // Removes the oldest entries beyond the limits, and what killed writers left that is no entry.
    void Prune(const JournalLimits& limits);

  private:
    QString folder_;
};

// The limits the user chose (the file "limits" in JournalRoot()), or the defaults.
JournalLimits LoadJournalLimits();
Done SaveJournalLimits(const JournalLimits& limits);
