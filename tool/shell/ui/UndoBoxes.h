#pragma once

#include "fs/Outcome.h"
#include "journal/JournalScope.h"
#include "journal/UndoReport.h"

// The boxes of an undo, in order: the one that names the operations undone, then the one that says where it
// stopped, an information box when there was nothing to undo or the journal changed meanwhile, else the
// application's error box. Empty when there is nothing to say.
Outcome UndoBoxes(const UndoReport& report);

// The warning that the history may be incomplete, since an entry couldn't be sealed.
Outcome UnsealedBoxes(const JournalScope::Unsealed& entry);

// The question asked before an undo; or the boxes that say why nothing can be undone.
Outcome UndoQuestionBoxes(const Result<QString, UndoReport>& question);
