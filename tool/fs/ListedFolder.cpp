#include "fs/ListedFolder.h"

#include "fs/NativeFs.h"
#include "fs/NativeText.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ListedFolder::ListedFolder(const QString& folder) {
    const QString resolved = ResolvePath(folder);
    onDisk_ = resolved.isEmpty() || resolved.endsWith('/') ? resolved : resolved + '/';
    realFolder_ = RealFolder(resolved.isEmpty() ? QStringLiteral(".") : resolved);
    const int open = ::open(resolved.isEmpty() ? "." : ToNative(resolved).constData(),
                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = open < 0 ? nullptr : ::fdopendir(open);
    if (dir == nullptr) {
        if (open >= 0)
            ::close(open);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QString text = FromNative(name);
        types_.insert(text, entry->d_type);
        folded_.Add(text);
    }
    ::closedir(dir);
}

QString ListedFolder::Find(const QString& name) const {
    return types_.contains(name) ? name : folded_.Find(name);
}

bool ListedFolder::IsFile(const QString& entry) const {
    const auto it = types_.constFind(entry);
    if (it == types_.cend() || (*it != DT_REG && *it != DT_LNK && *it != DT_UNKNOWN))
        return false;
    struct stat st {};
    return *it == DT_REG || (::stat(ToNative(onDisk_ + entry).constData(), &st) == 0 && S_ISREG(st.st_mode));
}

ResolvedPath ListedFolder::PathOf(const QString& name) const {
    return {onDisk_ + name, realFolder_};
}

void ListedFolder::Renamed(const QString& entry, const QString& name) {
    types_.insert(name, types_.take(entry));
    folded_.Remove(entry);
    folded_.Add(name);
}
