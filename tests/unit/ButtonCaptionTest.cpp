#include "functions/ButtonCaption.h"

#include "framework/Folders.h"
#include "text/LocalisedText.h"

#include <gtest/gtest.h>

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
        EXPECT_EQ(GetFunctionName(code), ButtonCaption(button, {})) << code;
        EXPECT_FALSE(ButtonCaption(button, {}).empty()) << code;
    }
    for (int code : {0, 8, 9, 10, 13, 15, 56, 200, 255}) {
        ButtonAssignment button = Button(code);
        EXPECT_EQ(L"", ButtonCaption(button, {})) << code;
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
        EXPECT_EQ(c.caption, ButtonCaption(button, {})) << c.caption;
    }
}

TEST_F(ButtonCaptionTest, MacroButtonsFollowTheLibrary) {
    struct Case {
        const char* name;
        int slot;
        const wchar_t* storedName;
        std::vector<std::wstring> library;
        const wchar_t* caption;  // null: the name of code 16
        int code;
        int slotAfter;
        const wchar_t* nameAfter;
    };
    const std::vector<std::wstring> library{L"Reload", L"Combo"};
    const Case cases[] = {
        {"a stored name finds its macro", 1, L"Combo", library, L"Combo", 11, 1, L"Combo"},
        // A macro before it was deleted: the slot moved down, the name did not.
        {"the name finds the moved slot", 2, L"Combo", library, L"Combo", 11, 1, L"Combo"},
        {"a deleted macro is not replaced by the next", 0, L"Jump", library, nullptr, 16, 0, L"Jump"},
        {"an empty library has no stored macro", 0, L"Jump", {}, nullptr, 16, 0, L"Jump"},
        {"without a name the slot counts", 1, L"", library, L"Combo", 11, 1, L"Combo"},
        {"without a name a slot past the list", 2, L"", library, nullptr, 16, 2, L""},
        {"without a name an empty library", 0, L"", {}, L"", 11, 0, L""},
    };
    for (const Case& c : cases) {
        ButtonAssignment button = Button(11, {}, c.slot);
        SetMacroNameText(button, c.storedName);
        EXPECT_EQ(c.caption ? c.caption : GetFunctionName(16), ButtonCaption(button, c.library)) << c.name;
        EXPECT_EQ(c.code, button.ButtonFunc) << c.name;
        EXPECT_EQ(c.slotAfter, button.KeyNumber) << c.name;
        EXPECT_EQ(c.nameAfter, MacroNameText(button)) << c.name;
    }
}
}  // namespace
