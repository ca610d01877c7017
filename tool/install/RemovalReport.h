#pragma once

#include "fs/Result.h"
#include "journal/UndoReport.h"

#include <QList>
#include <QString>

// How the removal of an add-on ended, for its window to tell.
struct [[nodiscard]] RemovalReport final {
    enum class End {
        Removed,      // the add-on is out of the library
        Cancelled,    // stopped between two files: the add-on stays with the files it has left
        TakenBack,    // the database couldn't be rebuilt without it (failure: the import that failed): the
                      // whole removal was undone
        NotTakenBack, // the same, but the removal couldn't be undone: undo says why, when it was tried
        Damaged,      // the library can't be read (failure): nothing was removed
        Stale,        // the library changed since the plan, or files changed that weren't to be kept
        NotMarked,    // the library couldn't be told that a removal begins (failure): nothing was removed
    };

    QString name; // the add-on's
    End end = End::Removed;
    Failure failure;           // what stopped it, as its end says
    QList<Failure> notChanged; // the files the removal left as they were
    Done saved;                // the library's save once its files are done
    UndoReport undo;           // for TakenBack and NotTakenBack: the undo of the removal
};
