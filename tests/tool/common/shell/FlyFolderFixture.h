#pragma once

#include "TempFolder.h"
#include "shell/Settings.h"

#include <QByteArray>
#include <QString>

// A hand-made simulator folder "Fly2/" and a tool folder "tool/" side by side in a temporary folder.
// The process-wide settings start empty, with the tool folder as ProgramFolder.
class FlyFolderFixture final : public TempFolder {
  public:
    FlyFolderFixture() {
        AppSettings() = Settings{};
        AppSettings().ProgramFolder = CreateDir("tool") + '/';
        for (const char* folder :
             {"Fly2/system", "Fly2/modules/pc", "Fly2/modules/scripts/global", "Fly2/aircraft"})
            CreateDir(folder);
        CreateFile("Fly2/FLY2.EXE", "MZ");
        CreateFile("Fly2/control.txt", "joystick\r\n");
        CreateFile("Fly2/system/default.key", "keys\r\n");
    }
    ~FlyFolderFixture() { AppSettings() = Settings{}; }
    FlyFolderFixture(const FlyFolderFixture&) = delete;
    FlyFolderFixture& operator=(const FlyFolderFixture&) = delete;

    QString FlyFolder() const { return Path("Fly2/"); }
    QString FlyExe() const { return Path("Fly2/FLY2.EXE"); }
    QString PreferencesFile() const { return Path("tool/FlyKestrel.prf"); }

    // A short preferences file, as a first run leaves it: the header and FlyExePath on line 7.
    void WriteShortPreferences(const QString& flyExe) const {
        CreateFile("tool/FlyKestrel.prf",
                   "<FlyKestrel 1.7>\r\n\r\n\r\n\r\n\r\n\r\n" + flyExe.toUtf8() + "\r\n");
    }
};
