#pragma once

#include "TempFolderTest.h"
#include "wine/Launcher.h"

// A temporary folder for hand-made fixtures, with fresh process-wide settings for each test.
class ShellTest : public TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        AppSettings() = Settings{};
    }

    // A small simulator folder: fly2.exe, flystart.exe and the three folders the path check wants.
    QString MakeSimulator(const QString& relative = QStringLiteral("Fly2")) const {
        CreateFile(relative + "/fly2.exe");
        CreateFile(relative + "/flystart.exe");
        CreateDir(relative + "/system");
        CreateDir(relative + "/modules/pc");
        CreateDir(relative + "/modules/scripts/global");
        return Path(relative) + '/';
    }
};

// A program run to its end: its exit status (or why it didn't start) and all it printed.
struct ProgramRun final {
    Result<int> status;
    QByteArray output;
};

inline ProgramRun RunToEnd(const QString& program, const QStringList& arguments, const QString& folder,
                           const QString& winePrefix = {}) {
    QByteArray output;
    Result<int> status = RunAndRead(
        program, arguments, folder, winePrefix, [&output](const QByteArray& piece) { output += piece; },
        [] {});
    return {std::move(status), output};
}

// While it lives, PATH holds only folder (made when missing), with a stand-in wine in it when wine is true
// and none otherwise, whatever the machine has: the stand-in prints its arguments, its working folder and
// WINEPREFIX with the shell's own commands alone.
class PathWithWine final {
  public:
    PathWithWine(const QString& folder, bool wine) : saved_(qgetenv("PATH")), prefix_(qgetenv("WINEPREFIX")) {
        QDir().mkpath(folder);
        QFile::remove(folder + "/wine");
        if (wine) {
            QFile fake(folder + "/wine");
            fake.open(QIODevice::WriteOnly);
            fake.write("#!/bin/sh\necho \"$* | $PWD | ${WINEPREFIX-unset}\"\n");
            fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(folder));
        qunsetenv("WINEPREFIX");
    }
    ~PathWithWine() {
        qputenv("PATH", saved_);
        if (!prefix_.isNull())
            qputenv("WINEPREFIX", prefix_);
    }
    PathWithWine(const PathWithWine&) = delete;
    PathWithWine& operator=(const PathWithWine&) = delete;

  private:
    QByteArray saved_;
    QByteArray prefix_;
};
