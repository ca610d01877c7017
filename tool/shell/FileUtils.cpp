#include "shell/FileUtils.h"

#include "shell/Dialogs.h"
#include "shell/NativeFs.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

bool SameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
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

QString FolderOfFile(const QString& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {};
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
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

// The copy goes to a temporary name beside the target, so a failed copy leaves an old target intact.
bool CopyFileOver(const QString& source, const QString& target) {
    const QString from = ResolvePath(source);
    const QString to = ResolvePath(target);
    if (source.isEmpty() || target.isEmpty() || !QFileInfo(from).isFile() || SameFile(from, to))
        return false;
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk;
    do {
        chunk = in.read(1 << 20);
        if (in.error() != QFileDevice::NoError || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    } while (!chunk.isEmpty());
    return out.commit();
}

bool CopyFileMakingFolders(const QString& source, const QString& target) {
    const QString folder = FolderOfFile(target);
    if (!folder.isEmpty() && !FolderExists(folder))
        MakeFolderChain(QString(), folder);
    return CopyFileOver(source, target);
}

bool MakeFolderChain(const QString& base, const QString& relative) {
    QString rest = relative;
    rest.replace('\\', '/');
    if (rest.endsWith('/'))
        rest.chop(1);
    const QString start = base.isEmpty() ? QString() : WithBackslash(base);
    qsizetype end = 0;
    while (end < rest.size()) {
        end = rest.indexOf('/', end + 1);
        if (end < 0)
            end = rest.size();
        const QString running = start + rest.left(end);
        if (running.isEmpty() || running == QLatin1String("/") || FolderExists(running))
            continue;
        if (!MakeFolder(running)) {
            ShowInfo(QStringLiteral("Erreur, création de sous répertoires impossible"));
            return false;
        }
    }
    return true;
}

bool MakeDatedBackup(const QString& file, bool warn) {
    if (!FileExists(file))
        return true;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("ddMMyyHHmmss"));
    const QString backup = ResolvePath(file) + stamp + QStringLiteral(".BAK");
    RemoveFile(backup);
    if (CopyFileOver(file, backup))
        return true;
    if (warn)
        ShowCaptioned(QStringLiteral("Impossible de créer un fichier de SAUVEGARDE"),
                      QStringLiteral("Attention"));
    return false;
}
