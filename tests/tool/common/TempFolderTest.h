#pragma once

#include "TempFolder.h"
#include "shell/Settings.h"

#include <gtest/gtest.h>

// A test with its own temporary folder; the process-wide settings are restored afterwards.
class TempFolderTest : public ::testing::Test, public TempFolder {
  protected:
    void SetUp() override {
        ASSERT_TRUE(isValid());
        saved_ = AppSettings();
    }
    void TearDown() override { AppSettings() = saved_; }

  private:
    Settings saved_;
};
