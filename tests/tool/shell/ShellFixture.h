#pragma once

#include "TempFolderTest.h"

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
