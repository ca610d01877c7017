#include "journal/JournalStore.h"

#include "fs/ChangeRecorder.h"
#include "fs/FileCopy.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"

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

} // namespace

bool KeepInStore(const QString& path, const QString& store, StoreBy by) {
    const QByteArray from = ToNative(path);
    const QByteArray to = ToNative(store);
    struct stat st {};
    if (::lstat(from.constData(), &st) != 0)
        return false;
    if (S_ISLNK(st.st_mode)) {
        const QByteArray target = LinkText(from);
        return !target.isEmpty() && ::symlink(target.constData(), to.constData()) == 0;
    }
    if (S_ISDIR(st.st_mode)) {
        if (::mkdir(to.constData(), 0700) != 0)
            return false;
        for (const QString& name : EntryNames(path))
            if (!KeepInStore(path + '/' + name, store + '/' + name, by))
                return false;
        return FlushFolder(store);
    }
    if (by == StoreBy::LinkOrCopy && st.st_nlink == 1 && ::link(from.constData(), to.constData()) == 0)
        return true;
    const RecorderScope unrecorded(nullptr);
    return CopyWholeFile(path, store) && ::chmod(to.constData(), st.st_mode & 07777) == 0;
}

bool PutBack(const QString& store, const QString& path) {
    const RecorderScope unrecorded(nullptr);
    const QByteArray from = ToNative(store);
    struct stat st {};
    if (::lstat(from.constData(), &st) != 0)
        return false;
    if (S_ISLNK(st.st_mode)) {
        const QByteArray target = LinkText(from);
        return !target.isEmpty() && ::symlink(target.constData(), ToNative(path).constData()) == 0;
    }
    if (!S_ISDIR(st.st_mode))
        return LinkBack(from, path) ||
               (CopyWholeFile(store, path) && ::chmod(ToNative(path).constData(), st.st_mode & 07777) == 0);
    if (::mkdir(ToNative(path).constData(), 0777) != 0)
        return false;
    for (const QString& name : EntryNames(store))
        if (!PutBack(store + '/' + name, path + '/' + name))
            return false;
    return true;
}

bool RemoveWhole(const QString& path) {
    const QByteArray native = ToNative(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode))
        return ::unlink(native.constData()) == 0;
    for (const QString& name : EntryNames(path))
        if (!RemoveWhole(path + '/' + name))
            return false;
    return ::rmdir(native.constData()) == 0;
}
