#pragma once

#include "EnvironmentValue.h"
#include "TempFolderTest.h"
#include "fs/Result.h"
#include "wine/HomeFolder.h"
#include "wine/Launcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

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

// A home folder "home" of the test's own, in which Wine prefixes are made.
class WinePrefixTest : public TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        home_.emplace("HOME", QFile::encodeName(QFileInfo(CreateDir("home")).canonicalFilePath()));
    }
    void TearDown() override {
        home_.reset();
        TempFolderTest::TearDown();
    }
    // A prefix below home with c: linked to its drive_c and an empty registry.
    QString MakePrefix(const QString& place) const {
        const QString prefix = QFileInfo(CreateDir("home/" + place + "/drive_c")).canonicalPath();
        CreateFile("home/" + place + "/system.reg", "WINE REGISTRY Version 2\r\n");
        Link("../drive_c", prefix + "/dosdevices/c:");
        return prefix;
    }
    void Link(const QString& target, const QString& link) const {
        QDir().mkpath(QFileInfo(link).path());
        ASSERT_TRUE(QFile::link(target, link));
    }

  private:
    std::optional<EnvironmentValue> home_;
};
