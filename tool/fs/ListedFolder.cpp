#include "fs/ListedFolder.h"

#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ListedFolder::ListedFolder(const QString& resolvedFolder)
    : onDisk_(resolvedFolder.isEmpty() || resolvedFolder.endsWith('/') ? resolvedFolder : resolvedFolder + '/'),
      realFolder_(RealFolder(resolvedFolder.isEmpty() ? QStringLiteral(".") : resolvedFolder)) {
    const QByteArray native = resolvedFolder.isEmpty() ? QByteArray(".") : ToNative(resolvedFolder);
    ReadEntries(::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC),
                [this](const QString& name, unsigned char type) {
                    types_.insert(name, type);
                    folded_.Add(name);
                });
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
