#pragma once

#include "shell/ChangeStep.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One journaled operation: its name as the user knows it, when it began, and its steps in the order they
// were made. An operation that didn't end (a kill, a crash) has no end mark but can be undone all the same.
struct JournalEntry final {
    int id = 0;
    QString operation;
    QDateTime time;
    QList<ChangeStep> steps;
    bool ended = false;

    // The number of different files and folders the steps changed.
    int FileCount() const;
};

// How long the journal keeps what undo needs. The last keepAtLeast entries are always kept.
struct JournalLimits final {
    int keepDays = 90;
    qint64 maxStoreBytes = qint64(1024) * 1024 * 1024;
    int keepAtLeast = 20;
};

// The journal of one simulator folder, kept in JournalRoot() and never inside that folder: one file per
// entry, "<id>.entry", each line flushed when written, and beside it the folder "<id>.store" with the old
// contents of the files that were replaced or deleted.
class ChangeJournal final {
  public:
    explicit ChangeJournal(const QString& flyFolder);

    bool valid() const { return !folder_.isEmpty(); }
    QString Folder() const { return folder_; }

    // Every entry, newest first.
    QList<JournalEntry> Entries() const;
    // A new entry with its first lines written and flushed; its id, or 0 when it can't be written.
    int Begin(const QString& operation);
    // Appends lines to the entry and flushes them before it returns.
    bool Append(int id, const QByteArray& lines);
    // Where the entry's store keeps the old contents of the step numbered index.
    QString StorePath(int id, int index) const;
    QString StoreFolder(int id) const;
    // Removes an entry with its store; the entry file goes first, so a half removal leaves no entry.
    bool Remove(int id);
    // Removes the oldest entries beyond the limits.
    void Prune(const JournalLimits& limits);

  private:
    QString EntryPath(int id) const;

    QString folder_;
};

// $XDG_DATA_HOME/flykestrel/ when that is an absolute path, else <home>/.local/share/flykestrel/ (trailing
// '/'); empty when the home folder is unknown.
QString JournalRoot();

// The limits the user chose (the file "limits" in JournalRoot()), or the defaults.
JournalLimits LoadJournalLimits();
bool SaveJournalLimits(const JournalLimits& limits);
