// The real main window template, created with a procedure that handles
// nothing, so that loading and reading the pages are seen on their own: no
// rule runs when a field's text changes.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "settings/settings_block.h"

class PagesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes `block` the current block for `variant` and loads the pages.
    void load(const SettingsBlock& block, uint8_t variant = 0);
    HWND window = nullptr;
};
