#pragma once

#include "fs/Fingerprint.h"
#include "fs/Result.h"

#include <QList>
#include <QString>

// Many files copied and made durable together, keeping the promise of a single copy (a kill leaves each
// target old or new, never partial) at the cost of one flush for all of them: the recorder is told of every
// temporary and every write at once, before the first is made; each new file is written under a temporary
// name beside its target and its write-back started; Commit then flushes them together, renames them into
// place and flushes their folders once. What is not committed is removed when the batch goes.
class CopyBatch final {
  public:
    CopyBatch() = default;
    ~CopyBatch();
    CopyBatch(const CopyBatch&) = delete;
    CopyBatch& operator=(const CopyBatch&) = delete;

    // A copy of the plain file source over target, both resolved (target: where the write lands).
    void Add(const QString& source, const QString& target);
    qsizetype size() const { return copies_.size(); }
    // Tells the recorder of the whole batch; when it refuses, nothing may be written.
    Done Plan();
    // Writes copy i under its temporary name.
    Done Write(qsizetype i);
    // Flushes the copies written, then puts them in place; on a failure before the first rename, none is.
    Done Commit();
    // Whether copy i is in place.
    bool Placed(qsizetype i) const { return copies_[i].placed; }
    // Removes every temporary that is not in place.
    void Abandon();

  private:
    struct Copy final {
        QString source;
        QString target;
        QString temporary;
        Fingerprint after{Fingerprint::Kind::Unknown, 0, 0};
        bool written = false;
        bool placed = false;
    };

    Done Flush() const;

    QList<Copy> copies_;
};
