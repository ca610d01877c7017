#pragma once

#include "SettingsTest.h"

// A temporary program folder and simulator system folder for the tuning tests; the program folder
// becomes the tool's own folder while the fixture lives.
class IniFixture : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        AppSettings().ProgramFolder = CreateDir("program") + '/';
        CreateDir("system");
    }

    QString SystemFile(const QString& name) const { return Path("system/" + name); }
    QString RecommendationsPath() const { return AppSettings().ProgramFolder + "flyinirec.txt"; }
    QString SystemFolder() const { return Path("system"); }
};
