#include "activation/EntryPaths.h"

#include "fs/NativeFs.h"

#include <algorithm>

namespace {

qsizetype LastSeparator(const QString& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return IsWindowsPath(path) ? std::max(slash, path.lastIndexOf('\\')) : slash;
}

} // namespace

QString BareName(const QString& path) {
    return path.mid(LastSeparator(path) + 1);
}

QString FolderOfEntry(const QString& path) {
    return path.left(LastSeparator(path) + 1);
}
