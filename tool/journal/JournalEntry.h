#pragma once

#include "journal/ChangeStep.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

// One journaled operation as its entry file tells it: its name as the user knows it, when it began, and
// its steps in the order they were made. An operation that didn't end (a kill, a crash) has no end mark
// but can be undone all the same; a damaged entry file can't.
struct JournalEntry final {
    int id = 0;
    QString file; // the entry file's path
    qint64 fileSize = 0;
    QString operation;
    QDateTime time;
    QList<ChangeStep> steps;
    QSet<int> programsEnded; // the Program steps whose program ended while the tool waited for it
    bool ended = false;
    int endedFiles = 0;  // the number of files changed, as the operation counted it when it ended
    bool running = false; // its operation, or a program it started, still runs
    QString damage;       // what is wrong with the entry file; empty when it reads whole

    bool damaged() const { return !damage.isEmpty(); }
    // The number of different files and folders the operation changed.
    int FileCount() const;
    // The hash its files' fingerprints were made with, for comparing them with what is on disk now.
    Fingerprint::Hash HashUsed() const;
};

// The number of different files and folders that the steps changed: a file renamed counts once, whatever
// its names; temporaries, the tool's own files and what a program left as it was don't count.
int ChangedFiles(const QList<ChangeStep>& steps);
