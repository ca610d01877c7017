#pragma once

#include "ScriptedDialogs.h"
#include "SettingsTest.h"
#include "fs/NativeFs.h"
#include "journal/JournalScope.h"

// A simulator folder "Fly2/" in the settings whose fly.ini two journaled operations rewrote, each with its
// own name: "Enregistrer fly.ini", then "Activation *.DLL". The dialogs are scripted.
class JournaledOperationsTest : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        CreateFile("Fly2/FLY2.EXE", "MZ");
        CreateFile("Fly2/system/fly.ini", "a=1\r\n");
        AppSettings().FlyFolder = Path("Fly2/");
        before_ = Tree("Fly2");
        for (const char* name : {"Enregistrer fly.ini", "Activation *.DLL"})
            WriteOperation(name, name);
    }

    // An operation that rewrites fly.ini.
    void WriteOperation(const char* name, const QByteArray& contents) {
        const JournalScope scope(AppSettings().FlyFolder, QString::fromUtf8(name));
        ASSERT_TRUE(WriteFileAtomic(Path("Fly2/system/fly.ini"), contents));
    }

    ScriptedDialogs dialogs_;
    QMap<QString, QByteArray> before_; // the simulator folder before the two operations
};
