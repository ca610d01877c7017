#include "install/InstallSource.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "shell/AddonSource.h"

#include <QFileInfo>

namespace {

// The simulator's own top folders, those an add-on that mirrors its tree writes into.
const char* const KnownFolders[] = {"aircraft", "art",     "data",  "database", "dex",    "modules",
                                    "scenery",  "scripts", "sound", "sounds",   "system", "taxiways"};

bool IsKnownFolder(const QString& name) {
    for (const char* known : KnownFolders)
        if (name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A folder's entries as listed, or every file below it.
QList<SourceFile> FolderFiles(const InstallRequest& request) {
    QStringList paths = request.sourceList;
    if (request.type == InstallType::Tree) {
        paths.clear();
        ListFiles(request.sourceFolder, QStringLiteral("*"), paths, true);
    }
    QList<SourceFile> files;
    for (const QString& path : std::as_const(paths)) {
        const ResolvedPath resolved = Resolve(path);
        const QString name = request.type == InstallType::Tree ? RelativeTo(path, request.sourceFolder)
                                                               : QFileInfo(path).fileName();
        files.append({name, path, resolved, -1, FileSize(resolved)});
    }
    return files;
}

QList<SourceFile> ArchiveFiles(const ArchiveTable& table, InstallType type) {
    QString root = table.topFolder.isEmpty() ? QString() : table.topFolder + '/';
    if (type == InstallType::Tree && IsKnownFolder(table.topFolder))
        root.clear();
    QList<SourceFile> files;
    for (const ArchiveEntry& entry : table.entries) {
        if (entry.folder)
            continue;
        const QString name = entry.name.mid(root.size());
        files.append({name, table.path + '/' + entry.name, {}, entry.position, entry.size});
    }
    return files;
}

} // namespace

bool IsArchiveSource(const QString& path) {
    return IsArchiveName(path) && FileExists(path);
}

Result<InstallSource> ReadInstallSource(const InstallRequest& request) {
    if (!IsArchiveSource(request.sourceFolder))
        return InstallSource{request.sourceFolder, nullptr, FolderFiles(request)};
    Result<ArchiveTable> table = ReadArchiveTable(ResolvePath(request.sourceFolder));
    if (!table)
        return table.failure();
    auto archive = std::make_shared<const ArchiveTable>(std::move(*table));
    return InstallSource{archive->path, archive, ArchiveFiles(*archive, request.type)};
}

QString SourceName(const QString& source) {
    QString path = source;
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    const QString name = QFileInfo(path).fileName();
    const QString extension = ArchiveExtension(path);
    return !extension.isEmpty() && FileExists(path) ? name.chopped(extension.size()) : name;
}

bool InKnownFolder(const QString& relative) {
    const qsizetype slash = relative.indexOf('/');
    return slash > 0 && IsKnownFolder(relative.left(slash));
}
