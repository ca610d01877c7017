#include "shell/AddonSource.h"

#include "fs/NativeFs.h"

#include <QStringList>

QString ArchiveExtension(const QString& path) {
    // The short forms of the compressed tars are those the desktop gives the same types to.
    static const QStringList extensions = {".zip", ".rar",     ".7z",   ".exe", ".tar",    ".tar.gz",
                                           ".tgz", ".tar.bz2", ".tbz2", ".tbz", ".tar.xz", ".txz"};
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    QString longest;
    for (const QString& extension : extensions)
        if (name.size() > extension.size() && name.endsWith(extension, Qt::CaseInsensitive) &&
            extension.size() > longest.size())
            longest = name.right(extension.size());
    return longest;
}

bool IsArchiveName(const QString& path) {
    return !ArchiveExtension(path).isEmpty();
}

bool IsAddonSource(const QString& path) {
    if (path.isEmpty())
        return false;
    return FolderExists(path) || (FileExists(path) && IsArchiveName(path));
}
