#pragma once

#include <QString>

// The process-wide settings of the tool. Folders end with '/' unless noted.
// Stored ones are lines 2 to 15 of the preferences file; the derived ones are rebuilt at run time.
struct Settings final {
    // stored
    QString DLLPath;       // no trailing '/'
    QString PythonPath;    // no trailing '/'
    QString FlyIniPath;
    QString RenderIniPath;
    QString FlyStartPath;
    QString FlyExePath;
    QString SpareSetting;
    QString Fly2SliceFolder;
    QString DLLFolderHolder;
    QString Fly2SlicePath;
    QString TGAPath;       // no trailing '/'
    QString RASPath;       // no trailing '/'
    QString InstallSourceFolder;
    QString ExternalSceneryFolder;

    // derived, never stored
    QString ProgramFolder;
    QString FlyFolder;
    QString SceneryFolder;
    QString StartArgument;
    QString SceneryListFolder;
    QString CopySourceFolder;
    QString CopyTargetFolder;
    bool HelpMemoFlag = true;
};

// The one instance shared by every window.
Settings& AppSettings();
