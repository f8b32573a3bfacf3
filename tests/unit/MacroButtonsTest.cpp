#include "macro/MacroButtons.h"

#include "MacroTestData.h"
#include "macro/MacroLibrary.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
ButtonAssignment MacroButton(int slot, const wchar_t* name) {
    ButtonAssignment button{};
    button.ButtonFunc = FUNC_MACRO;
    button.KeyNumber = static_cast<std::uint8_t>(slot);
    SetMacroNameText(button, name);
    return button;
}

TEST(MacroButtons, AMacroButtonFollowsItsNameThroughTheLibrary) {
    struct Case {
        const char* what;
        int slot;
        const wchar_t* storedName;
        std::vector<std::wstring> library;
        int code;
        int slotAfter;
        const wchar_t* nameAfter;
    };
    const std::vector<std::wstring> library{L"Reload", L"Combo"};
    const Case cases[] = {
        {"a stored name finds its macro", 1, L"Combo", library, 11, 1, L"Combo"},
        // A macro before it was deleted: the slot moved down, the name did not.
        {"the name finds the moved slot", 2, L"Combo", library, 11, 1, L"Combo"},
        {"a deleted macro is not replaced by the next", 0, L"Jump", library, 16, 0, L"Jump"},
        {"an empty library has no stored macro", 0, L"Jump", {}, 16, 0, L"Jump"},
        {"without a name the slot counts", 1, L"", library, 11, 1, L"Combo"},
        {"without a name a slot past the list", 2, L"", library, 16, 2, L""},
        {"without a name an empty library", 0, L"", {}, 11, 0, L""},
        {"names compare with letter case", 0, L"combo", library, 16, 0, L"combo"},
    };
    for (const Case& c : cases) {
        ButtonAssignment button = MacroButton(c.slot, c.storedName);
        ResolveMacroButton(button, c.library);
        EXPECT_EQ(c.code, button.ButtonFunc) << c.what;
        EXPECT_EQ(c.slotAfter, button.KeyNumber) << c.what;
        EXPECT_EQ(c.nameAfter, MacroNameText(button)) << c.what;
    }
    ButtonAssignment other = MacroButton(5, L"Combo");
    other.ButtonFunc = FUNC_FIRE_KEY;
    ResolveMacroButton(other, library);
    EXPECT_EQ(FUNC_FIRE_KEY, other.ButtonFunc);
    EXPECT_EQ(5, other.KeyNumber) << "only macro buttons";
}

// After a deletion in the editor every profile's buttons follow, not only the profile shown.
TEST(MacroButtons, EveryProfileFollowsTheLibrary) {
    MacroDataFolder folder;
    MacroLibrary().WriteMacroList({L"B", L"C"});
    ProfileSet set{};
    for (int k = 0; k < kProfileCount; ++k) {
        set.Profiles[k].Buttons[k] = MacroButton(2, L"C");  // C was in slot 2 before A was deleted
        set.Profiles[k].Buttons[7] = MacroButton(0, L"A");
    }
    ResolveMacroButtons(set);
    for (int k = 0; k < kProfileCount; ++k) {
        EXPECT_EQ(FUNC_MACRO, set.Profiles[k].Buttons[k].ButtonFunc) << k;
        EXPECT_EQ(1, set.Profiles[k].Buttons[k].KeyNumber) << k;
        EXPECT_EQ(L"C", MacroNameText(set.Profiles[k].Buttons[k])) << k;
        EXPECT_EQ(FUNC_DISABLED, set.Profiles[k].Buttons[7].ButtonFunc) << k;
    }
}

// A library that is missing or cannot be opened says nothing about which macros exist.
TEST(MacroButtons, ALibraryThatCannotBeReadChangesNoButton) {
    struct Case {
        const char* what;
        bool withMacroFolder;
        bool libraryIsFolder;
    };
    const Case cases[] = {
        {"no library file", true, false},
        {"no macro folder", false, false},
        {"a folder where the library goes", true, true},
    };
    for (const Case& c : cases) {
        MacroDataFolder folder(c.withMacroFolder);
        if (c.libraryIsFolder) ::CreateDirectoryW(folder.MacroFile(L"MacroSet.MSDB").c_str(), nullptr);
        ProfileSet set{};
        set.Profiles[2].Buttons[3] = MacroButton(4, L"Jump");
        set.Profiles[4].Buttons[1] = MacroButton(9, L"");
        const ProfileSet before = set;
        EXPECT_FALSE(MacroLibrary().IsReadable()) << c.what;
        ResolveMacroButtons(set);
        EXPECT_EQ(0, std::memcmp(&before, &set, sizeof set)) << c.what;
    }
    MacroDataFolder folder;
    TestFolder::WriteBytes(folder.MacroFile(L"MacroSet.MSDB"), "[Setting]\r\nDevice=1\r\n");
    EXPECT_TRUE(MacroLibrary().IsReadable());
    ProfileSet set{};
    set.Profiles[2].Buttons[3] = MacroButton(4, L"Jump");
    ResolveMacroButtons(set);
    EXPECT_EQ(FUNC_DISABLED, set.Profiles[2].Buttons[3].ButtonFunc) << "a library read that does not list it";
}
}  // namespace
