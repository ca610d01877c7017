#pragma once

#include "journal/ChangeJournal.h"
#include "journal/JournalUndo.h"

// What "Annuler jusqu'à la sélection" does once the user said Yes: undoes the newest count entries.
inline UndoReport UndoNewest(ChangeJournal& journal, int count) {
    return UndoEntries(journal, journal.Entries().mid(0, count));
}
