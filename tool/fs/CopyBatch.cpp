#include "fs/CopyBatch.h"

#include "fs/ChangeRecorder.h"
#include "fs/FileCopy.h"
#include "fs/FileHash.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"

#include <QSet>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Starts the write-back of a large file at once, so that the batch's flush finds little of it left; small
// ones are left for the kernel to gather, which writes thousands of them far sooner together than one by
// one.
bool StartWriteBack(int out) {
    struct stat st {};
    constexpr off_t Large = 1 << 20;
    return ::fstat(out, &st) == 0 && (st.st_size < Large || ::sync_file_range(out, 0, 0, SYNC_FILE_RANGE_WRITE) == 0);
}

QString FolderOf(const QString& path) {
    return path.left(std::max<qsizetype>(path.lastIndexOf('/'), 1));
}

// Writes the source's bytes into the temporary at out and starts their write-back.
bool Fill(int out, const QString& source, const QString& target) {
    const Result<int> in = OpenForReading(source);
    if (!in)
        return false;
    const bool ok = CopyContents(*in, out) && ::fchmod(out, ModeFor(target)) == 0 && StartWriteBack(out);
    const int error = errno;
    ::close(*in);
    errno = error;
    return ok;
}

} // namespace

CopyBatch::~CopyBatch() {
    Abandon();
}

void CopyBatch::Add(const QString& source, const QString& target, const QStringList& madeFolders) {
    copies_.append({source, {}, target, TemporaryBeside(target), madeFolders});
}

void CopyBatch::AddFrom(Contents contents, const QString& target, const QStringList& madeFolders) {
    copies_.append({{}, std::move(contents), target, TemporaryBeside(target), madeFolders});
}

Done CopyBatch::Plan() {
    ChangeRecorder* recorder = CurrentRecorder();
    if (recorder == nullptr)
        return {};
    QList<FileChange> changes;
    for (const Copy& copy : copies_)
        changes.append({FileChange::Kind::Temporary, copy.temporary, {}, {}});
    for (Copy& copy : copies_) {
        if (copy.contents)
            continue; // told once written
        copy.after = FingerprintOfContents(copy.source);
        changes.append({FileChange::Kind::Write, copy.target, {}, copy.after});
    }
    if (const Done told = recorder->Before(changes); !told)
        return Failure{told.failure().path, told.failure().reason, true};
    return {};
}

Done CopyBatch::Write(qsizetype i) {
    Copy& copy = copies_[i];
    const Result<int> out = CreateTemporary(copy.temporary, copy.target);
    if (!out)
        return out.failure();
    copy.written = true;
    if (copy.contents) {
        Done streamed = Stream(copy, *out, copy.after);
        if (::close(*out) != 0 && streamed)
            streamed = SystemFailure(copy.target, errno);
        if (!streamed) {
            ::unlink(ToNative(copy.temporary).constData());
            copy.written = false;
        }
        return streamed;
    }
    bool ok = Fill(*out, copy.source, copy.target);
    const int error = errno;
    ok = ::close(*out) == 0 && ok;
    if (ok)
        return {};
    ::unlink(ToNative(copy.temporary).constData());
    copy.written = false;
    return SystemFailure(copy.target, error);
}

Done CopyBatch::Stream(const Copy& copy, int out, Fingerprint& after) const {
    FileHash hash;
    const Done given = copy.contents([&](const char* data, qint64 size) -> Done {
        hash.Add(data, size);
        return WriteFully(out, data, size, copy.target);
    });
    if (!given)
        return given;
    if (::fchmod(out, ModeFor(copy.target)) != 0 || !StartWriteBack(out))
        return SystemFailure(copy.target, errno);
    after = hash.Value();
    return {};
}

Done CopyBatch::PlanStreamed() const {
    ChangeRecorder* recorder = CurrentRecorder();
    QList<FileChange> changes;
    for (const Copy& copy : copies_)
        if (copy.contents && copy.written)
            changes.append({FileChange::Kind::Write, copy.target, {}, copy.after});
    if (recorder == nullptr || changes.isEmpty())
        return {};
    if (const Done told = recorder->Before(changes); !told)
        return Failure{told.failure().path, told.failure().reason, true};
    return {};
}

// One syncfs for each file system the copies went to.
Done CopyBatch::Flush() const {
    QSet<QString> folders;
    QSet<dev_t> flushed;
    for (const Copy& copy : copies_) {
        const QString folder = FolderOf(copy.target);
        if (!copy.written || folders.contains(folder))
            continue;
        folders.insert(folder);
        const int fd = ::open(ToNative(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat st {};
        const bool ok = fd >= 0 && ::fstat(fd, &st) == 0 && (flushed.contains(st.st_dev) || ::syncfs(fd) == 0);
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        if (!ok)
            return SystemFailure(copy.target, error);
        flushed.insert(st.st_dev);
    }
    return {};
}

Done CopyBatch::Commit() {
    if (const Done flushed = Flush(); !flushed) {
        Abandon();
        return flushed;
    }
    if (const Done told = PlanStreamed(); !told) {
        Abandon();
        return told;
    }
    QSet<QString> folders;
    for (Copy& copy : copies_) {
        if (!copy.written)
            continue;
        const Done placed = Recorded({FileChange::Kind::Write, copy.target, {}, copy.after}, [&copy] {
            return ::rename(ToNative(copy.temporary).constData(), ToNative(copy.target).constData()) == 0;
        });
        if (!placed) {
            Abandon();
            return placed;
        }
        copy.placed = true;
        folders.insert(FolderOf(copy.target));
    }
    for (const QString& folder : folders)
        if (Done flushed = FlushFolder(folder); !flushed)
            return flushed;
    return {};
}

CopyBatch::Ran CopyBatch::Run(const QList<qsizetype>& copies, const std::function<bool(qsizetype)>& step) {
    Ran run{0, false, Plan()};
    for (; run.done && run.reached < copies.size(); ++run.reached) {
        if ((run.cancelled = !step(run.reached)))
            break;
        if (copies[run.reached] >= 0)
            run.done = Write(copies[run.reached]);
    }
    run.done = run.done ? Commit() : run.done;
    Abandon();
    RemoveFoldersLeftEmpty();
    return run;
}

void CopyBatch::RemoveFoldersLeftEmpty() {
    for (qsizetype i = copies_.size() - 1; i >= 0; --i) {
        if (copies_[i].placed)
            continue;
        const QStringList& folders = copies_[i].madeFolders;
        for (auto folder = folders.crbegin(); folder != folders.crend(); ++folder)
            // A folder that can't be removed is only an empty folder left: the copy's failure is what counts.
            if (FolderExists(*folder) && EntryNames(*folder).isEmpty())
                (void)RemoveEmptyFolder(*folder);
    }
}

void CopyBatch::Abandon() {
    for (Copy& copy : copies_) {
        if (copy.written && !copy.placed)
            ::unlink(ToNative(copy.temporary).constData());
        copy.written = false;
    }
}
