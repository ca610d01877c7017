#pragma once

#include "fs/Result.h"
#include "journal/UndoReport.h"

#include <QList>
#include <QString>

class ChangeJournal;
struct JournalEntry;

// An operation's name as the journal keeps it, in the language of the interface.
QString OperationText(const QString& operation);

// The history's line for an entry: local date and time, the operation, how many files; "interrompue" when
// it didn't end, "en cours" while it runs, "endommagée" with the entry file and what is wrong with it.
QString EntryLine(const JournalEntry& entry);

// An operation's name as undo's texts quote it: « NAME », or "(opération illisible)" when it has none.
QString QuotedOperation(const QString& operation);

// The question asked before the newest count of entries (the journal's, newest first) are undone; or why
// nothing can be undone, whatever the answer: nothing to undo, or one of them is damaged or runs.
Result<QString, UndoReport> UndoQuestion(const QList<JournalEntry>& entries, int count);

// Whether entries are still the newest of the journal, as they were read.
bool StillNewest(const ChangeJournal& journal, const QList<JournalEntry>& entries);

// Undoes entries, which must still be the newest of the journal, newest first, and reports how it went.
// Nothing at all is done when one of them is damaged or still running, or when the journal changed since
// they were read. Each entry is undone whole or not at all: when a file it changed was changed since by
// someone else, nothing of it is undone and the report names those files; when putting something back
// fails half way, what was put back already is changed again as it was. An undo that is killed is finished
// by the next one.
UndoReport UndoEntries(ChangeJournal& journal, const QList<JournalEntry>& entries);
