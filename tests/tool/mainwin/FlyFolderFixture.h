#pragma once

#include "shell/Settings.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A hand-made simulator folder "Fly2/" and a tool folder "tool/" side by side in a temporary folder.
// The process-wide settings start empty, with the tool folder as ProgramFolder.
class FlyFolderFixture final {
public:
    FlyFolderFixture() {
        AppSettings() = Settings{};
        AppSettings().ProgramFolder = Path("tool/");
        QDir().mkpath(Path("tool"));
        for (const char* folder :
             {"Fly2/system", "Fly2/modules/pc", "Fly2/modules/scripts/global", "Fly2/aircraft"})
            QDir().mkpath(Path(folder));
        Write("Fly2/FLY2.EXE", "MZ");
        Write("Fly2/control.txt", "joystick\r\n");
        Write("Fly2/system/default.key", "keys\r\n");
    }
    ~FlyFolderFixture() { AppSettings() = Settings{}; }
    FlyFolderFixture(const FlyFolderFixture&) = delete;
    FlyFolderFixture& operator=(const FlyFolderFixture&) = delete;

    QString Path(const QString& relative) const { return dir_.path() + '/' + relative; }
    QString FlyFolder() const { return Path("Fly2/"); }
    QString FlyExe() const { return Path("Fly2/FLY2.EXE"); }
    QString PreferencesFile() const { return Path("tool/FlyKestrel.prf"); }

    void Write(const QString& relative, const QByteArray& bytes) const {
        QFile file(Path(relative));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    QByteArray Read(const QString& relative) const {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A short preferences file, as a first run leaves it: the header and FlyExePath on line 7.
    void WriteShortPreferences(const QString& flyExe) const {
        Write("tool/FlyKestrel.prf", "<FlyKestrel 1.7>\r\n\r\n\r\n\r\n\r\n\r\n" + flyExe.toUtf8() + "\r\n");
    }

private:
    QTemporaryDir dir_;
};
