#include "fs/NativeFolder.h"

#include "fs/NativeFs.h"
#include "fs/NativeText.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool SameLetter(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// Classic wildcard matching with one backtrack point per '*'.
bool Matches(const QString& name, const QString& mask) {
    qsizetype n = 0, m = 0, starMask = -1, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && SameLetter(mask[m], name[n])))) {
            ++n, ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace

QStringList EntryNames(const QString& resolvedFolder) {
    const QByteArray path = resolvedFolder.isEmpty() ? QByteArray(".") : ToNative(resolvedFolder);
    return ReadEntryNames(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

QStringList ReadEntryNames(int openFolder) {
    QStringList names;
    DIR* dir = openFolder < 0 ? nullptr : ::fdopendir(openFolder);
    if (dir == nullptr) {
        if (openFolder >= 0)
            ::close(openFolder);
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << FromNative(name);
    }
    ::closedir(dir);
    return names;
}

QList<FolderEntry> FolderEntries(const QString& folder) {
    const QString resolved = ResolvePath(folder);
    const QString prefix = resolved.isEmpty() || resolved.endsWith('/') ? resolved : resolved + '/';
    QList<FolderEntry> entries;
    for (const QString& name : EntryNames(resolved)) {
        const QByteArray path = ToNative(prefix + name);
        struct stat st {};
        FolderEntry entry{name};
        if (::stat(path.constData(), &st) == 0) {
            entry.file = S_ISREG(st.st_mode);
            entry.folder = S_ISDIR(st.st_mode);
        }
        entry.link = ::lstat(path.constData(), &st) == 0 && S_ISLNK(st.st_mode);
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return entries;
}

bool MatchesMask(const QString& name, const QString& mask) {
    return mask == QLatin1String("*.*") || Matches(name, mask);
}
