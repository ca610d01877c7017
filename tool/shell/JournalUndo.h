#pragma once

#include "shell/Outcome.h"

class ChangeJournal;

// Undoes the newest count entries of the journal, newest first, and says how it went. Each entry is undone
// whole or not at all: when a file it changed was changed since by someone else, nothing of it is undone
// and the box names those files; when putting something back fails half way, what was put back already is
// changed again as it was. An undo that is killed is finished by the next one.
Outcome UndoLast(ChangeJournal& journal, int count);
