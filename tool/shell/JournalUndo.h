#pragma once

#include "shell/Outcome.h"

#include <QString>

class ChangeJournal;
struct JournalEntry;

// The history's line for an entry: local date and time, the operation, how many files; "interrompue" when
// it didn't end.
QString EntryLine(const JournalEntry& entry);

// The question asked before the newest count entries are undone; empty when there is nothing to undo.
Outcome UndoQuestion(const ChangeJournal& journal, int count);

// Undoes the newest count entries of the journal, newest first, and says how it went. Each entry is undone
// whole or not at all: when a file it changed was changed since by someone else, nothing of it is undone
// and the box names those files; when putting something back fails half way, what was put back already is
// changed again as it was. An undo that is killed is finished by the next one.
Outcome UndoLast(ChangeJournal& journal, int count);
