#include "journal/JournalStore.h"

#include "fs/ChangeRecorder.h"
#include "fs/FileCopy.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray LinkText(const QByteArray& path) {
    QByteArray target(4096, '\0');
    const ssize_t length = ::readlink(path.constData(), target.data(), size_t(target.size()));
    return length > 0 ? target.left(length) : QByteArray();
}

// A second name of the store's file made beside path and renamed over it: no byte is copied. False when
// the store lies on another file system, or the names can't be made.
bool LinkBack(const QByteArray& from, const QString& path) {
    const QByteArray temporary = ToNative(TemporaryBeside(path));
    if (::link(from.constData(), temporary.constData()) != 0)
        return false;
    if (::rename(temporary.constData(), ToNative(path).constData()) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}

// A symbolic link at path leading where the one at link leads.
Done CopyLink(const QString& link, const QString& path) {
    const QByteArray target = LinkText(ToNative(link));
    if (target.isEmpty())
        return SystemFailure(link, errno);
    if (::symlink(target.constData(), ToNative(path).constData()) != 0)
        return SystemFailure(path, errno);
    return {};
}

// A flushed copy of the file source at target, with the permissions of mode.
Done CopyWithMode(const QString& source, const QString& target, mode_t mode) {
    const RecorderScope unrecorded(nullptr);
    if (Done copied = CopyWholeFile(source, target); !copied)
        return copied;
    if (::chmod(ToNative(target).constData(), mode & 07777) != 0)
        return SystemFailure(target, errno);
    return {};
}

} // namespace

Done KeepInStore(const QString& path, const QString& store, StoreBy by) {
    const QByteArray from = ToNative(path);
    const QByteArray to = ToNative(store);
    struct stat st {};
    if (::lstat(from.constData(), &st) != 0)
        return SystemFailure(path, errno);
    if (S_ISLNK(st.st_mode))
        return CopyLink(path, store);
    if (S_ISDIR(st.st_mode)) {
        if (::mkdir(to.constData(), 0700) != 0)
            return SystemFailure(store, errno);
        for (const QString& name : EntryNames(path))
            if (Done kept = KeepInStore(path + '/' + name, store + '/' + name, by); !kept)
                return kept;
        return FlushFolder(store);
    }
    if (by == StoreBy::LinkOrCopy && st.st_nlink == 1 && ::link(from.constData(), to.constData()) == 0)
        return {};
    return CopyWithMode(path, store, st.st_mode);
}

Done PutBack(const QString& store, const QString& path) {
    const RecorderScope unrecorded(nullptr);
    const QByteArray from = ToNative(store);
    struct stat st {};
    if (::lstat(from.constData(), &st) != 0)
        return SystemFailure(store, errno);
    if (S_ISLNK(st.st_mode))
        return CopyLink(store, path);
    if (!S_ISDIR(st.st_mode))
        return LinkBack(from, path) ? Done() : CopyWithMode(store, path, st.st_mode);
    if (::mkdir(ToNative(path).constData(), 0777) != 0)
        return SystemFailure(path, errno);
    for (const QString& name : EntryNames(store))
        if (Done put = PutBack(store + '/' + name, path + '/' + name); !put)
            return put;
    return {};
}

Done RemoveWhole(const QString& path) {
    const QByteArray native = ToNative(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return SystemFailure(path, errno);
    if (!S_ISDIR(st.st_mode))
        return ::unlink(native.constData()) == 0 ? Done() : Done(SystemFailure(path, errno));
    for (const QString& name : EntryNames(path))
        if (Done removed = RemoveWhole(path + '/' + name); !removed)
            return removed;
    return ::rmdir(native.constData()) == 0 ? Done() : Done(SystemFailure(path, errno));
}
