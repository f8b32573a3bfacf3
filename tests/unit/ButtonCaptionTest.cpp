#include "functions/ButtonCaption.h"

#include "framework/Folders.h"
#include "text/LocalisedText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <vector>

namespace {
class ButtonCaptionTest : public ::testing::Test {
protected:
    void SetUp() override { InitFolders(); }

    static ButtonAssignment Button(int code, std::initializer_list<int> keyData = {}, int keyNumber = 0) {
        ButtonAssignment button{};
        button.ButtonFunc = static_cast<std::uint8_t>(code);
        button.KeyNumber = static_cast<std::uint8_t>(keyNumber);
        int i = 0;
        for (int byte : keyData) button.KeyData[i++] = static_cast<std::uint8_t>(byte);
        return button;
    }
};

TEST_F(ButtonCaptionTest, NamedFunctionsAndEmptyCaptions) {
    for (int code : {1, 2, 3, 4, 5, 12, 14, 16, 17, 30, 46, 47, 49, 50, 55}) {
        ButtonAssignment button = Button(code);
        EXPECT_EQ(GetFunctionName(code), ButtonCaption(button)) << code;
        EXPECT_FALSE(ButtonCaption(button).empty()) << code;
    }
    for (int code : {0, 8, 9, 10, 13, 15, 56, 200, 255}) {
        ButtonAssignment button = Button(code);
        EXPECT_EQ(L"", ButtonCaption(button)) << code;
    }
}

TEST_F(ButtonCaptionTest, Keys) {
    struct Case {
        ButtonAssignment button;
        const wchar_t* caption;
    };
    const Case cases[] = {
        {Button(6, {0x04}), L"A"},
        {Button(6, {0x28}), L"Enter"},
        {Button(6, {0xE0}), L"LCtrl"},
        {Button(6, {0x00}), L"key"},
        // Ctrl first whatever order the keys were pressed in.
        {Button(7, {0x06, 5, 0x80, 0xE0, 5, 0x80, 0xE0, 5, 0x00, 0x06, 5, 0x00}, 4), L"Ctrl + C"},
        {Button(7, {0xE0, 5, 0x80, 0xE1, 5, 0x80, 0x04, 5, 0x80, 0x04, 5, 0, 0xE1, 5, 0}, 6), L"Shift + Ctrl + A"},
        {Button(7, {0x04}, 2), L"A"},
    };
    for (const Case& c : cases) {
        ButtonAssignment button = c.button;
        EXPECT_EQ(c.caption, ButtonCaption(button)) << c.caption;
    }
}

TEST_F(ButtonCaptionTest, AMacroButtonShowsTheNameItStores) {
    for (const wchar_t* name : {L"Combo", L"", L"a name longer than any the editor gives"}) {
        ButtonAssignment button = Button(11, {}, 3);
        SetMacroNameText(button, name);
        const ButtonAssignment before = button;
        EXPECT_EQ(name, ButtonCaption(button));
        EXPECT_EQ(0, std::memcmp(&before, &button, sizeof button));
    }
}
}  // namespace
