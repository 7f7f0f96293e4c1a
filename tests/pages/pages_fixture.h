// The real main window template, created with a procedure that handles
// nothing, so that loading and reading the pages are seen on their own: no
// rule runs when a field's text changes.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/country_defaults.h"
#include "settings/settings_block.h"

class PagesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes `block` the current block for `variant` and loads the pages.
    void load(const SettingsBlock& block, uint8_t variant = 0);

    std::vector<std::string> entries(int listId) const;
    // The selected entry's text, or "" when the list shows none.
    std::string selected(int listId) const;
    std::string text(int controlId) const;
    int position(int spinId) const;
    std::pair<int, int> range(int spinId) const;

    HWND window = nullptr;
};

// A standard-model factory row to start each case from.
SettingsBlock baseBlock();

// Writers for the fields the cases vary.
void setBits(SettingsBlock& b, int byte, int shift, int width, unsigned value);
inline void setEmulation(SettingsBlock& b, unsigned v) { setBits(b, 0, 6, 1, v); }
inline void setCharacterSet(SettingsBlock& b, unsigned v) { setBits(b, 0, 4, 2, v); }
inline void setCodePage(SettingsBlock& b, unsigned v) { setBits(b, 1, 0, 8, v); }
inline void setPitch(SettingsBlock& b, unsigned v) { setBits(b, 4, 4, 4, v); }
inline void setFont(SettingsBlock& b, unsigned v) { setBits(b, 4, 0, 4, v); }
