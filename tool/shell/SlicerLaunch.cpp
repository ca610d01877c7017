#include "shell/SlicerLaunch.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "shell/Settings.h"
#include "shell/SimulatorPrefix.h"
#include "wine/Launcher.h"

#include <QCoreApplication>

Result<void, Outcome> StartFly2Slice(Settings& settings, const QString& parameter) {
    if (FileExists(settings.Fly2SlicePath)) {
        const Done started = StartProgram(settings.Fly2SlicePath, {QStringLiteral("-i"), parameter},
                                          FolderOfFile(settings.Fly2SlicePath), SimulatorPrefix());
        if (!started)
            return Outcome::Error(NotStartedText(started.failure()));
        return {};
    }
    settings.Fly2SlicePath = WithBackslash(settings.FlyFolder) + QStringLiteral("fly2slice.exe");
    if (FileExists(settings.Fly2SlicePath))
        return Outcome();
    return Outcome::Info(
        QCoreApplication::translate("SlicerLaunch", "fly2slice.exe recherché mais non trouvé >>>%1")
            .arg(ResolvePath(settings.Fly2SlicePath)));
}
