#pragma once

#include "Mkfly2.h"
#include "ScriptedDialogs.h"
#include "TempFolderTest.h"

#include <QByteArray>
#include <QDir>

// A temporary folder holding a synthetic Fly! II installation ("Fly2", made on demand by mkfly2) and
// whatever else a test builds beside it. The process-wide settings are restored afterwards.
class InstallFixture : public TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        // Deleted folders go to a trash inside the temporary folder, not the user's.
        savedDataHome_ = qgetenv("XDG_DATA_HOME");
        ASSERT_TRUE(QDir().mkpath(Path("home")));
        qputenv("XDG_DATA_HOME", Path("home").toLocal8Bit());
    }
    void TearDown() override {
        TempFolderTest::TearDown();
        qputenv("XDG_DATA_HOME", savedDataHome_);
    }

    // Makes the installation Fly2 and points the settings at it; returns its folder with a trailing '/'.
    QString MakeFly2() {
        const QString fly = Path("Fly2");
        MakeFly2Installation(fly, {QStringLiteral("--records"), QStringLiteral("12")});
        Settings& settings = AppSettings();
        settings.FlyExePath = fly + QStringLiteral("/FLY2.EXE");
        settings.FlyFolder = fly + '/';
        settings.SceneryFolder = fly + QStringLiteral("/scenery/");
        return settings.FlyFolder;
    }

    ScriptedDialogs dialogs_;

  private:
    QByteArray savedDataHome_;
};
