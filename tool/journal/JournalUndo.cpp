#include "journal/JournalUndo.h"

#include "fs/ChangeRecorder.h"
#include "fs/FileUtils.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"
#include "journal/ChangeJournal.h"
#include "journal/FolderLock.h"
#include "journal/JournalStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSet>

#include <functional>
#include <unistd.h>

namespace {

using Kind = ChangeStep::Kind;

QStringList PathsOf(const ChangeStep& step) {
    return step.kind == Kind::Renamed ? QStringList{step.path, step.to} : QStringList{step.path};
}

// The paths whose contents match none of the states the entry's steps left there.
QStringList ChangedSince(const JournalEntry& entry) {
    QMap<QString, QList<Fingerprint>> states;
    QStringList order;
    for (const ChangeStep& step : entry.steps) {
        for (const QString& at : PathsOf(step)) {
            if (!states.contains(at)) {
                order << at;
                states[at] << step.BeforeAt(at);
            }
            states[at] << step.AfterAt(at);
        }
    }
    QStringList changed;
    for (const QString& at : order) {
        const Fingerprint now = FingerprintOf(at, entry.HashUsed());
        if (std::none_of(states[at].cbegin(), states[at].cend(),
                         [&now](const Fingerprint& state) { return Matches(now, state); }))
            changed << at;
    }
    // Once a program's end was recorded, what it left is known: anything else in its folder came later.
    for (const int index : entry.programsEnded)
        for (const QString& path : ProgramEntries(entry.steps[index]))
            if (!states.contains(path))
                changed << path;
    return changed;
}

// The program a running entry started, which keeps it from being undone; empty when it started none.
QString RunningProgram(const JournalEntry& entry) {
    for (const ChangeStep& step : entry.steps)
        if (step.kind == Kind::Program)
            return step.to;
    return {};
}

// The entries a program's folder held when it started: the Kept steps that follow its Program step.
QSet<QString> Listed(const QList<ChangeStep>& steps, qsizetype program) {
    QSet<QString> listed;
    for (qsizetype i = program + 1; i < steps.size() && steps[i].kind == Kind::Kept; ++i)
        listed << steps[i].path;
    return listed;
}

// One entry's undo in progress: each step put back can be made again, so that a failure leaves the
// entry's changes all in place.
class EntryUndo final {
  public:
    EntryUndo(const ChangeJournal& journal, const JournalEntry& entry) : journal_(journal), entry_(entry) {}

    // Fails with the path that couldn't be put back (a step's own path) and why.
    Done Run() {
        const RecorderScope unrecorded(nullptr);
        if (!QDir().mkpath(journal_.StoreFolder(entry_.id)))
            return SystemFailure(journal_.StoreFolder(entry_.id), errno);
        for (qsizetype i = entry_.steps.size() - 1; i >= 0; --i) {
            if (const Done reverted = Revert(int(i), entry_.steps[i]); !reverted) {
                MakeAgain();
                Failure failure = reverted.failure();
                failure.path = entry_.steps[i].path;
                return failure;
            }
        }
        // What came back from the store is in place for good before the entry, and its store, go. A
        // folder that a later step made, and its undo removed again, holds nothing.
        for (const QString& folder : putBack_) {
            if (const Done flushed = FlushFolder(folder); !flushed && FolderExists(folder)) {
                MakeAgain();
                return flushed;
            }
        }
        return {};
    }

  private:
    Fingerprint Now(const QString& path) const { return FingerprintOf(path, entry_.HashUsed()); }
    QString Stored(const ChangeStep& step) const {
        return journal_.StorePath(entry_.id, step.stored.toInt());
    }
    // Whether the store still holds the old file; a folder's copy has times of its own.
    bool StoreIntact(const ChangeStep& step) const {
        return step.before.kind != Fingerprint::Kind::File || Now(Stored(step)) == step.before;
    }
    Failure StoreDamaged(const ChangeStep& step) const {
        return {Stored(step),
                QCoreApplication::translate("JournalUndo",
                                            "la copie du contenu d'origine gardée par le journal a changé")};
    }
    QString Redo(int index) {
        return journal_.StoreFolder(entry_.id) + QStringLiteral("redo-%1-%2").arg(index).arg(++redone_);
    }

    Done Revert(int index, const ChangeStep& step) {
        const Fingerprint now = Now(step.kind == Kind::Renamed ? step.to : step.path);
        switch (step.kind) {
        case Kind::Renamed:
            return RevertRename(step, now);
        case Kind::Created:
            return now.kind == Fingerprint::Kind::Absent ? Done() : RevertCreation(index, step);
        case Kind::Replaced:
            return step.after == step.before || now == step.before ? Done() : RevertReplacement(index, step);
        case Kind::Kept:
            if (now == step.before || step.stored.isEmpty())
                return {};
            // The program either wrote the file anew or removed it.
            return now.kind == Fingerprint::Kind::Absent ? RevertDeletion(step)
                                                         : RevertReplacement(index, step);
        case Kind::Deleted:
            return now.kind != Fingerprint::Kind::Absent ? Done() : RevertDeletion(step);
        case Kind::Temporary:
            return now.kind == Fingerprint::Kind::Absent ? Done() : RemoveWhole(step.path);
        case Kind::Program:
            return RevertProgram(index, step);
        }
        return Failure{step.path, {}};
    }

    // What a program left in its folder that was not there before goes, and the folder too when the
    // program made it.
    Done RevertProgram(int index, const ChangeStep& step) {
        const QSet<QString> listed = Listed(entry_.steps, index);
        for (const QString& path : ProgramEntries(step))
            if (!listed.contains(path))
                if (const Done removed = RevertCreation(index, {Kind::Created, path, {}, {}, {}, Now(path)});
                    !removed)
                    return removed;
        const bool made = step.before.kind == Fingerprint::Kind::Absent &&
                          Now(step.path).kind == Fingerprint::Kind::Folder && EntryNames(step.path).isEmpty();
        return made ? RevertCreation(
                          index, {Kind::Created, step.path, {}, {}, {}, {Fingerprint::Kind::Folder, 0, 0}})
                    : Done();
    }

    Done RevertRename(const ChangeStep& step, const Fingerprint& now) {
        if (now.kind == Fingerprint::Kind::Absent && Matches(Now(step.path), step.before))
            return {}; // never made
        if (const Done renamed = RenameNoReplace(step.to, step.path); !renamed)
            return renamed;
        undone_.push_back([step] { return bool(RenameNoReplace(step.path, step.to)); });
        return {};
    }

    Done RevertCreation(int index, const ChangeStep& step) {
        if (step.after == Fingerprint{Fingerprint::Kind::Folder, 0, 0}) {
            if (::rmdir(ToNative(step.path).constData()) != 0)
                return SystemFailure(step.path, errno);
            undone_.push_back([step] { return bool(MakeFolder(step.path)); });
            return {};
        }
        const QString redo = Redo(index);
        Done removed = KeepInStore(step.path, redo);
        if (removed)
            removed = RemoveWhole(step.path);
        if (!removed)
            return removed;
        undone_.push_back([redo, step] { return bool(PutBack(redo, step.path)); });
        return {};
    }

    Done PutBackStored(const ChangeStep& step) {
        putBack_.insert(FolderOfFile(step.path));
        return PutBack(Stored(step), step.path);
    }

    Done RevertReplacement(int index, const ChangeStep& step) {
        if (!StoreIntact(step))
            return StoreDamaged(step);
        const QString redo = Redo(index);
        Done replaced = KeepInStore(step.path, redo);
        if (replaced)
            replaced = PutBackStored(step);
        if (!replaced)
            return replaced;
        undone_.push_back([redo, step] { return bool(PutBack(redo, step.path)); });
        return {};
    }

    Done RevertDeletion(const ChangeStep& step) {
        if (!StoreIntact(step))
            return StoreDamaged(step);
        if (const Done putBack = PutBackStored(step); !putBack)
            return putBack;
        undone_.push_back([step] { return bool(RemoveWhole(step.path)); });
        return {};
    }

    void MakeAgain() {
        while (!undone_.empty()) {
            undone_.back()();
            undone_.pop_back();
        }
    }

    const ChangeJournal& journal_;
    const JournalEntry& entry_;
    std::vector<std::function<bool()>> undone_;
    QSet<QString> putBack_; // the folders of the files put back
    int redone_ = 0;
};

using Stop = UndoReport::Stop;

UndoReport Stopped(Stop stop, const QString& operation = {}, const Failure& failure = {}) {
    UndoReport report;
    report.stop = stop;
    report.operation = operation;
    report.failure = failure;
    return report;
}

// Why none of entries can be undone, whatever the answer to a question: one of them is damaged or runs.
// Stop::None when none is.
UndoReport Blocked(const QList<JournalEntry>& entries) {
    for (const JournalEntry& entry : entries) {
        if (entry.damaged())
            return Stopped(Stop::Damaged, entry.operation, {entry.file, entry.damage});
        if (entry.running)
            return Stopped(Stop::Running, entry.operation, {RunningProgram(entry), {}});
    }
    return {};
}

// Why entries can't be undone at all, before anything is touched: Stop::None when they can.
UndoReport Unready(const ChangeJournal& journal, const QList<JournalEntry>& entries) {
    return StillNewest(journal, entries) ? Blocked(entries) : Stopped(Stop::Stale);
}

// Stop::None when the entry is undone and gone from the journal.
UndoReport UndoOne(ChangeJournal& journal, const JournalEntry& entry) {
    if (const QStringList changed = ChangedSince(entry); !changed.isEmpty()) {
        UndoReport report = Stopped(Stop::ChangedSince, entry.operation);
        report.changed = changed;
        return report;
    }
    if (const Done undone = EntryUndo(journal, entry).Run(); !undone)
        return Stopped(Stop::NotPutBack, entry.operation, undone.failure());
    if (const Done removed = journal.Remove(entry); !removed)
        return Stopped(Stop::NotForgotten, entry.operation, {entry.file, removed.failure().reason});
    return {};
}

} // namespace

QString OperationText(const QString& operation) {
    return QCoreApplication::translate("Operation", operation.toUtf8().constData());
}

QString QuotedOperation(const QString& operation) {
    if (operation.isEmpty())
        return QCoreApplication::translate("JournalUndo", "(opération illisible)");
    return QCoreApplication::translate("JournalUndo", "« %1 »").arg(OperationText(operation));
}

QString EntryLine(const JournalEntry& entry) {
    QString line =
        entry.time.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) + QStringLiteral("   ") +
        (entry.operation.isEmpty() ? QCoreApplication::translate("JournalUndo", "(opération illisible)")
                                   : OperationText(entry.operation));
    if (entry.damaged())
        return line + QCoreApplication::translate("JournalUndo", "   endommagée (%1, %2)")
                          .arg(QFileInfo(entry.file).fileName(), entry.damage);
    const int files = entry.FileCount();
    line += files == 1 ? QCoreApplication::translate("JournalUndo", "   (1 fichier)")
                       : QCoreApplication::translate("JournalUndo", "   (%1 fichiers)").arg(files);
    if (entry.running)
        line += QCoreApplication::translate("JournalUndo", " en cours");
    else if (!entry.ended)
        line += QCoreApplication::translate("JournalUndo", " interrompue");
    return line;
}

Result<QString, UndoReport> UndoQuestion(const QList<JournalEntry>& entries, int count) {
    if (entries.isEmpty() || count <= 0)
        return Stopped(Stop::Nothing);
    count = int(std::min<qsizetype>(count, entries.size()));
    if (UndoReport blocked = Blocked(entries.mid(0, count)); blocked.stop != Stop::None)
        return blocked;
    if (count == 1)
        return QCoreApplication::translate("JournalUndo", "Annuler %1 ?")
            .arg(QuotedOperation(entries[0].operation));
    return QCoreApplication::translate("JournalUndo", "Annuler les %1 dernières opérations, de %2 à %3 ?")
        .arg(QString::number(count), QuotedOperation(entries[0].operation),
             QuotedOperation(entries[count - 1].operation));
}

bool StillNewest(const ChangeJournal& journal, const QList<JournalEntry>& entries) {
    const QList<JournalEntry> now = journal.Entries();
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (i >= now.size() || now[i].file != entries[i].file || now[i].fileSize != entries[i].fileSize)
            return false;
    return true;
}

UndoReport UndoEntries(ChangeJournal& journal, const QList<JournalEntry>& entries) {
    if (entries.isEmpty())
        return Stopped(Stop::Nothing);
    const FolderLock lock(journal);
    if (!lock.held())
        return Stopped(Stop::Locked, {}, lock.Refusal());
    if (UndoReport refused = Unready(journal, entries); refused.stop != Stop::None)
        return refused;
    UndoReport report;
    for (const JournalEntry& entry : entries) {
        UndoReport stopped = UndoOne(journal, entry);
        if (stopped.stop != Stop::None) {
            stopped.undone = report.undone;
            return stopped;
        }
        report.undone << entry.operation;
    }
    return report;
}
