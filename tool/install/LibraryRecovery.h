#pragma once

#include "journal/UndoReport.h"

#include <QString>

// What the next start did with a removal that a kill interrupted.
struct [[nodiscard]] LibraryRecovery final {
    QString pending{};     // the interrupted removal's operation; empty when the library holds none
    bool undoable = false; // its entry is the journal's newest, not running: only then is it undone here
    UndoReport undo{};     // how its undo went
};
