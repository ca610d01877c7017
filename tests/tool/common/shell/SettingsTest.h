#pragma once

#include "TempFolderTest.h"
#include "shell/Settings.h"

// A test with its own temporary folder; the process-wide settings are restored afterwards.
class SettingsTest : public TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        saved_ = AppSettings();
    }
    void TearDown() override { AppSettings() = saved_; }

  private:
    Settings saved_;
};
