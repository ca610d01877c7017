#include "journal/JournalScope.h"

#include "fs/ChangeRecorder.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"
#include "journal/ChangeJournal.h"
#include "journal/EntryFile.h"
#include "journal/FolderLock.h"
#include "journal/JournalRoot.h"
#include "journal/JournalStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSet>

#include <cerrno>
#include <sys/stat.h>

namespace {

using Kind = ChangeStep::Kind;

thread_local EntryRecorder* active = nullptr;
std::function<void(int)> stepHook;
std::function<void(const JournalScope::Unsealed&)> showUnsealed;

QString ChangeKey(const FileChange& change) {
    return QString::number(int(change.kind)) + change.path + QChar(0) + change.to;
}

bool IsPlainFile(const QString& path) {
    struct stat st {};
    return ::lstat(ToNative(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool NeedsStore(const ChangeStep& step) {
    return step.kind == Kind::Replaced || step.kind == Kind::Deleted ||
           (step.kind == Kind::Kept && IsPlainFile(step.path));
}

// What a rename moves: the fingerprint the file layer took of it, when it is still a plain file of that size
// (the copy of a link's target is no fingerprint of the link), else read now.
Fingerprint Moved(const FileChange& change) {
    struct stat st {};
    if (change.after.kind == Fingerprint::Kind::File && ::lstat(ToNative(change.path).constData(), &st) == 0 &&
        S_ISREG(st.st_mode) && st.st_size == change.after.size)
        return change.after;
    return FingerprintOf(change.path);
}

ChangeStep StepFor(const FileChange& change) {
    switch (change.kind) {
    case FileChange::Kind::Rename: {
        const Fingerprint moved = Moved(change);
        return {Kind::Renamed, change.path, change.to, {}, moved, moved};
    }
    case FileChange::Kind::MakeFolder:
        return {Kind::Created, change.path, {}, {}, {}, {Fingerprint::Kind::Folder, 0, 0}};
    case FileChange::Kind::Temporary:
        return {Kind::Temporary, change.path, {}, {}, {}, {Fingerprint::Kind::Unknown, 0, 0}};
    case FileChange::Kind::Write: {
        const Fingerprint before = FingerprintOf(change.path);
        const Kind kind = before.kind == Fingerprint::Kind::Absent ? Kind::Created : Kind::Replaced;
        return {kind, change.path, {}, {}, before, change.after};
    }
    case FileChange::Kind::Delete:
        break;
    }
    return {Kind::Deleted, change.path, {}, {}, FingerprintOf(change.path), {}};
}

// What a program's folder holds before it starts: the folder, then each entry the program may change.
QList<ChangeStep> ProgramSteps(const QString& folder, const QStringList& masks, const QString& program) {
    const Fingerprint there = FingerprintOf(folder).kind == Fingerprint::Kind::Folder
                                  ? Fingerprint{Fingerprint::Kind::Folder, 0, 0}
                                  : Fingerprint{};
    QList<ChangeStep> steps{
        {Kind::Program, folder, program, masks.join(';'), there, {Fingerprint::Kind::Unknown, 0, 0}}};
    for (const QString& path : ProgramEntries(steps.front()))
        steps.append({Kind::Kept, path, {}, {}, FingerprintOf(path), {Fingerprint::Kind::Unknown, 0, 0}});
    return steps;
}

// Whether every path the steps changed holds again what it held before the first of them: an operation
// refused whole (each copy refused, what the library kept for it dropped again) changed nothing. A folder
// made for the tool's own files (the library's store) is no change of the user's.
bool LeftAsItWas(const QList<ChangeStep>& changed) {
    const QString own = JournalRoot();
    QHash<QString, Fingerprint> before;
    for (const ChangeStep& step : changed) {
        if (step.kind == Kind::Program)
            return false;
        if (step.kind == Kind::Created && step.after.kind == Fingerprint::Kind::Folder && !own.isEmpty() &&
            step.path.startsWith(own))
            continue;
        before.insert(step.path, before.value(step.path, step.before));
        if (step.kind == Kind::Renamed)
            before.insert(step.to, before.value(step.to, Fingerprint{}));
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (FingerprintOf(it.key(), it.value().hash) != it.value())
            return false;
    return true;
}

} // namespace

// The recorder of one open entry.
class EntryRecorder final : public ChangeRecorder {
  public:
    EntryRecorder(const QString& flyFolder, const QString& operation)
        : journal_(flyFolder), operation_(operation), lock_(journal_) {}

    bool valid() const { return journal_.valid(); }

    Done Before(const QList<FileChange>& changes) override {
        QList<ChangeStep> steps;
        QStringList keys;
        for (const FileChange& change : changes) {
            const QString key = ChangeKey(change);
            if (pending_.contains(key))
                continue; // planned with a batch
            steps << StepFor(change);
            keys << key;
        }
        const Done recorded = Record(steps);
        if (recorded)
            for (qsizetype i = 0; i < keys.size(); ++i)
                pending_.insert(keys[i], int(steps_.size() - steps.size() + i));
        return recorded;
    }

    void After(const FileChange& change, bool made) override {
        const auto found = pending_.constFind(ChangeKey(change));
        if (found == pending_.cend())
            return;
        const int index = *found;
        pending_.erase(found);
        made_[index] = made || (change.kind == FileChange::Kind::Delete &&
                                FingerprintOf(change.path) != steps_[index].before);
    }

    Done BeforeProgram(const QList<JournalScope::ProgramFolder>& folders, const QString& program) {
        QList<ChangeStep> steps;
        for (const JournalScope::ProgramFolder& folder : folders)
            steps << ProgramSteps(ResolvePath(folder.folder), folder.masks, program);
        const qsizetype first = steps_.size();
        const Done recorded = Record(steps);
        if (!recorded)
            return recorded;
        program_.clear();
        for (qsizetype i = first; i < steps_.size(); ++i)
            program_ << int(i);
        writer_.LetProgramsInherit(true);
        return {};
    }

    void AfterProgram() {
        writer_.LetProgramsInherit(false);
        QList<QPair<int, Fingerprint>> after;
        QList<ChangeStep> created;
        QList<int> programs;
        QSet<QString> listed;
        for (const int index : program_) {
            ChangeStep& step = steps_[index];
            if (step.kind == Kind::Program)
                programs << index;
            listed << step.path;
            if (step.kind == Kind::Kept)
                after.append({index, FingerprintOf(step.path)});
        }
        for (const int index : programs)
            created << Created(steps_[index], listed);
        if (!writer_.AppendProgramEnd(after, created, programs))
            return; // undo then takes the folders back to what they held before the program
        for (const auto& [index, fingerprint] : after) {
            steps_[index].after = fingerprint;
            made_[index] = fingerprint != steps_[index].before;
            // What the program left as it was needs no copy.
            // A copy that can't be removed costs room in the store only, and goes with the entry.
            if (!made_[index] && !steps_[index].stored.isEmpty())
                (void)RemoveWhole(journal_.StorePath(id_, index));
        }
        for (const ChangeStep& step : created)
            Add(step, true);
        program_.clear();
    }

    // Seals the entry, or removes it when its operation changed nothing; fails when the entry can't be
    // sealed. A store that can't be removed here is one without an entry, which the next Prune removes.
    Done Close() {
        if (!created_ && id_ != 0)
            (void)RemoveWhole(journal_.StoreFolder(id_)); // what a refused first change left
        if (!writer_.open())
            return {}; // the change it failed for was refused, with the journal named as the reason
        QList<ChangeStep> changed;
        bool temporaryLeft = false;
        for (qsizetype i = 0; i < steps_.size(); ++i) {
            if (steps_[i].kind == Kind::Temporary)
                temporaryLeft =
                    temporaryLeft || FingerprintOf(steps_[i].path).kind != Fingerprint::Kind::Absent;
            else if (made_[i])
                changed << steps_[i];
        }
        // Telling whether the changes were all taken back reads the changed files again: it is done only for
        // an entry that changed none of the user's files (a refused installation changed the library's
        // store, then took that back).
        const int files = ChangedFiles(changed);
        if (!temporaryLeft && (changed.isEmpty() || (files == 0 && LeftAsItWas(changed)))) {
            writer_.Discard();
            (void)RemoveWhole(journal_.StoreFolder(id_)); // what stays goes with the next Prune
            return {};
        }
        return writer_.Seal(files);
    }

    QString Operation() const { return operation_; }
    QString Folder() const { return journal_.Folder(); }

  private:
    QList<ChangeStep> Created(const ChangeStep& program, const QSet<QString>& listed) const {
        QList<ChangeStep> created;
        if (FingerprintOf(program.path).kind != Fingerprint::Kind::Folder)
            return created;
        if (program.before.kind == Fingerprint::Kind::Absent)
            created.append({Kind::Created, program.path, {}, {}, {}, {Fingerprint::Kind::Folder, 0, 0}});
        for (const QString& path : ProgramEntries(program))
            if (!listed.contains(path))
                created.append({Kind::Created, path, {}, {}, {}, FingerprintOf(path)});
        return created;
    }

    Failure JournalFailure(const QString& reason) const {
        return {journal_.Folder(),
                QCoreApplication::translate(
                    "JournalScope", "l'historique des modifications ne peut pas être écrit dans %1 (%2)")
                    .arg(journal_.Folder(), reason)};
    }

    // Keeps the old contents the steps need in the entry's store; the failure of one that can't be kept.
    Done KeepOldContents(QList<ChangeStep>& steps) {
        bool kept = false;
        for (qsizetype i = 0; i < steps.size(); ++i) {
            if (!NeedsStore(steps[i]))
                continue;
            const int number = int(steps_.size() + i);
            steps[i].stored = QString::number(number);
            const StoreBy by = steps[i].kind == Kind::Kept ? StoreBy::Copy : StoreBy::LinkOrCopy;
            if (!QDir().mkpath(journal_.StoreFolder(id_)))
                return SystemFailure(journal_.StoreFolder(id_), errno);
            if (Done stored = KeepInStore(steps[i].path, journal_.StorePath(id_, number), by); !stored)
                return stored;
            kept = true;
        }
        return kept ? FlushFolder(journal_.StoreFolder(id_)) : Done();
    }

    // The copies of steps that were never recorded. One that can't be removed is replaced or refused by
    // the later step that gets its number, never taken for that step's old contents.
    void ForgetOldContents(const QList<ChangeStep>& steps) {
        for (const ChangeStep& step : steps)
            if (!step.stored.isEmpty())
                (void)RemoveWhole(journal_.StorePath(id_, step.stored.toInt()));
    }

    Done Record(QList<ChangeStep> steps) {
        if (steps.isEmpty())
            return {};
        if (!lock_.held())
            return lock_.Refusal();
        if (id_ == 0) {
            journal_.Prune(LoadJournalLimits());
            id_ = journal_.NewId();
        }
        if (const Done kept = KeepOldContents(steps); !kept) {
            ForgetOldContents(steps);
            return JournalFailure(kept.failure().reason);
        }
        const Done written = created_ ? writer_.AppendSteps(steps)
                                      : writer_.Create(journal_.Folder(), id_, operation_,
                                                       QDateTime::currentDateTimeUtc(), steps);
        if (!written) {
            ForgetOldContents(steps);
            return JournalFailure(written.failure().reason);
        }
        created_ = true;
        for (const ChangeStep& step : steps) {
            Add(step, false);
            if (stepHook)
                stepHook(int(steps_.size()));
        }
        return {};
    }

    void Add(const ChangeStep& step, bool made) {
        steps_ << step;
        made_ << made;
    }

    ChangeJournal journal_;
    QString operation_;
    FolderLock lock_;
    EntryWriter writer_;
    int id_ = 0;
    bool created_ = false;
    QList<ChangeStep> steps_;
    QList<bool> made_;
    QHash<QString, int> pending_; // the step of each change told and not made yet
    QList<int> program_;          // the steps of the program that runs
};

JournalScope::JournalScope(const QString& flyFolder, const QString& operation) {
    if (active != nullptr || flyFolder.isEmpty())
        return;
    recorder_ = std::make_unique<EntryRecorder>(flyFolder, operation);
    if (!recorder_->valid()) {
        recorder_.reset();
        return;
    }
    active = recorder_.get();
    scope_ = std::make_unique<RecorderScope>(recorder_.get());
}

JournalScope::~JournalScope() {
    if (recorder_ == nullptr)
        return;
    scope_.reset();
    active = nullptr;
    const Done sealed = recorder_->Close();
    if (!sealed && showUnsealed)
        showUnsealed({recorder_->Operation(), recorder_->Folder(), sealed.failure()});
}

Done JournalScope::BeforeProgram(const QList<ProgramFolder>& folders, const QString& program) {
    return active == nullptr ? Done() : active->BeforeProgram(folders, program);
}

void JournalScope::AfterProgram() {
    if (active != nullptr)
        active->AfterProgram();
}

void JournalScope::SetUnsealedWarning(std::function<void(const Unsealed&)> show) {
    showUnsealed = std::move(show);
}

void JournalScope::SetStepHook(std::function<void(int)> hook) {
    stepHook = std::move(hook);
}
