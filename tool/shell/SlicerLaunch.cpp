#include "shell/SlicerLaunch.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/SystemReason.h"
#include "shell/Settings.h"
#include "shell/SimulatorPrefix.h"
#include "wine/Launcher.h"

#include <QCoreApplication>

#include <cerrno>

Result<QString> Fly2SliceToStart(Settings& settings) {
    if (FileExists(settings.Fly2SlicePath))
        return settings.Fly2SlicePath;
    settings.Fly2SlicePath = WithBackslash(settings.FlyFolder) + QStringLiteral("fly2slice.exe");
    if (FileExists(settings.Fly2SlicePath))
        return QString();
    return Failure{ResolvePath(settings.Fly2SlicePath), SystemReason(ENOENT)};
}

Done StartFly2Slice(const QString& slicer, const QString& parameter) {
    return StartProgram(slicer, {QStringLiteral("-i"), parameter}, FolderOfFile(slicer), SimulatorPrefix());
}

QString SlicerMissingText(const Failure& missing) {
    return QCoreApplication::translate("SlicerLaunch", "fly2slice.exe recherché mais non trouvé >>>%1")
        .arg(missing.path);
}
