#include "activation/EntryPaths.h"

#include "shell/NativeFs.h"

#include <QDir>
#include <algorithm>

namespace {

qsizetype LastSeparator(const QString& path) {
    return std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
}

QString Normalised(const QString& path) {
    QString native = path;
    native.replace('\\', '/');
    return QDir::cleanPath(ResolvePath(QDir::cleanPath(native)));
}

} // namespace

QString BareName(const QString& path) {
    return path.mid(LastSeparator(path) + 1);
}

QString FolderOfEntry(const QString& path) {
    return path.left(LastSeparator(path) + 1);
}

bool LiesBelow(const QString& path, const QString& folder) {
    if (folder.isEmpty() || path.isEmpty())
        return false;
    const QString base = Normalised(folder);
    const QString full = Normalised(path);
    if (!QDir::isAbsolutePath(base))
        return false;
    const QString prefix = base.endsWith('/') ? base : base + '/';
    return full.startsWith(prefix) && full.size() > prefix.size();
}
