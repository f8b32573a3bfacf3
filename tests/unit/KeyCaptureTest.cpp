#include "keys/KeyCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Answer = KeyCapture::Answer;

constexpr int kLShift = 0xA0, kLCtrl = 0xA2, kRCtrl = 0xA3, kLAlt = 0xA4, kLWin = 0x5B;
constexpr int kA = 0x41, kB = 0x42, kC = 0x43, kQ = 0x51, kSlash = 0xBF;
constexpr int kEnter = 0x0D, kEscape = 0x1B, kMute = 0xAD, kF13 = 0x7C;

struct HookEvent {
    int vk;
    int flags;
};

HookEvent Down(int vk) { return {vk, 0}; }
HookEvent Up(int vk) { return {vk, KeyCapture::kReleased}; }
// A key pressed and released.
std::vector<HookEvent> Tap(int vk) { return {Down(vk), Up(vk)}; }

std::vector<HookEvent> operator+(std::vector<HookEvent> first, const std::vector<HookEvent>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

const std::vector<HookEvent> kCtrlA = {Down(kLCtrl), Down(kA), Up(kA), Up(kLCtrl)};
const std::vector<int> kCtrlAData = {0xE0, 5, 0x80, 0x04, 5, 0x80, 0x04, 5, 0x00, 0xE0, 5, 0x00};

// What a run of hook events left: the display's last text ("-" when none was shown), the answer
// to each event, and what Finish returned.
struct Outcome {
    std::wstring shown = L"-";
    std::vector<Answer> answers;
    bool finished = false;
};

Outcome Feed(KeyCapture& capture, const std::vector<HookEvent>& events) {
    Outcome outcome;
    for (const HookEvent& event : events) {
        std::wstring text;
        const Answer answer = capture.OnHookKey(event.vk, event.flags, text);
        if (answer == Answer::Shown) outcome.shown = text;
        outcome.answers.push_back(answer);
    }
    outcome.finished = capture.Finish();
    return outcome;
}

std::vector<int> Events(const KeyCapture& capture, size_t count) {
    return std::vector<int>(capture.KeyData, capture.KeyData + count * 3);
}

TEST(KeyCapture, TheCaptureRule) {
    struct Case {
        const char* name;
        bool singleKeyOnly;
        std::vector<HookEvent> events;
        const wchar_t* shown;
        Answer lastAnswer;
        bool finished;
        int keyCount;
        int singleKeyHid;           // checked when keyCount is 1
        std::vector<int> keyData;   // the events after Finish, then zeros (keyCount 2 to 5)
    };
    const Case cases[] = {
        // Combinations: the keys held at the last press, in modifier order.
        {"left Ctrl then A", false, {Down(kLCtrl), Down(kA)}, L"Ctrl + A", Answer::Shown, true, 2, 0, kCtrlAData},
        {"A then left Ctrl", false, {Down(kA), Down(kLCtrl)}, L"Ctrl + A", Answer::Shown, true, 2, 0, kCtrlAData},
        {"releases leave the display and the keys", false, kCtrlA, L"Ctrl + A", Answer::Ignored, true, 2, 0,
         kCtrlAData},
        {"Alt, Shift, Windows, C", false, {Down(kLAlt), Down(kLShift), Down(kLWin), Down(kC)},
         L"Shift + Win + Alt + C", Answer::Shown, true, 4, 0,
         {0xE1, 5, 0x80, 0xE3, 5, 0x80, 0xE2, 5, 0x80, 0x06, 5, 0x80,
          0x06, 5, 0x00, 0xE2, 5, 0x00, 0xE3, 5, 0x00, 0xE1, 5, 0x00}},
        {"right Ctrl is a main key that A replaces", false, {Down(kRCtrl), Down(kA)}, L"A", Answer::Shown, true, 1,
         0x04, {}},
        {"a modifier alone is the single key", false, Tap(kB) + std::vector<HookEvent>{Down(kLCtrl)}, L"Ctrl",
         Answer::Shown, true, 1, 0xE0, {}},
        {"after a complete capture a key starts a new one", false, kCtrlA + Tap(kB), L"B", Answer::Ignored, true, 1,
         0x05, {}},
        {"keys held while the dialog opened: their releases capture nothing", false, {Up(kA), Up(kLCtrl)}, L"-",
         Answer::Ignored, false, 0, 0, {}},
        // Enter and Escape.
        {"Enter after a complete capture confirms when released", false, kCtrlA + Tap(kEnter), L"Ctrl + A",
         Answer::Confirm, true, 2, 0, kCtrlAData},
        {"Escape after a complete capture cancels when released", false, kCtrlA + Tap(kEscape), L"Ctrl + A",
         Answer::Cancel, true, 2, 0, kCtrlAData},
        {"Enter pressed while a key is held belongs to the combination", false, {Down(kLCtrl), Down(kEnter)},
         L"Ctrl + Enter", Answer::Shown, true, 2, 0, {0xE0, 5, 0x80, 0x28, 5, 0x80, 0x28, 5, 0x00, 0xE0, 5, 0x00}},
        {"Enter as the first key is captured, Enter then confirms", true, Tap(kEnter) + Tap(kEnter), L"Enter",
         Answer::Confirm, true, 1, 0x28, {}},
        {"Escape as the first key is captured, Enter then confirms", true, Tap(kEscape) + Tap(kEnter), L"ESC",
         Answer::Confirm, true, 1, 0x29, {}},
        {"B then Enter stores B", true, Tap(kB) + Tap(kEnter), L"B", Answer::Confirm, true, 1, 0x05, {}},
        // Single keys: only presses choose.
        {"Shift + / with the slash released first is the slash", true,
         {Down(kLShift), Down(kSlash), Up(kSlash), Up(kLShift)}, L"/", Answer::Ignored, true, 1, 0x38, {}},
        {"a held key's repeats are one press", true, {Down(kQ), Down(kQ), Down(kQ)}, L"Q", Answer::Ignored, true, 1,
         0x14, {}},
        // Keys the mouse cannot send.
        {"a key without a usage is refused and the field stays", false, kCtrlA + std::vector<HookEvent>{Down(kMute)},
         L"Ctrl + A", Answer::Refused, true, 2, 0, kCtrlAData},
        {"a refused key captures nothing", true, {Down(kF13), Up(kF13)}, L"-", Answer::Ignored, false, 0, 0, {}},
        {"a refused key while complete keeps Enter confirming", true, Tap(kB) + Tap(kMute) + Tap(kEnter), L"B",
         Answer::Confirm, true, 1, 0x05, {}},
    };
    for (const Case& c : cases) {
        KeyCapture capture(c.singleKeyOnly);
        capture.Start();
        const Outcome outcome = Feed(capture, c.events);
        EXPECT_EQ(c.shown, outcome.shown) << c.name;
        EXPECT_EQ(c.lastAnswer, outcome.answers.back()) << c.name;
        EXPECT_EQ(c.finished, outcome.finished) << c.name;
        if (!c.finished) continue;
        EXPECT_EQ(c.keyCount, capture.keyCount) << c.name;
        if (c.keyCount == 1) {
            EXPECT_EQ(c.singleKeyHid, capture.singleKeyHid) << c.name;
        }
        if (c.keyCount < 2) continue;
        std::vector<int> expected = c.keyData;
        expected.resize(expected.size() + 3, 0);
        EXPECT_EQ(expected, Events(capture, expected.size() / 3)) << c.name;
    }
}

TEST(KeyCapture, RefusalAndRepeatsAreAnsweredPerEvent) {
    KeyCapture capture(true);
    capture.Start();
    const Outcome outcome = Feed(capture, {Down(kQ), Down(kQ), Down(kMute), Up(kMute), Up(kQ), Up(kQ)});
    EXPECT_EQ((std::vector<Answer>{Answer::Shown, Answer::Ignored, Answer::Refused, Answer::Ignored, Answer::Ignored,
                                   Answer::Ignored}),
              outcome.answers);
}

TEST(KeyCapture, AClickOnTheFieldStartsANewCaptureThatTakesEnter) {
    KeyCapture capture(true);
    capture.Start();
    Feed(capture, Tap(kB));
    capture.Restart();
    Outcome outcome = Feed(capture, Tap(kEnter));
    EXPECT_EQ(L"Enter", outcome.shown);
    EXPECT_EQ(Answer::Ignored, outcome.answers.back()) << "the Enter is the key, not the confirmation";
    outcome = Feed(capture, Tap(kEnter));
    EXPECT_EQ(Answer::Confirm, outcome.answers.back());
    EXPECT_EQ(0x28, capture.singleKeyHid);
}

TEST(KeyCapture, EachDialogStartsWithoutMemoryOfTheLast) {
    KeyCapture first(true);
    first.Start();
    EXPECT_EQ(Answer::Confirm, Feed(first, Tap(kB) + Tap(kEnter)).answers.back());
    // The Enter that closed the dialog before is a key like any other in the next one.
    KeyCapture next(true);
    next.Start();
    const Outcome outcome = Feed(next, {Down(kEnter)});
    EXPECT_EQ(Answer::Shown, outcome.answers.back());
    EXPECT_EQ(0x28, next.singleKeyHid);
}

TEST(KeyCapture, NothingCapturedWithoutAKeyEvent) {
    for (bool singleKeyOnly : {true, false}) {
        KeyCapture capture(singleKeyOnly);
        capture.singleKeyHid = 0x04;
        capture.Start();
        EXPECT_TRUE(capture.ShowsKey()) << singleKeyOnly;
        EXPECT_FALSE(capture.Finish()) << singleKeyOnly;
    }
}

TEST(KeyCapture, ClearShowsAndCapturesNothing) {
    KeyCapture capture(true);
    capture.singleKeyHid = 0x04;
    capture.Start();
    Feed(capture, Tap(kB));
    capture.Clear();
    EXPECT_FALSE(capture.ShowsKey());
    EXPECT_FALSE(capture.Finish());
    EXPECT_EQ(KeyCapture::kNoKey, capture.singleKeyHid);
    EXPECT_EQ(L"C", Feed(capture, {Down(kC)}).shown) << "the next key is taken";
    EXPECT_EQ(0x06, capture.singleKeyHid);
}

TEST(KeyCapture, StartShowsTheSeededKeys) {
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
        KeyCapture capture(c.singleKeyOnly);
        for (size_t i = 0; i < c.keyData.size(); ++i) capture.KeyData[i] = static_cast<std::uint8_t>(c.keyData[i]);
        capture.singleKeyHid = capture.KeyData[0];
        capture.keyCount = c.keyCount;
        EXPECT_EQ(c.display, capture.Start()) << c.keyCount;
        EXPECT_EQ(c.display[0] != L'\0', capture.ShowsKey()) << c.keyCount;
    }
}
}  // namespace
