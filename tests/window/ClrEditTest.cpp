#include "skin/CClrEdit.h"
#include "window/SkinTestSupport.h"

#include <vector>

namespace {
class ClrEditTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, RECT{10, 10, 60, 28}, &parent, 0x5001));
        ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, RECT{10, 40, 60, 58}, &parent, 0x5001));
        PumpMessages();
        parent.messages.clear();
    }

    std::vector<WPARAM> Posted(UINT message) {
        PumpMessages();
        std::vector<WPARAM> values;
        for (const RecordedMessage& m : parent.Received(message)) values.push_back(m.wParam);
        return values;
    }

    RecordingWindow parent{RECT{60, 60, 260, 160}, {WM_EDIT_FOCUS, WM_EDIT_KEYUP}};
    CClrEdit edit;
    CClrEdit other;
};

TEST_F(ClrEditTest, FocusGainedAndLostArePostedAsOneAndTwo) {
    ::SetFocus(edit.m_hWnd);
    ::SetFocus(other.m_hWnd);
    ::SetFocus(parent.m_hWnd);
    EXPECT_EQ((std::vector<WPARAM>{1, 2, 1, 2}), Posted(WM_EDIT_FOCUS));
    for (const RecordedMessage& m : parent.Received(WM_EDIT_FOCUS)) EXPECT_EQ(0, m.lParam);
}

TEST_F(ClrEditTest, KeyReleasesArePostedWithTheTagOnlyWhenAskedFor) {
    edit.SendMessage(WM_KEYUP, 'A', 0);
    EXPECT_TRUE(Posted(WM_EDIT_KEYUP).empty());

    edit.notifyKeyUp = 1;
    edit.notifyTag = 256;
    edit.SendMessage(WM_KEYUP, 'A', 0);
    edit.SendMessage(WM_KEYUP, VK_BACK, 0);
    EXPECT_EQ((std::vector<WPARAM>{'A', VK_BACK}), Posted(WM_EDIT_KEYUP));
    for (const RecordedMessage& m : parent.Received(WM_EDIT_KEYUP)) EXPECT_EQ(256, m.lParam);
}

TEST_F(ClrEditTest, ColoursComeFromTheMembers) {
    edit.editTextColor = RGB(255, 255, 255);
    edit.editBackColor = RGB(0x5E, 0x5E, 0x5E);
    HDC dc = ::CreateCompatibleDC(nullptr);
    auto brushColour = [&](UINT message) {
        auto brush = reinterpret_cast<HBRUSH>(
            parent.SendMessage(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit.m_hWnd)));
        LOGBRUSH info{};
        ::GetObjectW(brush, sizeof(info), &info);
        return info.lbColor;
    };
    EXPECT_EQ(RGB(0x5E, 0x5E, 0x5E), brushColour(WM_CTLCOLOREDIT));
    EXPECT_EQ(RGB(255, 255, 255), ::GetTextColor(dc));
    EXPECT_EQ(RGB(0x5E, 0x5E, 0x5E), ::GetBkColor(dc));
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(dc));
    edit.editBackColor = RGB(1, 2, 3);
    EXPECT_EQ(RGB(1, 2, 3), brushColour(WM_CTLCOLORSTATIC)) << "also when read-only or disabled";
    ::DeleteDC(dc);
}

// The edit control moves a border into its own drawing at once; the style asked for shows only
// in the creation message.
class StyleWatch : public CClrEdit {
public:
    DWORD createdStyle = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NCCREATE) createdStyle = reinterpret_cast<const CREATESTRUCTW*>(lParam)->style;
        return CClrEdit::WindowProc(message, wParam, lParam);
    }
};

TEST_F(ClrEditTest, BorderOnlyWhenAskedForAndTheFontIsArial) {
    for (BOOL withBorder : {FALSE, TRUE}) {
        StyleWatch field;
        field.withBorder = withBorder;
        ASSERT_TRUE(field.Create(WS_CHILD | WS_VISIBLE, RECT{70, 10, 120, 28}, &parent, 0));
        EXPECT_EQ(withBorder ? WS_BORDER : 0, field.createdStyle & WS_BORDER);
    }

    LOGFONTW font{};
    ::GetObjectW(edit.editFont.Get(), sizeof(font), &font);
    EXPECT_STREQ(L"Arial", font.lfFaceName);
    EXPECT_EQ(15, font.lfHeight);
    EXPECT_EQ(500, font.lfWeight);
}
}  // namespace
