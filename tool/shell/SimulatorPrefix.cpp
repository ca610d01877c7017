#include "shell/SimulatorPrefix.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "shell/Settings.h"
#include "wine/WinePrefix.h"

QString SimulatorFolder(const Settings& settings) {
    return settings.FlyFolder.isEmpty() ? FolderOfFile(settings.FlyExePath) : settings.FlyFolder;
}

QString SimulatorPrefix() {
    return SimulatorWinePrefix(SimulatorFolder(AppSettings()));
}

void ResolveWindowsPathsThroughSimulator() {
    SetWindowsPathResolver(
        [](const QString& path) { return FromWindowsPath(path, SimulatorFolder(AppSettings())); });
}
