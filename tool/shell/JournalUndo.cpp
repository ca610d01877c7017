#include "shell/JournalUndo.h"

#include "shell/ChangeJournal.h"
#include "shell/JournalScope.h"
#include "shell/JournalStore.h"
#include "shell/NativeFolder.h"
#include "shell/NativeFs.h"
#include "shell/NativeText.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>

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
        const Fingerprint now = FingerprintOf(at);
        if (std::none_of(states[at].cbegin(), states[at].cend(),
                         [&now](const Fingerprint& state) { return Matches(now, state); }))
            changed << at;
    }
    return changed;
}

// One entry's undo in progress: each step put back can be made again, so that a failure leaves the
// entry's changes all in place.
class EntryUndo final {
  public:
    EntryUndo(const ChangeJournal& journal, const JournalEntry& entry) : journal_(journal), entry_(entry) {}

    // The path that couldn't be put back, or empty.
    QString Run() {
        const JournalPause pause;
        if (!QDir().mkpath(journal_.StoreFolder(entry_.id)))
            return journal_.StoreFolder(entry_.id);
        RemoveTemporaries();
        for (qsizetype i = entry_.steps.size() - 1; i >= 0; --i) {
            if (!Revert(int(i), entry_.steps[i])) {
                MakeAgain();
                return entry_.steps[i].path;
            }
        }
        return {};
    }

  private:
    QString Stored(const ChangeStep& step) const {
        return journal_.StorePath(entry_.id, step.stored.toInt());
    }
    // Whether the store still holds the old file; a folder's copy has times of its own.
    bool StoreIntact(const ChangeStep& step) const {
        return step.before.kind != Fingerprint::Kind::File || FingerprintOf(Stored(step)) == step.before;
    }
    QString Redo(int index) const {
        return journal_.StoreFolder(entry_.id) + QStringLiteral("redo-") + QString::number(index);
    }

    bool Revert(int index, const ChangeStep& step) {
        const Fingerprint now = FingerprintOf(step.kind == Kind::Renamed ? step.to : step.path);
        switch (step.kind) {
        case Kind::Renamed:
            return RevertRename(step, now);
        case Kind::Created:
            return now.kind == Fingerprint::Kind::Absent || RevertCreation(index, step);
        case Kind::Replaced:
            return step.after == step.before || now == step.before || RevertReplacement(index, step);
        case Kind::Deleted:
            return now.kind != Fingerprint::Kind::Absent || RevertDeletion(step);
        }
        return false;
    }

    bool RevertRename(const ChangeStep& step, const Fingerprint& now) {
        if (now.kind == Fingerprint::Kind::Absent && Matches(FingerprintOf(step.path), step.before))
            return true; // never made
        if (!RenameNoReplace(step.to, step.path))
            return false;
        undone_.push_back([step] { return RenameNoReplace(step.path, step.to); });
        return true;
    }

    bool RevertCreation(int index, const ChangeStep& step) {
        if (step.after.kind == Fingerprint::Kind::Folder) {
            if (::rmdir(ToNative(step.path).constData()) != 0)
                return false;
            undone_.push_back([step] { return MakeFolder(step.path); });
            return true;
        }
        const QString redo = Redo(index);
        if (!KeepInStore(step.path, redo) || !RemoveWhole(step.path))
            return false;
        undone_.push_back([redo, step] { return PutBack(redo, step.path); });
        return true;
    }

    bool RevertReplacement(int index, const ChangeStep& step) {
        if (!StoreIntact(step))
            return false;
        const QString redo = Redo(index);
        if (!KeepInStore(step.path, redo) || !PutBack(Stored(step), step.path))
            return false;
        undone_.push_back([redo, step] { return PutBack(redo, step.path); });
        return true;
    }

    bool RevertDeletion(const ChangeStep& step) {
        if (!StoreIntact(step) || !PutBack(Stored(step), step.path))
            return false;
        undone_.push_back([step] { return RemoveWhole(step.path); });
        return true;
    }

    void MakeAgain() {
        while (!undone_.empty()) {
            undone_.back()();
            undone_.pop_back();
        }
    }

    // The temporary copies that a write killed half way leaves beside its file.
    void RemoveTemporaries() const {
        for (const ChangeStep& step : entry_.steps) {
            if (step.kind != Kind::Created && step.kind != Kind::Replaced)
                continue;
            const qsizetype slash = step.path.lastIndexOf('/');
            const QString folder = step.path.left(slash);
            const QRegularExpression temporary(QRegularExpression::anchoredPattern(
                '.' + QRegularExpression::escape(step.path.mid(slash + 1)) +
                QStringLiteral("\\.[A-Za-z0-9]{6}")));
            for (const QString& name : EntryNames(folder))
                if (temporary.match(name).hasMatch())
                    ::unlink(ToNative(folder + '/' + name).constData());
        }
    }

    const ChangeJournal& journal_;
    const JournalEntry& entry_;
    std::vector<std::function<bool()>> undone_;
};

QString Quoted(const QString& operation) {
    return QString::fromUtf8("« ") + operation + QString::fromUtf8(" »");
}

} // namespace

QString EntryLine(const JournalEntry& entry) {
    const int files = entry.FileCount();
    QString line = entry.time.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) +
                   QStringLiteral("   ") + entry.operation + QStringLiteral("   (") + QString::number(files) +
                   (files == 1 ? QStringLiteral(" fichier)") : QStringLiteral(" fichiers)"));
    if (!entry.ended)
        line += QString::fromUtf8(" interrompue");
    return line;
}

Outcome UndoQuestion(const ChangeJournal& journal, int count) {
    const QList<JournalEntry> entries = journal.Entries();
    if (entries.isEmpty() || count <= 0)
        return Outcome::Info(QString::fromUtf8("Aucune opération à annuler."));
    if (count == 1)
        return Outcome::Question(QStringLiteral("Annuler ") + Quoted(entries[0].operation) +
                                 QStringLiteral(" ?"));
    count = int(std::min<qsizetype>(count, entries.size()));
    return Outcome::Question(QStringLiteral("Annuler les %1 dernières opérations, de ").arg(count) +
                             Quoted(entries[0].operation) + QStringLiteral(" à ") +
                             Quoted(entries[count - 1].operation) + QStringLiteral(" ?"));
}

Outcome UndoLast(ChangeJournal& journal, int count) {
    const QList<JournalEntry> entries = journal.Entries();
    if (entries.isEmpty() || count <= 0)
        return Outcome::Info(QString::fromUtf8("Aucune opération à annuler."));
    QStringList done;
    for (qsizetype i = 0; i < std::min<qsizetype>(count, entries.size()); ++i) {
        const JournalEntry& entry = entries[i];
        const QStringList changed = ChangedSince(entry);
        Outcome refused;
        if (!changed.isEmpty())
            refused = Outcome::Error(QString::fromUtf8("Impossible d'annuler ") + Quoted(entry.operation) +
                                     QString::fromUtf8(" : ces fichiers ont été modifiés depuis :\n") +
                                     changed.join('\n'));
        else if (const QString failed = EntryUndo(journal, entry).Run(); !failed.isEmpty())
            refused = Outcome::Error(QString::fromUtf8("Impossible d'annuler ") + Quoted(entry.operation) +
                                     QString::fromUtf8(" : ") + failed +
                                     QString::fromUtf8(" n'a pas pu être rétabli. Rien n'a été changé."));
        else if (!journal.Remove(entry.id))
            refused = Outcome::Error(QString::fromUtf8("Impossible d'effacer l'historique de ") +
                                     Quoted(entry.operation));
        if (!refused.ok()) {
            Outcome outcome =
                done.isEmpty()
                    ? Outcome{}
                    : Outcome::Info(QString::fromUtf8("Annulé : ") + done.join(QStringLiteral(", ")));
            return outcome += refused;
        }
        done << Quoted(entry.operation);
    }
    return Outcome::Info(QString::fromUtf8("Annulé : ") + done.join(QStringLiteral(", ")));
}
