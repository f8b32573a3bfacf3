// Every skinned control in each of its states, drawn from the tool's artwork, in a skinned window
// shaped like the macro editor, with a popup menu and an open sub-menu beside it. The test checks
// that the pictures reach the screen; with ORVANE_GALLERY_HOLD_SECONDS set it then keeps the
// gallery up that long, for a screenshot of the display (import -window root).
#include "framework/Folders.h"
#include "res/resource.h"
#include "skin/CBmpMenu.h"
#include "skin/CClrEdit.h"
#include "skin/CPngHSliderBar.h"
#include "skin/CPngSliderBar.h"
#include "skin/CSkinDialog.h"
#include "skin/CStaticTrans.h"
#include "window/SkinTestSupport.h"

#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <string>

namespace {
enum class Shown { Normal, Hover, Pressed, Checked, Disabled, CheckedDisabled };

struct ButtonSample {
    RECT rect;
    SkinFolder folder;
    const wchar_t* images[4];  // normal, hover, pressed, disabled
    const wchar_t* caption;
    int textMode;
    BOOL checkBoxMode;
    BOOL squareImage;
    COLORREF fill;
    Shown shown;
};

const wchar_t* const kTextButton[] = {L"ok-1.png", L"ok-3.png", L"ok-2.png", L"ok-1.png"};
const wchar_t* const kTab[] = {L"profile_normal2.png", L"profile_down.png", L"profile_down.png", L"profile_normal2.png"};
const wchar_t* const kCheckBox[] = {L"checkbox1-1.png", L"checkbox1-2.png", L"checkbox1-2.png", L"checkbox1-1.png"};
const wchar_t* const kMinimize[] = {L"min-1.png", L"min-3.png", L"min-2.png", L"min-1.png"};
const wchar_t* const kClose[] = {L"close-1.png", L"close-3.png", L"close-2.png", L"close-1.png"};
const wchar_t* const kLink[] = {L"link-1.png", L"link-2.png", L"link-2.png", L"link-1.png"};
const wchar_t* const kRecord[] = {L"iconstart1.png", L"iconstart2.png", L"iconstart2.png", L"iconstart2.png"};
const wchar_t* const kStop[] = {L"iconstop1.png", L"iconstop2.png", L"iconstop2.png", L"iconstop1.png"};
const wchar_t* const kMarker[] = {L"circle.png", L"circle.png", L"circle.png", L"circle.png"};

constexpr COLORREF kPanel = RGB(0x25, 0x25, 0x25);
constexpr COLORREF kTitleRow = RGB(0x1F, 0x1F, 0x1F);
constexpr COLORREF kLinkFill = RGB(0x66, 0x65, 0x64);

#define IMAGES(set) {set[0], set[1], set[2], set[3]}
const ButtonSample kButtons[] = {
    {{30, 30, 131, 56}, SkinFolder::Buttons, IMAGES(kTextButton), L"Normal", kTextCentred, 0, 0, kPanel, Shown::Normal},
    {{140, 30, 241, 56}, SkinFolder::Buttons, IMAGES(kTextButton), L"Hover", kTextCentred, 0, 0, kPanel, Shown::Hover},
    {{250, 30, 351, 56}, SkinFolder::Buttons, IMAGES(kTextButton), L"Pressed", kTextCentred, 0, 0, kPanel, Shown::Pressed},
    {{360, 30, 461, 56}, SkinFolder::Buttons, IMAGES(kTextButton), L"Latched", kTextCentred, 0, 0, kPanel, Shown::Checked},
    {{470, 30, 571, 56}, SkinFolder::Buttons, IMAGES(kTextButton), L"Disabled", kTextCentred, 0, 0, kPanel, Shown::Disabled},
    {{30, 70, 150, 95}, SkinFolder::Buttons, IMAGES(kTab), L"Profile 1", kTextCentred, 1, 0, kTitleRow, Shown::Normal},
    {{160, 70, 280, 95}, SkinFolder::Buttons, IMAGES(kTab), L"Profile 2", kTextCentred, 1, 0, kTitleRow, Shown::Checked},
    {{290, 70, 410, 95}, SkinFolder::Buttons, IMAGES(kTab), L"Profile 3", kTextCentred, 1, 0, kTitleRow, Shown::Hover},
    {{420, 70, 620, 96}, SkinFolder::Buttons, IMAGES(kTab), L"Breathing", kTextCentred, 1, 0, RGB(0, 0, 0), Shown::Checked},
    {{30, 110, 120, 126}, SkinFolder::Controls, IMAGES(kCheckBox), L"Off", kTextCentred, 1, 1, kPanel, Shown::Normal},
    {{130, 110, 220, 126}, SkinFolder::Controls, IMAGES(kCheckBox), L"On", kTextCentred, 1, 1, kPanel, Shown::Checked},
    {{230, 110, 320, 126}, SkinFolder::Controls, IMAGES(kCheckBox), L"Hover", kTextCentred, 1, 1, kPanel, Shown::Hover},
    {{330, 110, 420, 126}, SkinFolder::Controls, IMAGES(kCheckBox), L"Disabled", kTextCentred, 1, 1, kPanel, Shown::Disabled},
    {{430, 110, 520, 126}, SkinFolder::Controls, IMAGES(kCheckBox), L"Locked", kTextCentred, 1, 1, kPanel, Shown::CheckedDisabled},
    {{530, 113, 541, 124}, SkinFolder::Controls, IMAGES(kCheckBox), L"", kTextCentred, 1, 0, kPanel, Shown::Checked},
    {{30, 145, 50, 165}, SkinFolder::Buttons, IMAGES(kMinimize), L"", kTextCentred, 0, 0, kTitleRow, Shown::Normal},
    {{55, 145, 75, 165}, SkinFolder::Buttons, IMAGES(kMinimize), L"", kTextCentred, 0, 0, kTitleRow, Shown::Hover},
    {{80, 145, 100, 165}, SkinFolder::Buttons, IMAGES(kMinimize), L"", kTextCentred, 0, 0, kTitleRow, Shown::Pressed},
    {{110, 145, 130, 165}, SkinFolder::Buttons, IMAGES(kClose), L"", kTextCentred, 0, 0, kTitleRow, Shown::Normal},
    {{135, 145, 155, 165}, SkinFolder::Buttons, IMAGES(kClose), L"", kTextCentred, 0, 0, kTitleRow, Shown::Hover},
    {{160, 145, 180, 165}, SkinFolder::Buttons, IMAGES(kClose), L"", kTextCentred, 0, 0, kTitleRow, Shown::Pressed},
    {{195, 145, 215, 165}, SkinFolder::Controls, IMAGES(kLink), L"", kTextCentred, 1, 0, kLinkFill, Shown::Normal},
    {{220, 145, 240, 165}, SkinFolder::Controls, IMAGES(kLink), L"", kTextCentred, 1, 0, kLinkFill, Shown::Checked},
    {{255, 144, 285, 167}, SkinFolder::Buttons, IMAGES(kRecord), L"", kTextCentred, 0, 0, kPanel, Shown::Normal},
    {{290, 144, 320, 167}, SkinFolder::Buttons, IMAGES(kRecord), L"", kTextCentred, 0, 0, kPanel, Shown::Hover},
    {{325, 144, 355, 167}, SkinFolder::Buttons, IMAGES(kStop), L"", kTextCentred, 0, 0, kPanel, Shown::Normal},
    {{360, 144, 390, 167}, SkinFolder::Buttons, IMAGES(kStop), L"", kTextCentred, 0, 0, kPanel, Shown::Disabled},
    {{405, 145, 424, 165}, SkinFolder::Background, IMAGES(kMarker), L"1", kTextCentred, 0, 0, kPanel, Shown::Disabled},
    {{430, 145, 449, 165}, SkinFolder::Background, IMAGES(kMarker), L"4", kTextCentred, 0, 0, kPanel, Shown::Hover},
    {{30, 185, 56, 295}, SkinFolder::Buttons, IMAGES(kTextButton), L"Upwards", kTextRotated90, 0, 0, kPanel, Shown::Normal},
    {{65, 185, 91, 295}, SkinFolder::Buttons, IMAGES(kTextButton), L"Downwards", kTextRotated270, 0, 0, kPanel, Shown::Normal},
    {{100, 185, 250, 211}, SkinFolder::Buttons, IMAGES(kTextButton), L"Left aligned", kTextLeft, 0, 0, kPanel, Shown::Normal},
};
#undef IMAGES

enum class Axis { Horizontal, Vertical };

struct SliderSample {
    Axis axis;
    RECT rect;
    const wchar_t* thumb;
    const wchar_t* disabledThumb;
    const wchar_t* track;
    int minValue;
    int maxValue;
    int value;
    bool enabled;
};

const SliderSample kSliders[] = {
    {Axis::Horizontal, {100, 320, 344, 338}, L"y.png", L"y-d.png", L"trackbar-back-b.png", 1, 4, 1, true},
    {Axis::Horizontal, {100, 350, 344, 368}, L"y.png", L"y-d.png", L"trackbar-back-b.png", 1, 4, 3, true},
    {Axis::Horizontal, {100, 380, 344, 398}, L"y.png", L"y-d.png", L"trackbar-back-b.png", 1, 20, 20, true},
    {Axis::Horizontal, {100, 410, 344, 428}, L"y.png", L"y-d.png", L"trackbar-back-b.png", 1, 20, 9, false},
    {Axis::Horizontal, {100, 440, 355, 458}, L"y.png", L"", L"trackbar-back-b.png", 1, 256, 129, true},
    {Axis::Vertical, {400, 230, 424, 445}, L"x2.png", L"x2-d.png", L"dpi-indicator-x.png", 2, 80, 2, true},
    {Axis::Vertical, {424, 230, 448, 445}, L"x3.png", L"x3-d.png", L"dpi-indicator-y.png", 2, 80, 41, true},
    {Axis::Vertical, {470, 230, 518, 445}, L"x1.png", L"x1-d.png", L"dpi-indicator-xy.png", 2, 80, 60, true},
    {Axis::Vertical, {540, 230, 564, 445}, L"x2.png", L"x2-d.png", L"dpi-indicator-x.png", 2, 80, 80, false},
};

struct LabelSample {
    RECT rect;
    const wchar_t* text;
    COLORREF textColor;
    int backColor;
    int height;
    int weight;
    BYTE italic;
    bool centred;
};

const LabelSample kLabels[] = {
    {{100, 300, 344, 316}, L"Pointer acceleration : 1", RGB(255, 255, 255), CStaticTrans::kTransparent, 15, 400, 0, false},
    {{30, 322, 95, 338}, L"1", RGB(255, 255, 255), CStaticTrans::kTransparent, 15, 400, 0, false},
    {{30, 470, 230, 490}, L"Device connected", RGB(0, 255, 0), CStaticTrans::kTransparent, 15, 400, 0, true},
    {{30, 495, 230, 515}, L"Device not found", RGB(255, 0, 0), CStaticTrans::kTransparent, 15, 400, 0, true},
    {{250, 470, 450, 490}, L"Italic, 13 high", RGB(200, 200, 200), CStaticTrans::kTransparent, 13, 700, 1, false},
    {{250, 495, 450, 515}, L"On a solid black box", RGB(255, 255, 255), 0x000000, 15, 400, 0, false},
    {{600, 300, 640, 316}, L"R:", RGB(255, 255, 255), CStaticTrans::kTransparent, 13, 400, 0, false},
    {{600, 328, 640, 344}, L"G:", RGB(255, 255, 255), CStaticTrans::kTransparent, 13, 400, 0, false},
    {{600, 356, 640, 372}, L"B:", RGB(255, 255, 255), CStaticTrans::kTransparent, 13, 400, 0, false},
    {{400, 450, 448, 463}, L"X    Y", RGB(255, 255, 255), CStaticTrans::kTransparent, 13, 400, 0, false},
};

struct FieldSample {
    RECT rect;
    const wchar_t* text;
};

const FieldSample kFields[] = {
    {{640, 298, 670, 316}, L"255"},
    {{640, 326, 670, 344}, L"128"},
    {{640, 354, 670, 372}, L"0"},
};

struct MenuSample {
    const wchar_t* text;
    int id;
    int subItems;
};

// The function menu's shape: sub-menus at positions 9, 10, 11, 12, 14 and 16.
const MenuSample kMenu[] = {
    {L"Left click", 1, 0},      {L"Right click", 2, 0}, {L"Middle click", 3, 0}, {L"Forward", 4, 0},
    {L"Back", 5, 0},            {L"Scroll up", 52, 0},  {L"Scroll down", 53, 0}, {L"Single key", 6, 0},
    {L"Key combination", 7, 0}, {L"Basic", 8, 5},       {L"Advanced", 9, 3},     {L"Media", 10, 3},
    {L"Macro", 11, 3},          {L"Fire key", 12, 0},   {L"DPI", 13, 3},         {L"Sniper", 14, 0},
    {L"Report rate", 15, 3},    {L"Profile", 54, 0},    {L"Disable", 16, 0},
};
constexpr int kOpenItem = 9;

class Gallery : public CSkinDialog {
public:
    Gallery() : CSkinDialog(IDD_EDITOR_DIALOG, nullptr, SkinPaintDC::Mode::Buffered) {}

    std::deque<CBitmapBtn> buttons;
    std::deque<std::unique_ptr<CSliderBar>> sliders;
    std::deque<CStaticTrans> labels;
    std::deque<CClrEdit> fields;

    Gdiplus::Bitmap* Image(SkinFolder folder, const wchar_t* name) {
        SkinImage& image = images[SkinFolderPath(folder) + name];
        if (!image) image = LoadSkinImage(folder, name);
        return image.get();
    }

protected:
    void CreateSkinLayout() override {
        background = LoadSkinImage(SkinFolder::Background, L"dlg.png");
        MoveWindow(0, 0, 757, 582, TRUE);
        for (const ButtonSample& sample : kButtons) AddButton(sample);
        for (const SliderSample& sample : kSliders) AddSlider(sample);
        for (const LabelSample& sample : kLabels) AddLabel(sample);
        for (const FieldSample& sample : kFields) AddField(sample);
    }
    const wchar_t* RegionBitmapName() const override { return L"cfgMainback3.bmp"; }
    Gdiplus::Image* BackgroundImage() const override { return background.get(); }
    void PaintSkin(Gdiplus::Graphics& graphics, HDC) override {
        DrawSkinImage(graphics, Image(SkinFolder::Background, L"warn.png"), Gdiplus::RectF(620, 420, 96, 90));
    }
    void ReleaseSkin() override { images.clear(); }

private:
    void AddButton(const ButtonSample& sample) {
        buttons.emplace_back();
        CBitmapBtn& button = buttons.back();
        button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, sample.rect, this, 0);
        button.SetImages(Image(sample.folder, sample.images[0]), Image(sample.folder, sample.images[1]),
                         Image(sample.folder, sample.images[2]), Image(sample.folder, sample.images[3]));
        button.checkBoxMode = sample.checkBoxMode;
        button.squareImage = sample.squareImage;
        button.fillBackground = 1;
        button.backgroundColor = sample.fill;
        button.textVisible = 1;
        button.hoverTextColor = RGB(0x5C, 0xD2, 0xFF);
        button.pressedTextColor = RGB(255, 255, 255);
        if (sample.squareImage) {
            button.fontHeight = 14;
            button.SetText(sample.caption, 9, sample.textMode);
        } else {
            button.useTextRect = sample.textMode == kTextCentred;
            button.textRect = RECT{0, 0, sample.rect.right - sample.rect.left, sample.rect.bottom - sample.rect.top};
            button.SetText(sample.caption, 4, sample.textMode);
        }
        button.checked = sample.shown == Shown::Checked || sample.shown == Shown::CheckedDisabled;
        button.checkedShowsPressed = sample.shown == Shown::CheckedDisabled;
        button.hover = sample.shown == Shown::Hover;
        if (sample.shown == Shown::Pressed) button.SendMessage(BM_SETSTATE, TRUE);
        if (sample.shown == Shown::Disabled || sample.shown == Shown::CheckedDisabled) button.EnableWindow(FALSE);
    }

    void AddSlider(const SliderSample& sample) {
        Gdiplus::Bitmap* thumb = Image(SkinFolder::Controls, sample.thumb);
        Gdiplus::Bitmap* disabled = *sample.disabledThumb ? Image(SkinFolder::Controls, sample.disabledThumb) : nullptr;
        if (sample.axis == Axis::Horizontal) {
            auto bar = std::make_unique<CPngHSliderBar>();
            bar->Create(thumb, disabled, sample.rect, this, 10004);
            sliders.push_back(std::move(bar));
        } else {
            auto bar = std::make_unique<CPngSliderBar>();
            bar->Create(thumb, disabled, sample.rect, this, 10008, TRUE);
            sliders.push_back(std::move(bar));
        }
        CSliderBar& bar = *sliders.back();
        bar.SetTrackImage(Image(SkinFolder::Controls, sample.track));
        bar.SetRange(sample.minValue, sample.maxValue);
        bar.SetPos(sample.value);
        bar.EnableWindow(sample.enabled);
    }

    void AddLabel(const LabelSample& sample) {
        labels.emplace_back();
        CStaticTrans& label = labels.back();
        label.textColor = sample.textColor;
        label.backColor = sample.backColor;
        label.labelFontHeight = sample.height;
        label.labelFontWeight = sample.weight;
        label.labelItalic = sample.italic;
        label.Create(sample.text, WS_CHILD | WS_VISIBLE | (sample.centred ? SS_CENTER : SS_LEFT), sample.rect, this);
    }

    void AddField(const FieldSample& sample) {
        fields.emplace_back();
        CClrEdit& field = fields.back();
        field.editBackColor = RGB(0x5E, 0x5E, 0x5E);
        field.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, sample.rect, this, 0x5001);
        field.SetFont(field.editFont.Get());
        field.SetLimitText(3);
        field.SetWindowText(sample.text);
    }

    SkinImage background;
    std::map<std::wstring, SkinImage> images;
};

class SkinGalleryTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        InitFolders();
        ASSERT_TRUE(gallery.Create());
        gallery.MoveWindow(0, 0, 757, 582, TRUE);
        gallery.ShowWindow(SW_SHOW);
        OpenMenu();
        PumpMessages();
    }

    void OpenMenu() {
        const std::wstring folder = SkinFolderPath(SkinFolder::Background);
        menu = std::make_unique<CBmpMenu>();
        menu->SetItemImages(folder + L"menuitem-n.png", folder + L"menuitem-d.png", folder + L"menuitem-d2.png",
                            folder + L"menuitem-n2.png");
        menu->SetSubMenuImages(folder + L"menuitem-n.png", folder + L"menuitem-d.png", folder + L"menuitem-d.png",
                               folder + L"menuitem-n.png");
        menu->menuX = 780;
        menu->menuY = 20;
        for (size_t i = 0; i < std::size(kMenu); ++i) {
            menu->AddItem(kMenu[i].text, kMenu[i].id);
            for (int k = 0; k < kMenu[i].subItems; ++k) {
                menu->AddSubItem(i, (std::wstring(kMenu[i].text) + L" " + std::to_wstring(k + 1)).c_str(), k);
            }
        }
        menu->Create(&gallery);
        menu->ShowWindow(SW_SHOW);
        // The mouse rests on an item with sub-items: it lights up and its sub-menu opens.
        ::SetCursorPos(menu->menuX + 60, menu->menuY + kOpenItem * 24 + 12);
        ::SendMessageW(OpenItem(), WM_MOUSEMOVE, 0, Point(60, 12));
    }

    HWND OpenItem() const { return ::ChildWindowFromPoint(menu->m_hWnd, POINT{60, kOpenItem * 24 + 12}); }

    // The artwork's own colour at (x, y) of an opaque picture.
    COLORREF Artwork(SkinFolder folder, const wchar_t* name, int x, int y) {
        Gdiplus::Color colour;
        gallery.Image(folder, name)->GetPixel(x, y, &colour);
        return RGB(colour.GetR(), colour.GetG(), colour.GetB());
    }

    static bool Near(COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) <= 2 && std::abs(GetGValue(a) - GetGValue(b)) <= 2 &&
               std::abs(GetBValue(a) - GetBValue(b)) <= 2;
    }

    Gallery gallery;
    std::unique_ptr<CBmpMenu> menu;
};

TEST_F(SkinGalleryTest, ControlsShowTheirArtwork) {
    struct Probe {
        size_t button;
        SkinFolder folder;
        const wchar_t* image;
        int x;
        int y;
    };
    // Pictures drawn at their own size show their own pixels.
    const Probe probes[] = {
        {9, SkinFolder::Controls, L"checkbox1-1.png", 8, 8},   {10, SkinFolder::Controls, L"checkbox1-2.png", 8, 8},
        {10, SkinFolder::Controls, L"checkbox1-2.png", 4, 9},  {11, SkinFolder::Controls, L"checkbox1-2.png", 8, 8},
        {22, SkinFolder::Controls, L"link-2.png", 10, 10},      {21, SkinFolder::Controls, L"link-1.png", 3, 10},
        {23, SkinFolder::Buttons, L"iconstart1.png", 15, 11},   {24, SkinFolder::Buttons, L"iconstart2.png", 1, 1},
        {26, SkinFolder::Buttons, L"iconstop1.png", 15, 11},
    };
    for (const Probe& probe : probes) {
        const COLORREF shown = PixelOf(gallery.buttons[probe.button].m_hWnd, probe.x, probe.y);
        const COLORREF artwork = Artwork(probe.folder, probe.image, probe.x, probe.y);
        EXPECT_TRUE(Near(artwork, shown)) << probe.button << ": " << std::hex << artwork << " vs " << shown;
    }
    CSliderThumb& thumb = *gallery.sliders[0]->thumb;
    EXPECT_TRUE(Near(Artwork(SkinFolder::Controls, L"y.png", 7, 9), PixelOf(thumb.m_hWnd, 7, 9)));
    CSliderThumb& disabledThumb = *gallery.sliders[3]->thumb;
    EXPECT_TRUE(Near(Artwork(SkinFolder::Controls, L"y-d.png", 7, 9), PixelOf(disabledThumb.m_hWnd, 7, 9)));
    CSliderThumb& dpiThumb = *gallery.sliders[5]->thumb;
    EXPECT_TRUE(Near(Artwork(SkinFolder::Controls, L"x2.png", 12, 6), PixelOf(dpiThumb.m_hWnd, 12, 6)));
}

TEST_F(SkinGalleryTest, EveryControlIsShownAndTheMenuHasItsSubMenuOpen) {
    for (CBitmapBtn& button : gallery.buttons) EXPECT_TRUE(button.IsWindowVisible());
    for (auto& slider : gallery.sliders) EXPECT_TRUE(slider->thumb->IsWindowVisible());
    EXPECT_EQ(std::size(kLabels), gallery.labels.size());
    EXPECT_EQ(L"128", gallery.fields[1].GetWindowText());
    EXPECT_TRUE(dynamic_cast<CBitmapBtn*>(CWnd::FromHandle(OpenItem()))->hover);

    const char* hold = std::getenv("ORVANE_GALLERY_HOLD_SECONDS");
    const DWORD until = ::GetTickCount() + 1000u * static_cast<DWORD>(hold ? std::atoi(hold) : 0);
    while (static_cast<LONG>(until - ::GetTickCount()) > 0) {
        PumpMessages();
        ::Sleep(50);
    }
}
}  // namespace
