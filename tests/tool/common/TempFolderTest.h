#pragma once

#include "TempFolder.h"

#include <gtest/gtest.h>

// A test with its own temporary folder.
class TempFolderTest : public ::testing::Test, public TempFolder {
  protected:
    void SetUp() override { ASSERT_TRUE(isValid()); }
};
