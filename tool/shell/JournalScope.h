#pragma once

#include "shell/Fingerprint.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

// While one lives, every change that the file layer makes on this thread is journaled for the simulator
// folder as one entry of the named operation: each step is written and flushed before the change is made,
// so even an operation that is killed half way can be undone. The entry begins with the first change; an
// operation that changes nothing leaves none. A scope opened inside another one adds to the outer entry.
class JournalScope final {
  public:
    JournalScope(const QString& flyFolder, const QString& operation);
    ~JournalScope();
    JournalScope(const JournalScope&) = delete;
    JournalScope& operator=(const JournalScope&) = delete;

    // Whether changes made now on this thread are journaled.
    static bool Recording();

    // Called by the file layer with resolved native paths just before it changes something. False when
    // the step can't be journaled: the change must then not be made. Without a scope they do nothing.
    static bool BeforeRename(const QString& from, const QString& to);
    static bool BeforeMakeFolder(const QString& path);
    // A file written whole (created or replaced) with contents whose fingerprint is after.
    static bool BeforeWrite(const QString& path, const Fingerprint& after);
    // A file or a whole folder deleted.
    static bool BeforeDelete(const QString& path);

    // A batch of renames known in advance, journaled with one flush; the renames themselves then journal
    // nothing more. A planned rename that doesn't happen is harmless: undo finds it never made.
    static bool PlanRenames(const QList<QPair<QString, QString>>& renames);

    // A program of our own that changes the files of folders by itself: every file there is kept first,
    // and once it has ended AfterProgram records what it left.
    static bool BeforeProgram(const QStringList& folders);
    static void AfterProgram();

    // Test seam: called with the number of each step once it is flushed, before its change.
    static void SetStepHook(std::function<void(int)> hook);
};

// While one lives, changes on this thread are not journaled: the journal's own files and undo.
class JournalPause final {
  public:
    JournalPause();
    ~JournalPause();
    JournalPause(const JournalPause&) = delete;
    JournalPause& operator=(const JournalPause&) = delete;
};
