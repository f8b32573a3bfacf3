#include "keys/KeyCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
constexpr int kPress = 0;
constexpr int kRelease = KeyCapture::kReleased;
constexpr int kLShift = 0xA0, kLCtrl = 0xA2, kRCtrl = 0xA3, kLAlt = 0xA4, kLWin = 0x5B;
constexpr int kA = 0x41, kB = 0x42, kC = 0x43;

struct HookEvent {
    int vk;
    int flags;
};

// Each test's own memory of the last event, as a fresh kind of dialog would have.
class KeyCaptureTest : public ::testing::Test {
protected:
    LastHookEvent last;

    // Feeds the events; returns the key display's text after them ("-" when none was shown).
    static std::wstring Feed(KeyCapture& capture, const std::vector<HookEvent>& events) {
        std::wstring shown = L"-";
        for (const HookEvent& event : events) {
            std::wstring text;
            if (capture.OnHookKey(event.vk, event.flags, text)) shown = text;
        }
        return shown;
    }

    static std::vector<int> Events(const KeyCapture& capture, size_t count) {
        return std::vector<int>(capture.KeyData, capture.KeyData + count * 3);
    }
};

TEST_F(KeyCaptureTest, CombinationsShownAndStoredInModifierOrder) {
    struct Case {
        const char* name;
        std::vector<HookEvent> events;
        const wchar_t* display;
        int keyCount;
        std::vector<int> keyData;  // the events after Finish, then zeros
    };
    const Case cases[] = {
        {"left Ctrl then A", {{kLCtrl, kPress}, {kA, kPress}}, L"Ctrl + A", 2,
         {0xE0, 5, 0x80, 0x04, 5, 0x80, 0x04, 5, 0x00, 0xE0, 5, 0x00}},
        {"A then left Ctrl", {{kA, kPress}, {kLCtrl, kPress}}, L"Ctrl + A", 2,
         {0xE0, 5, 0x80, 0x04, 5, 0x80, 0x04, 5, 0x00, 0xE0, 5, 0x00}},
        {"releases leave the display and the keys",
         {{kLCtrl, kPress}, {kA, kPress}, {kA, kRelease}, {kLCtrl, kRelease}}, L"Ctrl + A", 2,
         {0xE0, 5, 0x80, 0x04, 5, 0x80, 0x04, 5, 0x00, 0xE0, 5, 0x00}},
        {"Alt, Shift, Windows, C", {{kLAlt, kPress}, {kLShift, kPress}, {kLWin, kPress}, {kC, kPress}},
         L"Shift + Win + Alt + C", 4,
         {0xE1, 5, 0x80, 0xE3, 5, 0x80, 0xE2, 5, 0x80, 0x06, 5, 0x80,
          0x06, 5, 0x00, 0xE2, 5, 0x00, 0xE3, 5, 0x00, 0xE1, 5, 0x00}},
        {"right Ctrl is a main key that A replaces", {{kRCtrl, kPress}, {kA, kPress}}, L"A", 1, {0, 0, 0}},
        {"the last press defines the combination",
         {{kLCtrl, kPress}, {kA, kPress}, {kA, kRelease}, {kLCtrl, kRelease}, {kB, kPress}}, L"B", 1, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        KeyCapture capture(false, last);
        capture.Start();
        EXPECT_EQ(c.display, Feed(capture, c.events)) << c.name;
        EXPECT_TRUE(capture.Finish()) << c.name;
        EXPECT_EQ(c.keyCount, capture.keyCount) << c.name;
        std::vector<int> expected = c.keyData;
        expected.resize(expected.size() + 3, 0);
        EXPECT_EQ(expected, Events(capture, expected.size() / 3)) << c.name;
        last = LastHookEvent{};
    }
}

TEST_F(KeyCaptureTest, OneKeyOfACombinationIsTheSingleKeyShown) {
    const std::vector<HookEvent> cases[] = {{{kB, kPress}}, {{kRCtrl, kPress}, {kB, kPress}}};
    for (const auto& events : cases) {
        KeyCapture capture(false, last);
        capture.Start();
        Feed(capture, events);
        EXPECT_EQ(1, capture.keyCount);
        EXPECT_EQ(0x05, capture.singleKeyHid);
        last = LastHookEvent{};
    }
    // A modifier alone is the single key, not a key pressed before it and released.
    KeyCapture capture(false, last);
    capture.Start();
    EXPECT_EQ(L"Ctrl", Feed(capture, {{kB, kPress}, {kB, kRelease}, {kLCtrl, kPress}}));
    EXPECT_EQ(1, capture.keyCount);
    EXPECT_EQ(0xE0, capture.singleKeyHid);
}

TEST_F(KeyCaptureTest, SingleKeyModeTakesEveryKeyPressedOrReleased) {
    KeyCapture capture(true, last);
    capture.singleKeyHid = 0x04;
    EXPECT_EQ(L"A", capture.Start());
    EXPECT_EQ(L"Ctrl", Feed(capture, {{kLCtrl, kPress}}));
    EXPECT_EQ(L"B", Feed(capture, {{kB, kPress}, {kLCtrl, kRelease}, {kB, kRelease}}));
    EXPECT_EQ(0x05, capture.singleKeyHid);
    EXPECT_TRUE(capture.Finish());
    EXPECT_EQ(1, capture.keyCount);
}

TEST_F(KeyCaptureTest, NothingCapturedWithoutAKeyEvent) {
    for (bool singleKeyOnly : {true, false}) {
        KeyCapture capture(singleKeyOnly, last);
        capture.singleKeyHid = 0x04;
        capture.Start();
        EXPECT_FALSE(capture.Finish()) << singleKeyOnly;
    }
}

TEST_F(KeyCaptureTest, ARepeatedEventCountsOnce) {
    KeyCapture first(false, last);
    first.Start();
    std::wstring text;
    EXPECT_TRUE(first.OnHookKey(kLCtrl, kPress, text));
    EXPECT_FALSE(first.OnHookKey(kLCtrl, kPress, text)) << "the held key's repeat";
    EXPECT_TRUE(first.OnHookKey(kA, kPress, text));
    EXPECT_EQ(L"Ctrl + A", text);

    // The memory outlives the dialog: the next one of the same kind drops the same event.
    KeyCapture next(false, last);
    next.Start();
    EXPECT_FALSE(next.OnHookKey(kA, kPress, text));
    EXPECT_FALSE(next.Finish());
}

TEST_F(KeyCaptureTest, StartShowsTheSeededKeys) {
    struct Case {
        bool singleKeyOnly;
        int keyCount;
        std::vector<int> keyData;
        const wchar_t* display;
    };
    const Case cases[] = {
        {true, 0, {0x04}, L"A"},
        {true, 0, {0xFF}, L""},
        {false, 2, {0x06, 5, 0x80, 0xE0, 5, 0x80, 0xE0, 5, 0, 0x06, 5, 0}, L"Ctrl + C"},
        {false, 3, {0xE2, 5, 0x80, 0xE1, 5, 0x80, 0x2C, 5, 0x80}, L"Shift + Alt + Space Bar"},
    };
    for (const Case& c : cases) {
        KeyCapture capture(c.singleKeyOnly, last);
        for (size_t i = 0; i < c.keyData.size(); ++i) capture.KeyData[i] = static_cast<std::uint8_t>(c.keyData[i]);
        capture.singleKeyHid = capture.KeyData[0];
        capture.keyCount = c.keyCount;
        EXPECT_EQ(c.display, capture.Start()) << c.keyCount;
    }
}
}  // namespace
