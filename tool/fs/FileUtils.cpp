#include "fs/FileUtils.h"

#include "fs/ChangeRecorder.h"
#include "fs/CopyBatch.h"
#include "fs/NativeFs.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <cerrno>

namespace {

const QString NotUsed = QStringLiteral(".notused");

QString BaseOfNotUsed(const QString& name) {
    const int pos = PathPos(NotUsed, name);
    return pos > 0 ? name.left(pos - 1) : name;
}

QString Reporting(const QString& result, const QString& kindMark, bool* hasKind) {
    if (hasKind != nullptr)
        *hasKind = PathPos(kindMark, result) > 0;
    return result;
}

} // namespace

int PathPos(const QString& needle, const QString& text) {
    if (needle.isEmpty())
        return 0;
    qsizetype pos = text.indexOf(needle);
    if (pos < 0)
        pos = text.toUpper().indexOf(needle.toUpper());
    return int(pos + 1);
}

QString ParentFolder(const QString& path) {
    if (path.isEmpty())
        return path;
    const qsizetype slash = path.left(path.size() - 1).lastIndexOf('/');
    if (slash < 0)
        return path;
    if (slash == 0)
        return {};
    return path.left(slash + 1);
}

QString WithBackslash(const QString& path) {
    if (path.isEmpty() || path.endsWith('/'))
        return path;
    return path + '/';
}

// A Windows path from a setting made on Windows ("C:\Fly2\FLY2.EXE") has backslashes as separators too.
QString FolderOfFile(const QString& path) {
    qsizetype slash = path.lastIndexOf('/');
    if (IsWindowsPath(path))
        slash = std::max(slash, path.lastIndexOf('\\'));
    if (slash < 0)
        return {};
    if (slash == 0 || (slash == 2 && IsWindowsPath(path)))
        return path.left(slash + 1);
    return path.left(slash);
}

QString RelativeTo(const QString& path, const QString& base) {
    if (base.isEmpty())
        return {};
    const QString prefix = WithBackslash(base);
    return path.startsWith(prefix) ? path.mid(prefix.size()) : QString();
}

QString ActiveName(const QString& name, const QString& kindMark, bool* hasKind) {
    return Reporting(BaseOfNotUsed(name), kindMark, hasKind);
}

QString InactiveName(const QString& name, const QString& kindMark, bool* hasKind) {
    return Reporting(BaseOfNotUsed(name) + NotUsed, kindMark, hasKind);
}

QString ToggleNotUsed(const QString& name, const QString& kindMark, bool* hasKind) {
    const bool inactive = PathPos(NotUsed, name) > 0;
    return Reporting(inactive ? BaseOfNotUsed(name) : name + NotUsed, kindMark, hasKind);
}

namespace {

Failure Outside(const QString& resolved) {
    return {resolved, QCoreApplication::translate("FileUtils", "hors du répertoire prévu")};
}

// Why source can't be copied over target; nothing when it can.
Done CopyRefusal(const ResolvedPath& source, const ResolvedPath& target) {
    if (source.onDisk.isEmpty() || target.onDisk.isEmpty() || !FileExists(source))
        return Failure{source.onDisk, QCoreApplication::translate("FileUtils", "fichier source introuvable")};
    if (SameFile(source, target))
        return Failure{target.onDisk, QCoreApplication::translate(
                                          "FileUtils", "la copie serait le fichier source lui-même")};
    return {};
}

// The copy goes to a temporary name beside the target, so a failed copy leaves an old target intact.
Done CopyResolved(const ResolvedPath& source, const ResolvedPath& target) {
    if (const Done refused = CopyRefusal(source, target); !refused)
        return refused;
    return CopyWholeFile(source, target);
}

Failure FolderNotMade(Failure failure) {
    failure.folderNotMade = true;
    return failure;
}

// Each missing level of base + relative, made in turn; the first that can't be made stops it. The folders
// made, outermost first.
Result<QStringList> MakeFolders(const QString& base, const QString& relative) {
    QString rest = relative;
    if (rest.endsWith('/'))
        rest.chop(1);
    const QString start = base.isEmpty() ? QString() : WithBackslash(base);
    QStringList made;
    qsizetype end = 0;
    while (end < rest.size()) {
        end = rest.indexOf('/', end + 1);
        if (end < 0)
            end = rest.size();
        const QString running = start + rest.left(end);
        if (running.isEmpty() || running == QLatin1String("/") || FolderExists(running))
            continue;
        if (PathExists(running))
            return FolderNotMade(SystemFailure(running, ENOTDIR));
        if (const Done level = MakeFolder(running); !level)
            return FolderNotMade(level.failure());
        made << running;
    }
    return made;
}

// Checks a copy inside realWithin (written: where its write to target lands) and makes the target's missing
// folders: those made, or why the copy can't be made (a folder's failure named after the target). Checked
// before any folder is made, so a refused copy leaves no folder behind either.
Result<QStringList> PrepareCopy(const ResolvedPath& source, const ResolvedPath& target,
                                const ResolvedPath& written, const QString& realWithin) {
    if (!LiesInside(written, realWithin))
        return Outside(target.onDisk);
    if (const Done refused = CopyRefusal(source, target); !refused)
        return refused.failure();
    const Result<QStringList> made = MakeFoldersOf(target);
    if (!made)
        return Failure{target.onDisk, made.failure().reason, made.failure().refused, true};
    return made;
}

} // namespace

Done CopyFileOver(const QString& source, const QString& target) {
    return CopyResolved(Resolve(source), Resolve(target));
}

Done CopyFileMakingFolders(const QString& source, const QString& target, const QString& within) {
    return CopyFileMakingFolders(Resolve(source), Resolve(target), RealFolder(within));
}

Done CopyFileMakingFolders(const ResolvedPath& source, const ResolvedPath& target,
                           const QString& realWithin) {
    if (const Result<QStringList> prepared = PrepareCopy(source, target, WriteTarget(target), realWithin);
        !prepared)
        return prepared.failure();
    return CopyWholeFile(source, target);
}

// Why its folder can't be made is the error its write would meet, told now so that the batch is not
// refused for it.
Done AddCopyMakingFolders(CopyBatch& batch, const ResolvedPath& source, const ResolvedPath& target,
                          const QString& realWithin) {
    const ResolvedPath written = WriteTarget(target);
    const Result<QStringList> prepared = PrepareCopy(source, target, written, realWithin);
    if (!prepared)
        return prepared.failure();
    batch.Add(source.onDisk, written.onDisk, *prepared);
    return {};
}

Done RenameNoReplace(const QString& from, const QString& to, const QString& within) {
    return RenameNoReplace(Resolve(from), to, RealFolder(within));
}

Done RenameNoReplace(const ResolvedPath& from, const QString& to, const QString& realWithin) {
    const ResolvedPath target = ResolveBeside(from, to);
    if (!LiesInside(from, realWithin) || !LiesInside(target, realWithin))
        return Outside(from.onDisk);
    return RenameBesideNoReplace(from, target, to);
}

Tally RenameAllNoReplace(const QList<QPair<ResolvedPath, ResolvedPath>>& renames, const QString& realWithin,
                         const QList<Fingerprint>& moved) {
    Tally tally;
    QList<QPair<QString, QString>> inside;
    QList<Fingerprint> movedInside;
    for (qsizetype i = 0; i < renames.size(); ++i) {
        const auto& [from, to] = renames[i];
        if (LiesInside(from, realWithin) && LiesInside(to, realWithin)) {
            inside.append({from.onDisk, to.onDisk});
            movedInside.append(moved.value(i));
        } else {
            tally.failed << Outside(from.onDisk);
        }
    }
    if (const Done planned = PlanResolvedRenames(inside, movedInside); !planned) {
        for (const auto& rename : inside)
            tally.failed << Failure{rename.first, planned.failure().reason, true};
        return tally;
    }
    for (const auto& [from, to] : inside) {
        if (const Done renamed = RenameResolvedNoReplace(from, to); renamed)
            ++tally.made;
        else
            tally.failed << renamed.failure();
    }
    return tally;
}

Done RemoveFile(const QString& path, const QString& within) {
    if (!LiesInside(path, within))
        return Outside(ResolvePath(path));
    return RemoveFile(path);
}

Done MakeFolderChain(const QString& base, const QString& relative) {
    const Result<QStringList> made = MakeFolders(base, relative);
    return made ? Done() : Done(made.failure());
}

Done MakeDatedBackup(const QString& file) {
    if (!FileExists(file))
        return {};
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("ddMMyyHHmmss"));
    const QString backup = ResolvePath(file) + stamp + QStringLiteral(".BAK");
    // A backup of the same second is replaced; there is none as a rule, and the copy's own result is
    // what tells whether a backup exists.
    (void)RemoveFile(backup);
    return CopyFileOver(file, backup);
}

Result<QStringList> MakeFoldersOf(const ResolvedPath& target) {
    const QString folder = FolderOfFile(target.onDisk);
    // An existing folder is named in target as it is on disk already.
    if (folder.isEmpty() || FolderExists(ResolvedPath{folder, {}, false}))
        return QStringList{};
    return MakeFolders(QString(), folder);
}
