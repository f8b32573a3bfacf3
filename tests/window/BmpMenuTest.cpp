#include "framework/Folders.h"
#include "skin/CBmpMenu.h"
#include "window/SkinTestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int kItemWidth = 150;  // menuitem-n.png
constexpr int kItemHeight = 24;

struct MenuEntry {
    const wchar_t* text;
    int id;
    std::vector<int> subIds;
};

// Left 1, Right 2, Basic 8 with three sub-items, Middle 3, DPI 13 with two.
const std::vector<MenuEntry> kFunctionMenu = {
    {L"Left", 1, {}}, {L"Right", 2, {}}, {L"Basic", 8, {17, 18, 19}}, {L"Middle", 3, {}}, {L"DPI", 13, {47, 48}},
};

class BmpMenuTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        InitFolders();
    }

    static std::wstring Background(const wchar_t* name) { return SkinFolderPath(SkinFolder::Background) + name; }

    std::unique_ptr<CBmpMenu> Open(POINT at, const std::vector<MenuEntry>& entries, int currentItem = -1,
                                   int currentSubItem = -1) {
        auto menu = std::make_unique<CBmpMenu>();
        menu->currentItem = currentItem;
        menu->currentSubItem = currentSubItem;
        menu->SetItemImages(Background(L"menuitem-n.png"), Background(L"menuitem-d.png"), Background(L"menuitem-d2.png"),
                            Background(L"menuitem-n2.png"));
        menu->SetSubMenuImages(Background(L"menuitem-n.png"), Background(L"menuitem-d.png"),
                               Background(L"menuitem-d.png"), Background(L"menuitem-n.png"));
        menu->menuX = at.x;
        menu->menuY = at.y;
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_TRUE(menu->AddItem(entries[i].text, entries[i].id));
            for (int subId : entries[i].subIds) {
                EXPECT_TRUE(menu->AddSubItem(i, (L"sub " + std::to_wstring(subId)).c_str(), subId));
            }
        }
        EXPECT_TRUE(menu->Create(&owner));
        menu->ShowWindow(SW_SHOW);
        PumpMessages();
        return menu;
    }

    // The item button at row `index` of a menu or sub-menu window.
    static HWND ItemButton(HWND column, int index, int firstTop = 0) {
        HWND button = ::ChildWindowFromPoint(column, POINT{5, firstTop + index * kItemHeight + 5});
        return button != column ? button : nullptr;
    }

    static void ClickButton(HWND button) {
        ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
        ::SendMessageW(button, WM_LBUTTONUP, 0, Point(5, 5));
        PumpMessages();
    }

    void HoverButton(HWND button) {
        ::SendMessageW(button, WM_MOUSEMOVE, 0, Point(5, 5));
        PumpMessages();
    }

    // The visible pop-ups owned by the menu: its open sub-menu, if any.
    static std::vector<HWND> SubMenusOf(HWND menu) {
        struct Search {
            HWND menu;
            std::vector<HWND> found;
        } search{menu, {}};
        ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            if (::GetWindow(window, GW_OWNER) == s->menu && ::IsWindowVisible(window)) s->found.push_back(window);
            return TRUE;
        }, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    std::vector<RecordedMessage> Picks() const { return owner.Received(WM_MENU_PICK); }

    RecordingWindow owner{RECT{0, 0, 400, 300}, {WM_MENU_PICK}};
};

TEST_F(BmpMenuTest, WindowIsAColumnOfItemsAtItsPosition) {
    auto menu = Open(POINT{100, 60}, kFunctionMenu);
    const RECT rect = menu->GetWindowRect();
    EXPECT_EQ((std::vector<LONG>{100, 60, 100 + kItemWidth + 20, 60 + 5 * kItemHeight}),
              (std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}));
    for (int i = 0; i < 5; ++i) {
        auto* button = dynamic_cast<CBitmapBtn*>(CWnd::FromHandle(ItemButton(menu->m_hWnd, i)));
        ASSERT_NE(nullptr, button) << i;
        EXPECT_EQ(kFunctionMenu[static_cast<size_t>(i)].text, button->GetText());
        EXPECT_EQ(kItemWidth + 20, button->GetClientRect().right);
        EXPECT_EQ(RGB(200, 200, 200), button->hoverTextColor);
        EXPECT_EQ(RGB(0x3C, 0x3C, 0x3C), button->backgroundColor);
    }
}

TEST_F(BmpMenuTest, PickingAnItemWithoutSubItemsPostsItsIndexAndId) {
    auto menu = Open(POINT{100, 60}, kFunctionMenu);
    ClickButton(ItemButton(menu->m_hWnd, 3));
    auto picks = Picks();
    ASSERT_EQ(1u, picks.size());
    EXPECT_EQ(static_cast<WPARAM>(3 << 16), picks[0].wParam);
    EXPECT_EQ(static_cast<LPARAM>(3 << 16), picks[0].lParam);
}

TEST_F(BmpMenuTest, ClickingAnItemWithSubItemsPostsNothing) {
    auto menu = Open(POINT{100, 60}, kFunctionMenu);
    ClickButton(ItemButton(menu->m_hWnd, 2));
    EXPECT_TRUE(Picks().empty());
}

TEST_F(BmpMenuTest, HoveringOpensOneSubMenuBesideTheItemAndOtherItemsCloseIt) {
    auto menu = Open(POINT{100, 60}, kFunctionMenu);
    HoverButton(ItemButton(menu->m_hWnd, 2));
    auto subMenus = SubMenusOf(menu->m_hWnd);
    ASSERT_EQ(1u, subMenus.size());
    RECT rect{};
    ::GetWindowRect(subMenus[0], &rect);
    EXPECT_EQ((std::vector<LONG>{270, 60 + 2 * kItemHeight, 270 + kItemWidth + 20, 60 + 2 * kItemHeight + 3 * kItemHeight + 1}),
              (std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}));

    HoverButton(ItemButton(menu->m_hWnd, 2));
    EXPECT_EQ(subMenus, SubMenusOf(menu->m_hWnd)) << "hovering the same item keeps its sub-menu";

    HoverButton(ItemButton(menu->m_hWnd, 4));
    auto other = SubMenusOf(menu->m_hWnd);
    ASSERT_EQ(1u, other.size());
    EXPECT_FALSE(::IsWindow(subMenus[0])) << "one sub-menu at a time";

    HoverButton(ItemButton(menu->m_hWnd, 0));
    EXPECT_TRUE(SubMenusOf(menu->m_hWnd).empty());
}

TEST_F(BmpMenuTest, PickingSubItemKOfItemIPacksBothIndexesAndBothIds) {
    auto menu = Open(POINT{100, 60}, kFunctionMenu);
    HoverButton(ItemButton(menu->m_hWnd, 4));
    auto subMenus = SubMenusOf(menu->m_hWnd);
    ASSERT_EQ(1u, subMenus.size());
    ClickButton(ItemButton(subMenus[0], 1, 1));
    auto picks = Picks();
    ASSERT_EQ(1u, picks.size());
    EXPECT_EQ(static_cast<WPARAM>((4 << 16) | 1), picks[0].wParam);
    EXPECT_EQ(static_cast<LPARAM>((13 << 16) | 48), picks[0].lParam);
}

TEST_F(BmpMenuTest, SubMenuThatWouldCrossTheRightEdgeOpensToTheLeft) {
    const int screenWidth = ::GetSystemMetrics(SM_CXFULLSCREEN);
    const int menuX = screenWidth - (kItemWidth + 20) - 10;
    auto menu = Open(POINT{menuX, 40}, kFunctionMenu);
    HoverButton(ItemButton(menu->m_hWnd, 2));
    auto subMenus = SubMenusOf(menu->m_hWnd);
    ASSERT_EQ(1u, subMenus.size());
    RECT rect{};
    ::GetWindowRect(subMenus[0], &rect);
    EXPECT_EQ(menuX, rect.right) << "beside the menu, on its left";
    EXPECT_EQ(40 + 2 * kItemHeight, rect.top);
}

TEST_F(BmpMenuTest, MenuOfNoItemsIsZeroHighAndPostsNothing) {
    auto menu = Open(POINT{100, 60}, {});
    const RECT rect = menu->GetWindowRect();
    EXPECT_EQ(0, rect.bottom - rect.top);
    EXPECT_EQ(nullptr, ::GetWindow(menu->m_hWnd, GW_CHILD));
    PumpMessages();
    EXPECT_TRUE(Picks().empty());
}

TEST_F(BmpMenuTest, ItemsAt9To12_14And16WearTheAlternativeImages) {
    std::vector<MenuEntry> entries;
    for (int i = 0; i < 18; ++i) entries.push_back(MenuEntry{L"item", i, {}});
    auto menu = Open(POINT{0, 0}, entries);
    auto imageOf = [&menu](int i) {
        return dynamic_cast<CBitmapBtn*>(CWnd::FromHandle(ItemButton(menu->m_hWnd, i)))->normalImage;
    };
    std::wstring marks;
    for (int i = 0; i < 18; ++i) marks += imageOf(i) == imageOf(0) ? L'-' : L'A';
    EXPECT_EQ(L"---------AAAA-A-A-", marks);
}

TEST_F(BmpMenuTest, SubMenuPickOfAnUnknownItemIsIgnored) {
    auto menu = Open(POINT{100, 60}, kFunctionMenu);
    menu->PostMessage(WM_SUBMENU_PICK, MAKEWPARAM(0, 9), 5);
    PumpMessages();
    EXPECT_TRUE(Picks().empty());
}

TEST_F(BmpMenuTest, ItemListHoldsAtMost20ItemsAndSubItemsNeedAnItem) {
    CBmpMenu menu;
    EXPECT_FALSE(menu.AddSubItem(0, L"orphan", 1));
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(menu.AddItem(L"item", i));
    EXPECT_FALSE(menu.AddItem(L"one too many", 20));
    for (int k = 0; k < 20; ++k) EXPECT_TRUE(menu.AddSubItem(19, L"sub", k));
    EXPECT_FALSE(menu.AddSubItem(19, L"one too many", 20));
    EXPECT_FALSE(menu.AddSubItem(20, L"no such item", 1));
}

TEST_F(BmpMenuTest, DestroyingTheMenuEmptiesTheClassWideList) {
    auto menu = Open(POINT{100, 60}, kFunctionMenu);
    HoverButton(ItemButton(menu->m_hWnd, 2));
    EXPECT_EQ(5u, CBmpMenu::menuItems.size());
    menu->DestroyWindow();
    EXPECT_TRUE(CBmpMenu::menuItems.empty());
    menu.reset();

    {
        CBmpMenu neverShown;
        neverShown.AddItem(L"built, never shown", 1);
    }
    EXPECT_TRUE(CBmpMenu::menuItems.empty()) << "the next menu starts empty";
}

// Keys as the focused item button gets them.
void PressKey(WPARAM key) {
    ::SendMessageW(::GetFocus(), WM_KEYDOWN, key, 0);
    PumpMessages();
}

TEST_F(BmpMenuTest, KeysMoveThroughTheItemsAndOpenAndCloseASubMenu) {
    HWND before = ::CreateWindowExW(0, L"BUTTON", L"function", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 80, 20,
                                    owner.m_hWnd, nullptr, nullptr, nullptr);
    ::SetFocus(before);
    auto menu = Open(POINT{100, 60}, kFunctionMenu, 2, 1);
    EXPECT_EQ(ItemButton(menu->m_hWnd, 2), ::GetFocus()) << "the current item has the focus";

    PressKey(VK_DOWN);
    EXPECT_EQ(ItemButton(menu->m_hWnd, 3), ::GetFocus());
    PressKey(VK_UP);
    PressKey(VK_UP);
    PressKey(VK_UP);
    EXPECT_EQ(ItemButton(menu->m_hWnd, 0), ::GetFocus());
    PressKey(VK_UP);
    EXPECT_EQ(ItemButton(menu->m_hWnd, 4), ::GetFocus()) << "past the first item: the last";
    PressKey(VK_RIGHT);
    auto subMenus = SubMenusOf(menu->m_hWnd);
    ASSERT_EQ(1u, subMenus.size());
    EXPECT_EQ(ItemButton(subMenus[0], 0, 1), ::GetFocus()) << "not the current item: its first sub-item";
    PressKey(VK_LEFT);
    EXPECT_TRUE(SubMenusOf(menu->m_hWnd).empty());
    EXPECT_EQ(ItemButton(menu->m_hWnd, 4), ::GetFocus()) << "Left goes back to the item";

    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    subMenus = SubMenusOf(menu->m_hWnd);
    ASSERT_EQ(1u, subMenus.size());
    EXPECT_EQ(ItemButton(subMenus[0], 1, 1), ::GetFocus()) << "the current sub-item of the current item";
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(SubMenusOf(menu->m_hWnd).empty());
    EXPECT_EQ(ItemButton(menu->m_hWnd, 2), ::GetFocus());
    EXPECT_TRUE(Picks().empty()) << "moving picks nothing";

    PressKey(VK_ESCAPE);
    EXPECT_FALSE(menu->IsWindowVisible()) << "Escape closes the menu";
    EXPECT_EQ(before, ::GetFocus()) << "and gives the focus back";
    EXPECT_TRUE(Picks().empty());
}

TEST_F(BmpMenuTest, EnterPicksAnItemOrASubItemAsAClickDoes) {
    auto menu = Open(POINT{100, 60}, kFunctionMenu);
    EXPECT_EQ(ItemButton(menu->m_hWnd, 0), ::GetFocus()) << "no current item: the first";
    PressKey(VK_DOWN);
    PressKey(VK_RIGHT);
    EXPECT_TRUE(SubMenusOf(menu->m_hWnd).empty()) << "an item without sub-items opens nothing";
    PressKey(VK_RETURN);
    auto picks = Picks();
    ASSERT_EQ(1u, picks.size());
    EXPECT_EQ(static_cast<WPARAM>(1 << 16), picks[0].wParam);
    EXPECT_EQ(static_cast<LPARAM>(2 << 16), picks[0].lParam);

    owner.messages.clear();
    PressKey(VK_UP);
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    picks = Picks();
    ASSERT_EQ(1u, picks.size());
    EXPECT_EQ(static_cast<WPARAM>((4 << 16) | 1), picks[0].wParam);
    EXPECT_EQ(static_cast<LPARAM>((13 << 16) | 48), picks[0].lParam);
}
}  // namespace
