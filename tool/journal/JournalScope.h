#pragma once

#include "fs/Result.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class EntryRecorder;
class RecorderScope;

// While one lives, every change that the file layer makes on this thread is journaled for the simulator
// folder as one entry of the named operation: each step is written and flushed before the change is made
// (temporaries included), so even an operation that is killed half way can be undone. The entry begins
// with the first change and is sealed when the scope ends; an operation that changed nothing leaves none.
// A change that can't be journaled is refused, with the journal named as the reason. A scope opened
// inside another one adds to the outer entry.
class JournalScope final {
  public:
    JournalScope(const QString& flyFolder, const QString& operation);
    ~JournalScope();
    JournalScope(const JournalScope&) = delete;
    JournalScope& operator=(const JournalScope&) = delete;

    // A program (program names it) that changes files of folders by itself, those whose names match the
    // folder's masks: before it starts, the entry lists what they are, with a copy of each file, and stays
    // locked for as long as the program runs, even when the tool itself is killed; once it has ended,
    // AfterProgram records what it left. Without a scope they do nothing.
    struct ProgramFolder final {
        QString folder;
        QStringList masks; // Windows masks ("*.POD")
    };
    static Done BeforeProgram(const QList<ProgramFolder>& folders, const QString& program);
    static void AfterProgram();

    // An entry that couldn't be sealed as its scope ended, and so reads as interrupted (or its seal may not
    // outlive a crash): its operation, the journal's folder, and why.
    struct Unsealed final {
        QString operation;
        QString folder;
        Failure failure;
    };
    // Where an unsealed entry is told: the windows warn of it. Without one, nobody is told.
    static void SetUnsealedWarning(std::function<void(const Unsealed&)> show);

    // Test seam: called with the number of each step once it is flushed, before its change.
    static void SetStepHook(std::function<void(int)> hook);

  private:
    std::unique_ptr<EntryRecorder> recorder_;
    std::unique_ptr<RecorderScope> scope_;
};
