#include "skin/CBitmapBtn.h"
#include "skin/CaptionedButton.h"
#include "skin/FocusCues.h"
#include "skin/GdiObject.h"
#include "window/SkinTestSupport.h"

namespace {
constexpr COLORREF kNormal = RGB(200, 0, 0);
constexpr COLORREF kHover = RGB(0, 200, 0);
constexpr COLORREF kPressed = RGB(0, 0, 200);
constexpr COLORREF kDisabled = RGB(90, 90, 90);
constexpr COLORREF kFill = RGB(30, 31, 32);

// A parent at (40, 40) with one 100 x 30 button at (10, 10) of its client area.
class BitmapBtnTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | WS_TABSTOP | WS_BORDER, RECT{10, 10, 110, 40},
                                  &parent, 0));
        button.SetImages(normal.get(), hover.get(), pressed.get(), disabled.get());
        PumpMessages();
        parent.messages.clear();
    }

    void Move(int x, int y, WPARAM keys = 0) { button.SendMessage(WM_MOUSEMOVE, keys, Point(x, y)); }
    void Click() {
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
        button.SendMessage(WM_LBUTTONUP, 0, Point(5, 5));
    }
    COLORREF Shown(int x = 50, int y = 15) { return PixelOf(button.m_hWnd, x, y); }
    size_t Clicks() const { return parent.Received(WM_COMMAND).size(); }

    RecordingWindow parent{RECT{40, 40, 340, 240}, {WM_COMMAND, WM_BUTTON_HOVER}};
    SkinImage normal = SolidImage(kNormal);
    SkinImage hover = SolidImage(kHover);
    SkinImage pressed = SolidImage(kPressed);
    SkinImage disabled = SolidImage(kDisabled);
    CBitmapBtn button;
};

TEST_F(BitmapBtnTest, BorderIsRemovedTheTabStopKeptAndTheImageFillsTheWholeButton) {
    const LONG_PTR style = ::GetWindowLongPtrW(button.m_hWnd, GWL_STYLE);
    EXPECT_EQ(0, style & WS_BORDER);
    EXPECT_NE(0, style & WS_TABSTOP) << "the button takes the keyboard focus";
    EXPECT_EQ(100, button.GetClientRect().right);
    EXPECT_EQ(kNormal, Shown(0, 0));
    EXPECT_EQ(kNormal, Shown(99, 29));
}

TEST_F(BitmapBtnTest, MouseOverShowsTheHoverImageAndLeavingRestoresTheNormalOne) {
    EXPECT_EQ(kNormal, Shown());
    Move(50, 15);
    EXPECT_TRUE(button.hover);
    EXPECT_EQ(button.m_hWnd, ::GetCapture());
    EXPECT_EQ(kHover, Shown());

    Move(150, 15);  // over the parent
    EXPECT_FALSE(button.hover);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(kNormal, Shown());
}

TEST_F(BitmapBtnTest, EveryMouseMoveIsPostedAsHover) {
    Move(50, 15);
    Move(60, 15);
    EXPECT_TRUE(parent.Received(WM_BUTTON_HOVER).empty()) << "posted, not sent";
    PumpMessages();
    auto hovers = parent.Received(WM_BUTTON_HOVER);
    ASSERT_EQ(2u, hovers.size());
    EXPECT_EQ(reinterpret_cast<WPARAM>(button.m_hWnd), hovers[0].wParam);
    EXPECT_EQ(0, hovers[0].lParam);
}

TEST_F(BitmapBtnTest, LeavingWithTheLeftButtonDownKeepsTheCaptureUntilRelease) {
    Move(50, 15);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(50, 15));
    Move(150, 15, MK_LBUTTON);
    EXPECT_FALSE(button.hover);
    EXPECT_EQ(button.m_hWnd, ::GetCapture());
    button.SendMessage(WM_LBUTTONUP, 0, Point(150, 15));
    EXPECT_NE(button.m_hWnd, ::GetCapture());
    EXPECT_EQ(0u, Clicks()) << "released outside: no click";
}

TEST_F(BitmapBtnTest, APressThatBeganElsewhereShowsNoHover) {
    Move(50, 15, MK_LBUTTON);
    EXPECT_FALSE(button.hover);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(kNormal, Shown());
    PumpMessages();
    EXPECT_TRUE(parent.Received(WM_BUTTON_HOVER).empty());
}

TEST_F(BitmapBtnTest, PushButtonClickIsTheSystemsClick) {
    Click();
    auto clicks = parent.Received(WM_COMMAND);
    ASSERT_EQ(1u, clicks.size());
    EXPECT_EQ(BN_CLICKED, HIWORD(clicks[0].wParam));
    EXPECT_EQ(reinterpret_cast<LPARAM>(button.m_hWnd), clicks[0].lParam);
    EXPECT_FALSE(button.checked);
}

TEST_F(BitmapBtnTest, CheckBoxTogglesAtEachReleaseAndSendsTheClickThen) {
    button.checkBoxMode = 1;
    const BOOL states[] = {1, 0};
    for (size_t i = 0; i < 2; ++i) {
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
        EXPECT_EQ(i, Clicks()) << "nothing at the press";
        button.SendMessage(WM_LBUTTONUP, 0, Point(5, 5));
        EXPECT_EQ(i + 1, Clicks()) << "sent at the release";
        EXPECT_EQ(states[i], button.checked);
    }
    for (const RecordedMessage& click : parent.Received(WM_COMMAND)) {
        EXPECT_EQ(MAKEWPARAM(0, BN_CLICKED), click.wParam);
        EXPECT_EQ(reinterpret_cast<LPARAM>(button.m_hWnd), click.lParam);
    }
}

TEST_F(BitmapBtnTest, ImageOfEachState) {
    struct StateCase {
        const char* name;
        BOOL checkBoxMode;
        BOOL checked;
        BOOL checkedShowsPressed;
        bool enabled;
        bool mouseOver;
        COLORREF shown;
    };
    const StateCase cases[] = {
        {"normal", 0, 0, 0, true, false, kNormal},
        {"disabled", 0, 0, 0, false, false, kDisabled},
        {"hover", 0, 0, 0, true, true, kHover},
        {"latched, even under the mouse", 0, 1, 0, true, true, kPressed},
        {"check box ticked", 1, 1, 0, true, false, kPressed},
        {"check box ticked and disabled", 1, 1, 0, false, false, kDisabled},
        {"check box ticked and disabled, shown pressed", 1, 1, 1, false, false, kPressed},
        {"check box under the mouse", 1, 0, 0, true, true, kHover},
    };
    for (const StateCase& c : cases) {
        button.checkBoxMode = c.checkBoxMode;
        button.checked = c.checked;
        button.checkedShowsPressed = c.checkedShowsPressed;
        button.EnableWindow(c.enabled);
        if (c.mouseOver) Move(50, 15);
        button.Invalidate();
        EXPECT_EQ(c.shown, Shown()) << c.name;
        Move(150, 15);
    }
}

TEST_F(BitmapBtnTest, SquareImageCoversASquareOfTheClientHeight) {
    button.squareImage = 1;
    button.fillBackground = 1;
    button.backgroundColor = kFill;
    button.Invalidate();
    EXPECT_EQ(kNormal, Shown(29, 15));
    EXPECT_EQ(kFill, Shown(31, 15));
    EXPECT_EQ(kFill, Shown(99, 15));
}

// The colours found in the button's client area.
std::vector<COLORREF> ColoursOf(HWND window) {
    std::vector<COLORREF> colours;
    ::UpdateWindow(window);
    HDC dc = ::GetDC(window);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 100; ++x) {
            const COLORREF colour = ::GetPixel(dc, x, y);
            if (std::find(colours.begin(), colours.end(), colour) == colours.end()) colours.push_back(colour);
        }
    }
    ::ReleaseDC(window, dc);
    return colours;
}

bool Contains(const std::vector<COLORREF>& colours, COLORREF colour) {
    return std::find(colours.begin(), colours.end(), colour) != colours.end();
}

TEST_F(BitmapBtnTest, CaptionColourOfTheState) {
    constexpr COLORREF kTextNormal = RGB(255, 255, 255);
    constexpr COLORREF kTextHover = RGB(255, 255, 0);
    button.normalTextColor = kTextNormal;
    button.hoverTextColor = kTextHover;
    button.textVisible = 1;
    button.fontHeight = 28;
    button.fontWeight = 900;
    button.SetText(L"IIII", 0, kTextCentred);
    EXPECT_TRUE(Contains(ColoursOf(button.m_hWnd), kTextNormal));

    Move(50, 15);
    auto hovered = ColoursOf(button.m_hWnd);
    EXPECT_TRUE(Contains(hovered, kTextHover));
    EXPECT_FALSE(Contains(hovered, kTextNormal));

    button.checked = 1;  // latched: pressed image, normal text, even under the mouse
    button.Invalidate();
    auto latched = ColoursOf(button.m_hWnd);
    EXPECT_TRUE(Contains(latched, kTextNormal));
    EXPECT_FALSE(Contains(latched, kTextHover));
    EXPECT_TRUE(Contains(latched, kPressed));
}

TEST_F(BitmapBtnTest, AnEmptyOrHiddenCaptionDrawsOnlyTheImage) {
    button.textVisible = 1;
    EXPECT_EQ(std::vector<COLORREF>{kNormal}, ColoursOf(button.m_hWnd));
    button.textVisible = 0;
    button.fontHeight = 28;
    button.SetText(L"IIII", 0, kTextCentred);
    EXPECT_EQ(std::vector<COLORREF>{kNormal}, ColoursOf(button.m_hWnd)) << "the window text is not drawn either";
    EXPECT_EQ(L"IIII", button.GetText());
}

TEST_F(BitmapBtnTest, TheWindowTextFollowsTheCaption) {
    const wchar_t* const captions[] = {L"Apply", L"Key: Ctrl + A", L""};
    for (const wchar_t* caption : captions) {
        button.SetText(caption, 0, kTextCentred);
        EXPECT_EQ(caption, button.GetWindowText());
    }
    CBitmapBtn early;
    early.SetText(L"Named before creation", 0, kTextCentred);
    ASSERT_TRUE(early.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{10, 50, 110, 80}, &parent, 0));
    EXPECT_EQ(L"Named before creation", early.GetWindowText());
}

TEST_F(BitmapBtnTest, ACaptionedButtonIsNamedByItsCaptionAndDrawsItWhiteInEveryState) {
    constexpr COLORREF kWhite = RGB(255, 255, 255);
    CBitmapBtn captioned;
    ASSERT_TRUE(CreateCaptionedButton(captioned, parent, RECT{10, 50, 110, 80},
                                      {normal.get(), hover.get(), pressed.get(), disabled.get()}, L"IIII"));
    EXPECT_EQ(L"IIII", captioned.GetWindowText());
    EXPECT_EQ(0, ::GetDlgCtrlID(captioned.m_hWnd));
    EXPECT_EQ(BS_OWNERDRAW, ::GetWindowLongPtrW(captioned.m_hWnd, GWL_STYLE) & BS_TYPEMASK);
    captioned.fontHeight = 28;  // thick strokes, so that whole pixels take the caption's colour
    captioned.fontWeight = 900;
    auto normalColours = ColoursOf(captioned.m_hWnd);
    EXPECT_TRUE(Contains(normalColours, kNormal));
    EXPECT_TRUE(Contains(normalColours, kWhite));
    captioned.SendMessage(WM_MOUSEMOVE, 0, Point(50, 15));
    auto hoverColours = ColoursOf(captioned.m_hWnd);
    EXPECT_TRUE(Contains(hoverColours, kHover));
    EXPECT_TRUE(Contains(hoverColours, kWhite));
}

TEST_F(BitmapBtnTest, SetCheckRepaintsOnlyWhenTheValueChanges) {
    ::ValidateRect(button.m_hWnd, nullptr);
    button.SetCheck(0);
    EXPECT_FALSE(::GetUpdateRect(button.m_hWnd, nullptr, FALSE));
    button.SetCheck(1);
    EXPECT_TRUE(::GetUpdateRect(button.m_hWnd, nullptr, FALSE));
    EXPECT_TRUE(button.checked);
}

TEST_F(BitmapBtnTest, ReplacedImagesStayTheirOwners) {
    CBitmapBtn second;
    ASSERT_TRUE(second.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{10, 50, 110, 80}, &parent, 0));
    second.SetImages(normal.get(), hover.get(), pressed.get(), disabled.get());
    SkinImage other = SolidImage(kFill);
    button.SetImages(other.get(), other.get(), other.get(), other.get());
    button.Invalidate();
    second.Invalidate();
    EXPECT_EQ(kFill, Shown());
    EXPECT_EQ(kNormal, PixelOf(second.m_hWnd, 50, 15)) << "the image the first button let go of is still whole";
}

// The ring is read from the painted pixels: the accent colour along the edges of the focused
// button while the window shows focus cues, the image everywhere else.
TEST_F(BitmapBtnTest, TheFocusedButtonShowsAnAccentRingOnceTheKeyboardIsUsedAndNotAfterAClick) {
    CBitmapBtn other;
    ASSERT_TRUE(CreateSkinButton(other, parent, RECT{10, 60, 110, 90}, {normal.get(), hover.get(), pressed.get(), disabled.get()}));
    ::SetFocus(button.m_hWnd);
    SetFocusCues(parent.m_hWnd, false);
    EXPECT_EQ(kNormal, Shown(0, 0)) << "focus cues hidden: no ring";

    MSG key{button.m_hWnd, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    NoteInputForFocusCues(key);
    EXPECT_TRUE(FocusCuesShown(button.m_hWnd));
    struct Spot {
        int x;
        int y;
        COLORREF focused;
    };
    const Spot spots[] = {
        {0, 0, kFocusRingColor},  {1, 1, kFocusRingColor},  {99, 29, kFocusRingColor}, {50, 0, kFocusRingColor},
        {0, 15, kFocusRingColor}, {98, 15, kFocusRingColor}, {2, 2, kNormal},          {50, 15, kNormal},
    };
    for (const Spot& spot : spots) {
        EXPECT_EQ(spot.focused, Shown(spot.x, spot.y)) << "focused at " << spot.x << ", " << spot.y;
        EXPECT_EQ(kNormal, PixelOf(other.m_hWnd, spot.x, spot.y)) << "unfocused at " << spot.x << ", " << spot.y;
    }

    ::SetFocus(other.m_hWnd);
    EXPECT_EQ(kNormal, Shown(0, 0)) << "the ring goes with the focus";
    EXPECT_EQ(kFocusRingColor, PixelOf(other.m_hWnd, 0, 0));

    MSG press{other.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5), 0, {0, 0}};
    NoteInputForFocusCues(press);
    EXPECT_FALSE(FocusCuesShown(other.m_hWnd));
    EXPECT_EQ(kNormal, PixelOf(other.m_hWnd, 0, 0)) << "a mouse press hides the ring";
}

// A button without a picture or a fill of its own (a click area) shows its parent's surface: its
// ring is drawn over that surface, and the surface comes back when the focus leaves.
TEST_F(BitmapBtnTest, AButtonWithoutAPictureTakesItsRingAwayWithTheFocus) {
    class PaintedParent : public RecordingWindow {
    public:
        PaintedParent() : RecordingWindow(RECT{40, 300, 340, 400}, {}) {}
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message != WM_ERASEBKGND) return RecordingWindow::WindowProc(message, wParam, lParam);
            RECT client = GetClientRect();
            GdiObject<HBRUSH> brush(::CreateSolidBrush(kFill));
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, brush.Get());
            return TRUE;
        }
    } surface;
    CBitmapBtn area, other;
    ASSERT_TRUE(CreateSkinButton(area, surface, RECT{10, 10, 110, 40}, {}));
    ASSERT_TRUE(CreateSkinButton(other, surface, RECT{10, 50, 110, 80}, {normal.get(), hover.get(), pressed.get(), disabled.get()}));
    ::SetActiveWindow(surface.m_hWnd);
    ::SetFocus(area.m_hWnd);
    MSG key{area.m_hWnd, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    NoteInputForFocusCues(key);
    ASSERT_EQ(kFocusRingColor, PixelOf(area.m_hWnd, 0, 0)) << "the focused area shows its ring";
    EXPECT_EQ(kFill, PixelOf(area.m_hWnd, 50, 15));

    ::SetFocus(other.m_hWnd);
    EXPECT_EQ(kFocusRingColor, PixelOf(other.m_hWnd, 0, 0));
    for (const POINT spot : {POINT{0, 0}, POINT{99, 29}, POINT{50, 0}, POINT{0, 15}}) {
        EXPECT_EQ(kFill, PixelOf(area.m_hWnd, spot.x, spot.y)) << "no ring left at " << spot.x << ", " << spot.y;
    }
}

// Space as the button class sees it: pressed at the key press, clicked at the release.
TEST_F(BitmapBtnTest, SpaceClicksAsTheMouseDoesInBothModes) {
    int clicks = 0;
    button.onClick = [&clicks] { ++clicks; };
    ::SetFocus(button.m_hWnd);
    auto space = [this] {
        button.SendMessage(WM_KEYDOWN, VK_SPACE, 0x00390001);
        button.SendMessage(WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001));
        PumpMessages();
    };
    space();
    EXPECT_EQ(1u, Clicks());
    EXPECT_EQ(1, clicks) << "the click's own callback, through the reflected BN_CLICKED";
    EXPECT_FALSE(button.checked);

    button.checkBoxMode = 1;
    space();
    EXPECT_TRUE(button.checked);
    space();
    EXPECT_FALSE(button.checked);
    auto commands = parent.Received(WM_COMMAND);
    ASSERT_EQ(3u, commands.size());
    EXPECT_EQ(static_cast<WPARAM>(MAKEWPARAM(0, BN_CLICKED)), commands[2].wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(button.m_hWnd), commands[2].lParam);
    EXPECT_EQ(3, clicks);

    button.SendMessage(WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001));
    EXPECT_EQ(3u, parent.Received(WM_COMMAND).size()) << "a release without its press clicks nothing";
}

TEST_F(BitmapBtnTest, KeysGoToTheKeyCallbackFirst) {
    std::vector<UINT> keys;
    button.onKeyDown = [&keys](UINT key) {
        keys.push_back(key);
        return key == VK_SPACE;
    };
    button.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    button.SendMessage(WM_KEYDOWN, VK_SPACE, 0x00390001);
    button.SendMessage(WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001));
    PumpMessages();
    EXPECT_EQ((std::vector<UINT>{VK_DOWN, VK_SPACE}), keys);
    EXPECT_EQ(0u, Clicks()) << "a key the callback took is not the button's";
}
}  // namespace
