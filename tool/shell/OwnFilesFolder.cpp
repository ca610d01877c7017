#include "shell/OwnFilesFolder.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"
#include "wine/HomeFolder.h"

#include <QDir>

#include <cerrno>
#include <unistd.h>

namespace {

// A folder that is not there (yet) is not taken for a read-only one.
bool CanWrite(const QString& folder) {
    return ::access(ToNative(folder).constData(), W_OK) == 0 || (errno != EACCES && errno != EROFS);
}

bool (*&WritableCheck())(const QString&) {
    static bool (*check)(const QString&) = CanWrite;
    return check;
}

bool IsInstalledFolder(const QString& folder) {
    return QDir::cleanPath(folder) == QDir::cleanPath(QStringLiteral(FLYKESTREL_INSTALLED_BINDIR));
}

void MakeMissingFolders(const QString& folder) {
    QString path;
    for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        // A level that can't be made fails each write into it, which reports or drops its own failure.
        if (!FolderExists(path))
            (void)MakeFolder(path);
    }
}

} // namespace

QString OwnFilesFolder(const QString& programFolder) {
    if (!IsInstalledFolder(programFolder) && WritableCheck()(programFolder))
        return WithBackslash(programFolder);
    const QString config = UserConfigFolder();
    if (config.isEmpty())
        return WithBackslash(programFolder);
    MakeMissingFolders(config);
    return config;
}

QString UserConfigFolder() {
    QString base = FromNative(qgetenv("XDG_CONFIG_HOME"));
    if (!base.startsWith(QLatin1Char('/'))) {
        const QString home = HomeFolder();
        if (home.isEmpty())
            return {};
        base = WithBackslash(home) + QStringLiteral(".config");
    }
    return WithBackslash(base) + QStringLiteral("flykestrel/");
}

void SetWritableCheck(bool (*writable)(const QString& folder)) {
    WritableCheck() = writable == nullptr ? CanWrite : writable;
}
