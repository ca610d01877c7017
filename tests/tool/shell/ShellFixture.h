#pragma once

#include "SettingsTest.h"

// A small simulator folder in folder: fly2.exe, flystart.exe and the three folders the path check wants.
inline QString MakeSimulatorIn(const TempFolder& folder, const QString& relative) {
    folder.CreateFile(relative + "/fly2.exe");
    folder.CreateFile(relative + "/flystart.exe");
    folder.CreateDir(relative + "/system");
    folder.CreateDir(relative + "/modules/pc");
    folder.CreateDir(relative + "/modules/scripts/global");
    return folder.Path(relative) + '/';
}

// A temporary folder for hand-made fixtures, with fresh process-wide settings for each test.
class ShellTest : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        AppSettings() = Settings{};
    }

    QString MakeSimulator(const QString& relative = QStringLiteral("Fly2")) const {
        return MakeSimulatorIn(*this, relative);
    }
};
