#include "shell/SlicerLaunch.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "shell/Settings.h"
#include "wine/Launcher.h"

SlicerLaunch StartFly2Slice(Settings& settings, const QString& parameter) {
    SlicerLaunch launch;
    if (FileExists(settings.Fly2SlicePath)) {
        launch.message = StartProgram(settings.Fly2SlicePath, {QStringLiteral("-i"), parameter},
                                      FolderOfFile(settings.Fly2SlicePath));
        launch.started = launch.message.isEmpty();
        return launch;
    }
    launch.missing = true;
    settings.Fly2SlicePath = WithBackslash(settings.FlyFolder) + QStringLiteral("fly2slice.exe");
    if (!FileExists(settings.Fly2SlicePath))
        launch.message = QStringLiteral("fly2slice.exe recherché mais non trouvé >>>") +
                         ResolvePath(settings.Fly2SlicePath);
    return launch;
}
