#pragma once

#include "fs/Fingerprint.h"
#include "fs/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Many files copied and made durable together, keeping the promise of a single copy (a kill leaves each
// target old or new, never partial) at the cost of one flush for all of them: the recorder is told of every
// temporary and every write at once, before the first is made; each new file is written under a temporary
// name beside its target and its write-back started; then all are flushed together, renamed into place, and
// their folders flushed once. What is not put in place is removed.
class CopyBatch final {
  public:
    CopyBatch() = default;
    ~CopyBatch();
    CopyBatch(const CopyBatch&) = delete;
    CopyBatch& operator=(const CopyBatch&) = delete;

    // A copy of the plain file source over target, both resolved (target: where the write lands), with
    // the folders made for it, outermost first: those still empty once the batch has run without putting
    // it in place are removed again.
    void Add(const QString& source, const QString& target, const QStringList& madeFolders = {});
    // Hands a file's bytes, piece by piece, to write (which fails when they can't be written), or fails
    // itself when they can't all be had (an archive's entry that is damaged).
    using Writer = std::function<Done(const char* data, qint64 size)>;
    using Contents = std::function<Done(const Writer& write)>;
    // A copy of what contents gives over target, as Add otherwise. Its fingerprint is taken as it is
    // written, and the recorder is told of the write once it is known, before the batch puts it in place.
    void AddFrom(Contents contents, const QString& target, const QStringList& madeFolders = {});
    qsizetype size() const { return copies_.size(); }
    // How far Run went.
    struct Ran final {
        qsizetype reached = 0; // the steps that were gone through
        bool cancelled = false;
        Done done; // the failure that put no copy in place
    };
    // Plans the batch, then goes through copies.size() steps in order: each is first told to step
    // (false: a cancel, and the steps left are not gone through), then its copy is written when it has one
    // (copies[i] >= 0); then Commit. A failure stops it: then none of the copies is in place.
    Ran Run(const QList<qsizetype>& copies, const std::function<bool(qsizetype)>& step);
    // Where copy i writes, and the folders made for it.
    const QString& Target(qsizetype i) const { return copies_[i].target; }
    const QStringList& MadeFolders(qsizetype i) const { return copies_[i].madeFolders; }
    // Whether copy i is in place.
    bool Placed(qsizetype i) const { return copies_[i].placed; }
    // The fingerprint of what copy i writes, taken when a recorder was told of it; else Unknown.
    Fingerprint Written(qsizetype i) const { return copies_[i].after; }

  private:
    struct Copy final {
        QString source; // empty for a copy of contents
        Contents contents;
        QString target;
        QString temporary;
        QStringList madeFolders;
        Fingerprint after{Fingerprint::Kind::Unknown, 0, 0};
        bool written = false;
        bool placed = false;
    };

    // Tells the recorder of the whole batch; when it refuses, nothing may be written.
    Done Plan();
    // Writes copy i under its temporary name.
    Done Write(qsizetype i);
    // Writes the bytes contents gives into out, and takes their fingerprint.
    Done Stream(const Copy& copy, int out, Fingerprint& after) const;
    // Tells the recorder of the writes of contents, now that what they write is known.
    Done PlanStreamed() const;
    // Flushes the copies written, then puts them in place; on a failure before the first rename, none is.
    Done Commit();
    // Removes every temporary that is not in place.
    void Abandon();
    // Removes the folders made for copies that are not in place, where nothing else went into them.
    void RemoveFoldersLeftEmpty();
    Done Flush() const;

    QList<Copy> copies_;
};
