// The single-key, rapid-fire and text input dialogs, run modally while a script acts in them as
// the input hook and the user would.
#include "framework/Folders.h"
#include "framework/Messages.h"
#include "skin/GdiplusSession.h"
#include "support/WindowTestSupport.h"
#include "ui/dialogs/CFireKey.h"
#include "ui/dialogs/CSingleKey.h"
#include "ui/dialogs/CSingleKeyDlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {
constexpr int kPress = 0;
constexpr int kRelease = 0x80;
constexpr int kLCtrl = 0xA2, kRCtrl = 0xA3;

struct HookEvent {
    int vk;
    int flags;
};

void Click(CWnd& button) {
    button.SendMessage(BM_CLICK);
    PumpMessages();
}

// What the input hook library delivers for a key; returns the dialog's answer.
LRESULT Hook(CWnd& dialog, HookEvent event) {
    return dialog.SendMessage(WM_HOOK_KEY, static_cast<WPARAM>(event.vk), event.flags);
}

// Left for the dialog's own loop, which filters the keys before any window sees them.
void PressEnter(CWnd& dialog) { dialog.PostMessage(WM_KEYDOWN, VK_RETURN, 0); }

void Type(CWnd& field, const std::wstring& text) {
    for (wchar_t c : text) field.SendMessage(WM_CHAR, c, 1);
}

class KeyDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitFolders();
        ::SetCursorPos(1279, 1023);
    }

    GdiplusSession gdiplus;
};

TEST_F(KeyDialogsTest, SingleKeyDialogCapturesAsTheHookReports) {
    struct Case {
        const char* name;
        bool singleKeyOnly;
        std::vector<HookEvent> events;
        bool clickOk;  // false: the events end the dialog
        INT_PTR result;
        const wchar_t* display;
        int keyCount;
        std::vector<int> keyData;
    };
    const Case cases[] = {
        {"OK without a key is Cancel", true, {}, true, IDCANCEL, L"", 0, {}},
        {"OK without a key in a combination", false, {}, true, IDCANCEL, L"", 0, {}},
        {"left Ctrl then A", false, {{kLCtrl, kPress}, {'A', kPress}}, true, IDOK, L"Ctrl + A", 2,
         {0xE0, 5, 0x80, 0x04, 5, 0x80, 0x04, 5, 0x00, 0xE0, 5, 0x00, 0, 0, 0}},
        {"right Ctrl then A", false, {{kRCtrl, kPress}, {'A', kPress}}, true, IDOK, L"A", 1, {}},
        {"releases keep the display", false,
         {{kLCtrl, kPress}, {'A', kPress}, {'A', kRelease}, {kLCtrl, kRelease}}, true, IDOK, L"Ctrl + A", 2,
         {0xE0, 5, 0x80, 0x04, 5, 0x80, 0x04, 5, 0x00, 0xE0, 5, 0x00, 0, 0, 0}},
        {"a single key", true, {{'B', kPress}, {'B', kRelease}}, true, IDOK, L"B", 1, {}},
        {"Enter after the key is released ends with OK", true,
         {{'B', kPress}, {'B', kRelease}, {VK_RETURN, kPress}, {VK_RETURN, kRelease}}, false, IDOK, L"B", 1, {}},
        {"Enter in a combination builds its keys", false,
         {{kLCtrl, kPress}, {'B', kPress}, {'B', kRelease}, {kLCtrl, kRelease}, {VK_RETURN, kPress},
          {VK_RETURN, kRelease}},
         false, IDOK, L"Ctrl + B", 2, {0xE0, 5, 0x80, 0x05, 5, 0x80, 0x05, 5, 0x00, 0xE0, 5, 0x00, 0, 0, 0}},
        {"Escape after the key is released cancels", true,
         {{'B', kPress}, {'B', kRelease}, {VK_ESCAPE, kPress}, {VK_ESCAPE, kRelease}}, false, IDCANCEL, L"B", 1, {}},
    };
    for (const Case& c : cases) {
        CSingleKey dialog(nullptr, L"title", L"message", c.singleKeyOnly);
        std::wstring shown = L"-";
        RunInNextModalLoop([&] {
            for (const HookEvent& event : c.events) {
                shown = dialog.KeyDisplay().GetWindowText();
                Hook(dialog, event);
            }
            if (c.clickOk) {
                shown = dialog.KeyDisplay().GetWindowText();
                Click(dialog.OkButton());
            } else if (::IsWindow(dialog.m_hWnd)) {
                // Still open: the events failed to end it.
                ::EndDialog(dialog.m_hWnd, 0);
            }
        });
        EXPECT_EQ(c.result, dialog.DoModal()) << c.name;
        if (!c.events.empty()) {
            EXPECT_EQ(c.display, shown) << c.name;
        }
        if (c.result != IDOK) continue;
        EXPECT_EQ(c.keyCount, dialog.capture.keyCount) << c.name;
        if (c.keyCount == 1) {
            EXPECT_NE(0xFF, dialog.capture.singleKeyHid) << c.name;
        }
        EXPECT_EQ(c.keyData, std::vector<int>(dialog.capture.KeyData, dialog.capture.KeyData + c.keyData.size()))
            << c.name;
    }
}

// A move to a screen of another scale makes the boxes' controls anew; what they showed stays, and
// is what OK takes: the key captured, the text typed so far and the field with the focus.
TEST_F(KeyDialogsTest, ANewScaleKeepsWhatTheBoxesShow) {
    const auto rescale = [](CWnd& dialog) {
        const HWND first = ::GetWindow(dialog.m_hWnd, GW_CHILD);
        RECT suggested{30, 20, 30 + 717, 20 + 438};
        dialog.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        PumpMessages();
        return first && !::IsWindow(first);
    };
    CSingleKey keyBox(nullptr, L"title", L"message", true);
    bool remade = false;
    std::wstring caption, text;
    RunInNextModalLoop([&] {
        Hook(keyBox, {VK_F5, kPress});
        Hook(keyBox, {VK_F5, kRelease});
        remade = rescale(keyBox);
        caption = keyBox.KeyDisplay().caption;
        text = keyBox.KeyDisplay().GetWindowText();
        Click(keyBox.OkButton());
    });
    EXPECT_EQ(IDOK, keyBox.DoModal());
    EXPECT_TRUE(remade) << "the controls were made anew";
    EXPECT_EQ(L"F5", caption) << "the key field still draws the key";
    EXPECT_EQ(L"F5", text);
    EXPECT_EQ(0x3E, keyBox.capture.singleKeyHid) << "and OK stores it";

    CSingleKeyDlg nameBox(nullptr, L"title", L"message");
    bool focused = false;
    RunInNextModalLoop([&] {
        PumpUntil([&] { return ::GetFocus() == nameBox.InputField().m_hWnd; });
        Type(nameBox.InputField(), L"Jum");
        remade = rescale(nameBox);
        focused = ::GetFocus() == nameBox.InputField().m_hWnd;
        Type(nameBox.InputField(), L"p");  // where the caret was
        Click(nameBox.OkButton());
    });
    EXPECT_EQ(IDOK, nameBox.DoModal());
    EXPECT_TRUE(remade);
    EXPECT_TRUE(focused) << "the field keeps the focus";
    EXPECT_EQ(L"Jump", nameBox.inputText);
}

// Real keys through the input hook library: the dialog sees each key's report before its key
// message, and must take neither Enter nor Escape as a key when they confirm or cancel.
TEST_F(KeyDialogsTest, TypedKeysThenEnterOrEscape) {
    struct Case {
        const char* name;
        bool singleKeyOnly;
        std::vector<HookEvent> keys;  // pressed and released through the system's input
        INT_PTR result;
        int keyCount;
        int singleKeyHid;
        std::vector<int> keyData;
    };
    const Case cases[] = {
        {"B then Enter", true, {{'B', kPress}, {'B', kRelease}, {VK_RETURN, kPress}, {VK_RETURN, kRelease}}, IDOK,
         1, 0x05, {}},
        {"Ctrl + A then Enter", false,
         {{kLCtrl, kPress}, {'A', kPress}, {'A', kRelease}, {kLCtrl, kRelease}, {VK_RETURN, kPress},
          {VK_RETURN, kRelease}},
         IDOK, 2, 0, {0xE0, 5, 0x80, 0x04, 5, 0x80, 0x04, 5, 0x00, 0xE0, 5, 0x00, 0, 0, 0}},
        {"Enter assigned", true,
         {{VK_RETURN, kPress}, {VK_RETURN, kRelease}, {VK_RETURN, kPress}, {VK_RETURN, kRelease}}, IDOK, 1, 0x28, {}},
        {"Enter assigned in the next dialog too", true,
         {{VK_RETURN, kPress}, {VK_RETURN, kRelease}, {VK_RETURN, kPress}, {VK_RETURN, kRelease}}, IDOK, 1, 0x28, {}},
        {"Escape assigned", true,
         {{VK_ESCAPE, kPress}, {VK_ESCAPE, kRelease}, {VK_RETURN, kPress}, {VK_RETURN, kRelease}}, IDOK, 1, 0x29, {}},
        {"B then Escape", true, {{'B', kPress}, {'B', kRelease}, {VK_ESCAPE, kPress}, {VK_ESCAPE, kRelease}},
         IDCANCEL, 0, 0, {}},
    };
    for (const Case& c : cases) {
        CSingleKey dialog(nullptr, L"title", L"message", c.singleKeyOnly);
        RunInNextModalLoop([&] {
            for (const HookEvent& key : c.keys) SendKey(static_cast<WORD>(key.vk), key.flags == kRelease);
            PumpMessages();
            if (::IsWindow(dialog.m_hWnd)) ::EndDialog(dialog.m_hWnd, 0);
        });
        EXPECT_EQ(c.result, dialog.DoModal()) << c.name;
        if (c.result != IDOK) continue;
        EXPECT_EQ(c.keyCount, dialog.capture.keyCount) << c.name;
        if (c.keyCount == 1) {
            EXPECT_EQ(c.singleKeyHid, dialog.capture.singleKeyHid) << c.name;
        }
        EXPECT_EQ(c.keyData, std::vector<int>(dialog.capture.KeyData, dialog.capture.KeyData + c.keyData.size()))
            << c.name;
    }
}

TEST_F(KeyDialogsTest, ARepeatedHookEventIsHandledOnce) {
    CSingleKey dialog(nullptr, L"title", L"message", true);
    std::vector<LRESULT> answers;
    RunInNextModalLoop([&] {
        for (HookEvent event : {HookEvent{'Q', kPress}, HookEvent{'Q', kPress}, HookEvent{'Q', kRelease}}) {
            answers.push_back(Hook(dialog, event));
        }
        Click(dialog.CancelButton());
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    // The release changes nothing either.
    EXPECT_EQ((std::vector<LRESULT>{1, 0, 0}), answers);
}

TEST_F(KeyDialogsTest, AKeyTheMouseCannotSendLeavesTheField) {
    CSingleKey dialog(nullptr, L"title", L"message", true);
    dialog.capture.singleKeyHid = 0x04;
    std::wstring shown;
    LRESULT answer = 0;
    RunInNextModalLoop([&] {
        answer = Hook(dialog, {VK_VOLUME_MUTE, kPress});
        Hook(dialog, {VK_VOLUME_MUTE, kRelease});
        shown = dialog.KeyDisplay().GetWindowText();
        Click(dialog.OkButton());
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal()) << "nothing was captured";
    EXPECT_EQ(1, answer);
    EXPECT_EQ(L"A", shown);
    EXPECT_EQ(0x04, dialog.capture.singleKeyHid);
}

TEST_F(KeyDialogsTest, AClickOnTheKeyFieldCapturesEnter) {
    CSingleKey dialog(nullptr, L"title", L"message", true);
    std::wstring shown;
    RunInNextModalLoop([&] {
        Hook(dialog, {'B', kPress});
        Hook(dialog, {'B', kRelease});
        Click(dialog.KeyDisplay());
        Hook(dialog, {VK_RETURN, kPress});
        Hook(dialog, {VK_RETURN, kRelease});
        shown = dialog.KeyDisplay().GetWindowText();
        Click(dialog.OkButton());
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(L"Enter", shown);
    EXPECT_EQ(0x28, dialog.capture.singleKeyHid);
}

TEST_F(KeyDialogsTest, SingleKeyDialogShowsTheSeededKeys) {
    CSingleKey single(nullptr, L"title", L"message", true);
    single.capture.singleKeyHid = 0x04;
    CSingleKey combination(nullptr, L"title", L"message", false);
    const std::uint8_t keys[] = {0x06, 5, 0x80, 0xE0, 5, 0x80, 0xE0, 5, 0, 0x06, 5, 0};
    std::copy(std::begin(keys), std::end(keys), combination.capture.KeyData);
    combination.capture.keyCount = 2;
    for (auto* dialog : {&single, &combination}) {
        std::wstring shown;
        RunInNextModalLoop([&] {
            shown = dialog->KeyDisplay().GetWindowText();
            Click(dialog->CancelButton());
        });
        EXPECT_EQ(IDCANCEL, dialog->DoModal());
        EXPECT_EQ(dialog == &single ? L"A" : L"Ctrl + C", shown);
    }
}

TEST_F(KeyDialogsTest, RapidFireMouseButtonWinsOverAKeyPressedBefore) {
    CFireKey dialog(nullptr, L"title", L"message");
    dialog.fireTarget = CFireKey::kKeyboardTarget;
    RunInNextModalLoop([&] {
        Hook(dialog, {'C', kPress});
        Click(dialog.OptionBox(1));
        Click(dialog.OkButton());
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(1, dialog.fireTarget);
    EXPECT_EQ(241, dialog.capture.singleKeyHid);
}

TEST_F(KeyDialogsTest, RapidFireKeyboardAfterAMouseButtonStartsWithoutAKey) {
    struct Case {
        const char* name;
        int seededTarget;
        int seededKey;
        std::vector<int> targets;       // the options clicked, the keyboard last
        std::vector<HookEvent> events;  // then
        INT_PTR result;
        int singleKeyHid;
    };
    const Case cases[] = {
        {"OK without a key leaves the record", 0, 0xF0, {3}, {}, IDCANCEL, 0},
        {"OK without a key after the middle button", 2, 0xF2, {3}, {}, IDCANCEL, 0},
        {"the record's key is gone after a mouse button", 3, 0x06, {1, 3}, {}, IDCANCEL, 0},
        {"a key pressed then is the key", 1, 0xF1, {3}, {{'D', kPress}, {'D', kRelease}}, IDOK, 0x07},
    };
    for (const Case& c : cases) {
        CFireKey dialog(nullptr, L"title", L"message");
        dialog.fireTarget = c.seededTarget;
        dialog.capture.singleKeyHid = static_cast<std::uint8_t>(c.seededKey);
        std::wstring shown = L"-";
        RunInNextModalLoop([&] {
            for (int target : c.targets) Click(dialog.OptionBox(target));
            shown = dialog.KeyDisplay().GetWindowText();
            for (const HookEvent& event : c.events) Hook(dialog, event);
            Click(dialog.OkButton());
        });
        EXPECT_EQ(c.result, dialog.DoModal()) << c.name;
        EXPECT_EQ(L"", shown) << c.name;
        if (c.result == IDOK) {
            EXPECT_EQ(c.singleKeyHid, dialog.capture.singleKeyHid) << c.name;
        }
    }
}

TEST_F(KeyDialogsTest, RapidFireNumbersAsTyped) {
    struct Case {
        const wchar_t* count;
        const wchar_t* speed;
        int fireCount;
        int fireSpeed;
    };
    // Three characters at most; an empty field is 0.
    const Case cases[] = {{L"999", L"", 999, 0}, {L"1234", L"30", 123, 30}, {L"5", L"x", 5, 0}};
    for (const Case& c : cases) {
        CFireKey dialog(nullptr, L"title", L"message");
        std::wstring shownCount;
        RunInNextModalLoop([&] {
            shownCount = dialog.CountField().GetWindowText();
            dialog.CountField().SetWindowText(L"");
            dialog.SpeedField().SetWindowText(L"");
            Type(dialog.CountField(), c.count);
            Type(dialog.SpeedField(), c.speed);
            Click(dialog.OkButton());
        });
        EXPECT_EQ(IDOK, dialog.DoModal()) << "OK needs no key";
        EXPECT_EQ(L"2", shownCount);
        EXPECT_EQ(c.fireCount, dialog.fireCount);
        EXPECT_EQ(c.fireSpeed, dialog.fireSpeed);
        EXPECT_EQ(240, dialog.capture.singleKeyHid) << "the left button, chosen at the start";
    }
}

TEST_F(KeyDialogsTest, KeysTypedIntoANumberFieldAreNotCaptured) {
    CFireKey dialog(nullptr, L"title", L"message");
    dialog.fireTarget = CFireKey::kKeyboardTarget;
    std::wstring whileTyping, afterwards, countText;
    RunInNextModalLoop([&] {
        ::SetFocus(dialog.CountField().m_hWnd);
        PumpMessages();
        dialog.CountField().SetWindowText(L"");
        TypeKey('7');
        whileTyping = dialog.KeyDisplay().GetWindowText();
        countText = dialog.CountField().GetWindowText();
        ::SetFocus(dialog.OkButton().m_hWnd);
        PumpMessages();
        TypeKey('C');
        afterwards = dialog.KeyDisplay().GetWindowText();
        Click(dialog.OkButton());
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(L"", whileTyping);
    EXPECT_EQ(L"7", countText);
    EXPECT_EQ(L"C", afterwards) << "leaving the field captures again";
    EXPECT_EQ(0x06, dialog.capture.singleKeyHid);
    EXPECT_EQ(7, dialog.fireCount);
}

TEST_F(KeyDialogsTest, TextInputBox) {
    struct Case {
        const char* name;
        std::wstring typed;
        bool enter;
        std::wstring inputText;
    };
    const Case cases[] = {
        {"twenty characters at most", L"abcdefghijklmnopqrstu", false, L"abcdefghijklmnopqrst"},
        {"empty OK", L"", false, L""},
        {"Enter takes the text typed so far", L"Jump", true, L"Jump"},
    };
    for (const Case& c : cases) {
        CSingleKeyDlg dialog(nullptr, L"title", L"message");
        bool focused = false;
        RunInNextModalLoop([&] {
            // The box focuses its field by itself, shortly after it appears.
            focused = PumpUntil([&] { return ::GetFocus() == dialog.InputField().m_hWnd; });
            for (wchar_t ch : c.typed) {
                ::PostMessageW(::GetFocus(), WM_CHAR, ch, 1);
                PumpMessages();
            }
            if (c.enter) {
                PressEnter(dialog);
            } else {
                Click(dialog.OkButton());
            }
        });
        EXPECT_EQ(IDOK, dialog.DoModal()) << c.name;
        EXPECT_TRUE(focused) << c.name;
        EXPECT_EQ(c.inputText, dialog.inputText) << c.name;
    }
    CSingleKeyDlg cancelled(nullptr, L"title", L"message");
    RunInNextModalLoop([&] {
        Type(cancelled.InputField(), L"x");
        Click(cancelled.CancelButton());
    });
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_EQ(L"", cancelled.inputText);
}
}  // namespace
