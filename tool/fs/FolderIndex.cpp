#include "fs/FolderIndex.h"

#include "fs/FoldedNames.h"
#include "fs/NativeFolder.h"
#include "fs/NativeText.h"

#include <QHash>

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype MostFolders = 64;
constexpr uint32_t Changes = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;

struct FolderId final {
    dev_t device = 0;
    ino_t inode = 0;
    auto operator<=>(const FolderId&) const = default;
};

FolderId IdOf(const struct stat& st) {
    return {st.st_dev, st.st_ino};
}

bool SameTimes(const struct stat& a, const struct stat& b) {
    const auto same = [](const timespec& x, const timespec& y) { return x.tv_sec == y.tv_sec && x.tv_nsec == y.tv_nsec; };
    return same(a.st_mtim, b.st_mtim) && same(a.st_ctim, b.st_ctim);
}

QByteArray NativeFolder(const QString& folder) {
    return folder.isEmpty() ? QByteArray(".") : ToNative(folder);
}

struct Index final {
    int watch = -1;
    struct stat seen {};   // the folder's times when the names were last known to match
    bool reported = false; // a change was reported since
    quint64 lastUse = 0;
    FoldedNames names;
};

// The indexes of one thread, with the inotify instance that reports the changes to their folders.
class Indexes final {
  public:
    Indexes() : reports_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~Indexes() {
        if (reports_ >= 0)
            ::close(reports_);
    }
    Indexes(const Indexes&) = delete;
    Indexes& operator=(const Indexes&) = delete;

    // The folder's index brought up to date (listed again when relist), or null when the folder can't
    // be indexed.
    Index* Current(const QString& folder, bool relist) {
        if (reports_ < 0)
            return nullptr;
        TakeReports();
        struct stat st {};
        if (::stat(NativeFolder(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            return nullptr;
        const auto it = byId_.find(IdOf(st));
        if (it != byId_.end() && (relist || (!it->second.reported && !SameTimes(it->second.seen, st))))
            Forget(it);
        else if (it != byId_.end())
            return Refreshed(it->second, st);
        return Build(folder);
    }

  private:
    Index* Refreshed(Index& index, const struct stat& st) {
        index.seen = st;
        index.reported = false;
        index.lastUse = ++uses_;
        return &index;
    }

    // The watch comes first, so that no change after the listing goes unreported.
    Index* Build(const QString& folder) {
        if (byId_.size() >= size_t(MostFolders))
            Forget(LeastUsed());
        const QByteArray path = NativeFolder(folder);
        const int open = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const int watch = open < 0 ? -1 : ::inotify_add_watch(reports_, path.constData(), Changes);
        struct stat opened {}, named{};
        if (watch < 0 || ::fstat(open, &opened) != 0 || ::stat(path.constData(), &named) != 0 ||
            IdOf(opened) != IdOf(named) || byWatch_.contains(watch)) {
            if (watch >= 0 && !byWatch_.contains(watch))
                ::inotify_rm_watch(reports_, watch);
            if (open >= 0)
                ::close(open);
            return nullptr;
        }
        Index& index = byId_[IdOf(opened)];
        index = Index{watch, opened, false, ++uses_, FoldedNames(ReadEntryNames(open))};
        byWatch_.insert(watch, IdOf(opened));
        return &index;
    }

    void TakeReports() {
        alignas(inotify_event) char buffer[64 * 1024];
        for (;;) {
            const ssize_t got = ::read(reports_, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return;
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                Apply(*event);
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
    }

    void Apply(const inotify_event& event) {
        if (event.mask & IN_Q_OVERFLOW) {
            while (!byId_.empty())
                Forget(byId_.begin());
            return;
        }
        const auto watched = byWatch_.constFind(event.wd);
        if (watched == byWatch_.cend())
            return;
        const auto it = byId_.find(*watched);
        if (event.mask & IN_IGNORED) {
            byWatch_.erase(watched);
            byId_.erase(it);
            return;
        }
        if (event.len == 0)
            return;
        const QString name = FromNative(QByteArray(event.name));
        if (event.mask & (IN_CREATE | IN_MOVED_TO))
            it->second.names.Add(name);
        else
            it->second.names.Remove(name);
        it->second.reported = true;
    }

    std::map<FolderId, Index>::iterator LeastUsed() {
        auto least = byId_.begin();
        for (auto it = byId_.begin(); it != byId_.end(); ++it)
            if (it->second.lastUse < least->second.lastUse)
                least = it;
        return least;
    }

    void Forget(std::map<FolderId, Index>::iterator it) {
        ::inotify_rm_watch(reports_, it->second.watch);
        byWatch_.remove(it->second.watch);
        byId_.erase(it);
    }

    int reports_;
    quint64 uses_ = 0;
    std::map<FolderId, Index> byId_;
    QHash<int, FolderId> byWatch_;
};

bool EntryExists(const QString& folder, const QString& name) {
    struct stat st {};
    return ::lstat((NativeFolder(folder) + '/' + ToNative(name)).constData(), &st) == 0;
}

QString ScanForEntry(const QString& folder, const QString& name) {
    const QString folded = FoldedNames::Folded(name);
    QString first;
    for (const QString& entry : EntryNames(folder))
        if (FoldedNames::Folded(entry) == folded && (first.isEmpty() || entry < first))
            first = entry;
    return first;
}

} // namespace

QString FindEntryIgnoringCase(const QString& resolvedFolder, const QString& name) {
    thread_local Indexes indexes;
    const Index* index = indexes.Current(resolvedFolder, false);
    if (index == nullptr)
        return ScanForEntry(resolvedFolder, name);
    const QString found = index->names.Find(name);
    if (found.isEmpty() || EntryExists(resolvedFolder, found))
        return found;
    index = indexes.Current(resolvedFolder, true);
    return index == nullptr ? ScanForEntry(resolvedFolder, name) : index->names.Find(name);
}
