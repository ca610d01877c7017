#pragma once

#include "fs/Result.h"

#include <QStringList>

// How an undo of journal entries went: the operations undone, newest first, as the journal names them, and
// where it stopped before the others, if it did.
struct [[nodiscard]] UndoReport final {
    enum class Stop {
        None,         // every entry asked for was undone
        Nothing,      // none was asked for
        Stale,        // the journal changed since the entries were read: nothing was undone
        Locked,       // another copy of the tool holds the folder (failure: its refusal): nothing was undone
        Damaged,      // the entry file failure.path is damaged (failure.reason): nothing was undone
        Running,      // the entry still runs; failure.path: the program it started, if it started one
        ChangedSince, // files the entry changed were changed since by someone else: nothing of it was undone
        NotPutBack,   // failure.path couldn't be put back: what of the entry was undone is changed again
        NotForgotten, // the entry was undone but can't be removed from the journal
    };

    QStringList undone{};
    Stop stop = Stop::None;
    QString operation{};   // the operation of the entry it stopped at
    Failure failure{};     // what stopped it, as its stop says
    QStringList changed{}; // for ChangedSince: the paths changed since

    // Whether it stopped on an error: not when everything or nothing was to be undone, nor when the
    // journal changed meanwhile.
    bool failed() const { return stop != Stop::None && stop != Stop::Nothing && stop != Stop::Stale; }
};
