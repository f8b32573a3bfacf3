#include "framework/Folders.h"
#include "macro/MacroEventEditor.h"
#include "skin/CListBoxEx.h"
#include "window/SkinTestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int kRowHeight = 23;
const RECT kListRect{10, 10, 283, 277};
const std::wstring kDelay120 = std::wstring(54, L' ') + L"120";

struct Row {
    std::wstring text;
    int datum;
};

class ListBoxExTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        InitFolders();
    }

    // A list as the macro editor configures it, attached to `owner`, with `rows`.
    std::unique_ptr<CListBoxEx> MakeList(const std::vector<Row>& rows, bool notifyOnClick, bool attach = true) {
        auto list = std::make_unique<CListBoxEx>();
        EXPECT_TRUE(list->Create(CListBoxEx::kStyle | WS_VSCROLL, kListRect, &owner, 0x1012, L"Events"));
        if (attach) list->AttachList(owner.m_hWnd);
        list->selectionFill = 1;
        list->noRightClick = 0;
        list->textColor = list->selectedTextColor = RGB(255, 255, 255);
        list->notifyOnClick = notifyOnClick ? 1 : 0;
        list->editOnDoubleClick = notifyOnClick ? 0 : 1;
        list->valueRowText = DelayRowText;
        list->SetListBackground();
        for (const Row& row : rows) list->AddRow(row.text, row.datum);
        PumpMessages();
        return list;
    }

    static LPARAM RowPoint(int row) { return Point(60, row * kRowHeight + 10); }

    static void LeftClick(const CListBoxEx& list, int row) {
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, RowPoint(row));
        list.SendMessage(WM_LBUTTONUP, 0, RowPoint(row));
        PumpMessages();
    }

    static void DoubleClick(const CListBoxEx& list, int row) {
        list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, RowPoint(row));
        list.SendMessage(WM_LBUTTONUP, 0, RowPoint(row));
        PumpMessages();
    }

    static HWND Editor(const CListBoxEx& list) { return ::FindWindowExW(list.m_hWnd, nullptr, L"EDIT", nullptr); }

    static void ReleaseKey(HWND window, WPARAM key) {
        ::SendMessageW(window, WM_KEYUP, key, 0xC0000001);
        PumpMessages();
    }

    RecordingWindow owner{RECT{0, 0, 400, 320}, {WM_LIST_CLICK, WM_LIST_RIGHTCLICK, WM_LIST_VALUE_EDITED}};
};

const std::vector<Row> kEvents = {
    {L"                   A", ITEM_PRESS}, {kDelay120, 0}, {L"                   A", ITEM_RELEASE}};

TEST_F(ListBoxExTest, DoubleClickOpensTheEditorOnPlainRowsOnly) {
    struct EditorCase {
        int row;
        bool opens;
    };
    for (const EditorCase& c : {EditorCase{0, false}, EditorCase{1, true}, EditorCase{2, false}}) {
        auto list = MakeList(kEvents, false);
        DoubleClick(*list, c.row);
        EXPECT_EQ(c.opens, Editor(*list) != nullptr) << "row " << c.row;
        EXPECT_EQ(c.row, list->GetCurSel());
        if (!c.opens) continue;
        wchar_t text[16] = L"";
        ::GetWindowTextW(Editor(*list), text, 16);
        EXPECT_STREQ(L"120", text);
        EXPECT_EQ(L"", list->GetText(1)) << "the row is empty while it is edited";
        EXPECT_EQ(1, list->editRow);
    }
}

TEST_F(ListBoxExTest, NoEditorWithoutTheOption) {
    auto list = MakeList(kEvents, true);
    DoubleClick(*list, 1);
    EXPECT_EQ(nullptr, Editor(*list));
    auto unattached = MakeList(kEvents, false, false);
    DoubleClick(*unattached, 1);
    EXPECT_EQ(nullptr, Editor(*unattached)) << "an edit needs someone to tell";
}

TEST_F(ListBoxExTest, ClosingTheEditor) {
    struct CloseCase {
        const char* how;
        const wchar_t* typed;
        WPARAM key;  // 0: a left click on row 0
        const wchar_t* shown;
        bool posted;
        int postedValue;
    };
    const CloseCase cases[] = {
        {"Enter", L"250", VK_RETURN, L"250", true, 250},
        {"Enter on an empty field", L"", VK_RETURN, L"0", true, 0},
        {"Escape restores", L"250", VK_ESCAPE, L"120", false, 0},
        {"a click in the list commits", L"77", 0, L"77", true, 77},
    };
    for (const CloseCase& c : cases) {
        owner.messages.clear();
        auto list = MakeList(kEvents, false);
        DoubleClick(*list, 1);
        HWND editor = Editor(*list);
        ASSERT_NE(nullptr, editor) << c.how;
        ::SetWindowTextW(editor, c.typed);
        if (c.key) {
            ReleaseKey(editor, c.key);
        } else {
            LeftClick(*list, 0);
        }
        EXPECT_FALSE(::IsWindow(editor)) << c.how;
        EXPECT_EQ(-1, list->editRow) << c.how;
        EXPECT_EQ(std::wstring(54, L' ') + c.shown, list->GetText(1)) << c.how;
        EXPECT_EQ(0, list->GetItemData(1)) << c.how;
        std::vector<RecordedMessage> edited = owner.Received(WM_LIST_VALUE_EDITED);
        ASSERT_EQ(c.posted ? 1u : 0u, edited.size()) << c.how;
        if (c.posted) {
            EXPECT_EQ(static_cast<WPARAM>(c.postedValue), edited[0].wParam) << c.how;
            EXPECT_EQ(1, edited[0].lParam) << c.how;
        }
    }
}

// The rows an open editor belongs to are gone once the owner rebuilds the list: the editor closes
// and nothing is posted, whatever is typed or pressed afterwards.
TEST_F(ListBoxExTest, RebuildingTheRowsClosesTheEditorWithoutStoring) {
    auto list = MakeList(kEvents, false);
    DoubleClick(*list, 1);
    HWND editor = Editor(*list);
    ASSERT_NE(nullptr, editor);
    ::SetWindowTextW(editor, L"999");
    list->ResetContent();
    for (const Row& row : kEvents) list->AddRow(row.text, row.datum);
    PumpMessages();
    EXPECT_FALSE(list->IsEditing());
    EXPECT_EQ(-1, list->editRow);
    if (HWND left = Editor(*list)) ReleaseKey(left, VK_RETURN);
    EXPECT_TRUE(owner.Received(WM_LIST_VALUE_EDITED).empty());
    EXPECT_EQ(kDelay120, list->GetText(1));
}

TEST_F(ListBoxExTest, EditorTakesFiveDigitsOnly) {
    auto list = MakeList(kEvents, false);
    DoubleClick(*list, 1);
    HWND editor = Editor(*list);
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(5, ::SendMessageW(editor, EM_GETLIMITTEXT, 0, 0));
    EXPECT_TRUE(::GetWindowLongW(editor, GWL_STYLE) & ES_NUMBER);
}

TEST_F(ListBoxExTest, Clicks) {
    struct ClickCase {
        const char* what;
        bool notifyOnClick;
        bool attach;
        int selectedBefore;
        int clicked;
        int selectedAfter;
        size_t posted;
        LPARAM datum;
    };
    const ClickCase cases[] = {
        {"reported with the datum", true, true, 0, 2, 2, 1, ITEM_RELEASE},
        {"to the parent without the datum", true, false, 0, 2, 2, 1, 0},
        {"not reported without the option", false, true, 0, 2, 2, 0, 0},
        {"no selected row: the row clicked is selected", true, true, -1, 2, 2, 1, ITEM_RELEASE},
    };
    for (const ClickCase& c : cases) {
        owner.messages.clear();
        auto list = MakeList(kEvents, c.notifyOnClick, c.attach);
        list->SetCurSel(c.selectedBefore);
        LeftClick(*list, c.clicked);
        EXPECT_EQ(c.selectedAfter, list->GetCurSel()) << c.what;
        std::vector<RecordedMessage> clicks = owner.Received(WM_LIST_CLICK);
        ASSERT_EQ(c.posted, clicks.size()) << c.what;
        if (c.posted) {
            EXPECT_EQ(static_cast<WPARAM>(c.clicked), clicks[0].wParam) << c.what;
            EXPECT_EQ(c.datum, clicks[0].lParam) << c.what;
        }
    }
}

TEST_F(ListBoxExTest, RightClick) {
    auto list = MakeList(kEvents, true);
    list->SendMessage(WM_RBUTTONUP, 0, RowPoint(0));
    PumpMessages();
    std::vector<RecordedMessage> clicks = owner.Received(WM_LIST_RIGHTCLICK);
    ASSERT_EQ(1u, clicks.size());
    EXPECT_EQ(0u, clicks[0].wParam);
    EXPECT_EQ(ITEM_PRESS, clicks[0].lParam);
    list->noRightClick = 1;
    list->SendMessage(WM_RBUTTONUP, 0, RowPoint(1));
    PumpMessages();
    EXPECT_EQ(1u, owner.Received(WM_LIST_RIGHTCLICK).size());
}

TEST_F(ListBoxExTest, KeysOtherThanUpAndDownDoNotMoveTheSelection) {
    auto list = MakeList(kEvents, false);
    for (int key : {VK_NEXT, VK_PRIOR, VK_HOME, VK_END, VK_LEFT, VK_RIGHT, int('A')}) {
        list->SetCurSel(1);
        ::SetFocus(list->m_hWnd);
        list->SendMessage(WM_KEYDOWN, key, 1);
        list->SendMessage(WM_CHAR, key, 1);
        list->SendMessage(WM_KEYUP, key, 0xC0000001);
        PumpMessages();
        EXPECT_EQ(1, list->GetCurSel()) << "key " << key;
    }
}

// Up and Down move one row as a press on that row does, and stop at the ends.
TEST_F(ListBoxExTest, UpAndDownMoveTheSelectionOneRowAsAPressWould) {
    for (bool notify : {false, true}) {
        auto list = MakeList(kEvents, notify);
        list->SetCurSel(0);
        owner.messages.clear();
        const struct {
            WPARAM key;
            int row;
        } steps[] = {{VK_DOWN, 1}, {VK_DOWN, 2}, {VK_DOWN, 2}, {VK_UP, 1}, {VK_UP, 0}, {VK_UP, 0}};
        std::vector<WPARAM> reported;
        for (const auto& step : steps) {
            list->SendMessage(WM_KEYDOWN, step.key, 1);
            list->SendMessage(WM_KEYUP, step.key, 0xC0000001);
            PumpMessages();
            EXPECT_EQ(step.row, list->GetCurSel()) << "key " << step.key;
        }
        for (const RecordedMessage& click : owner.Received(WM_LIST_CLICK)) reported.push_back(click.wParam);
        EXPECT_EQ(notify ? (std::vector<WPARAM>{1, 2, 1, 0}) : std::vector<WPARAM>{}, reported)
            << "a move onto a row is reported as a press on it";

        list->ignoreMouse = 1;
        list->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
        EXPECT_EQ(0, list->GetCurSel()) << "refused while the mouse is";
    }
}

TEST_F(ListBoxExTest, RowsAreOneHeight) {
    auto list = MakeList(kEvents, false);
    for (int row = 0; row < 3; ++row) {
        RECT rect{};
        list->SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        EXPECT_EQ(row * kRowHeight, rect.top);
        EXPECT_EQ(kRowHeight, rect.bottom - rect.top);
    }
}

TEST_F(ListBoxExTest, Arrows) {
    // The press arrow is drawn scaled into 7 x 9 pixels at (5, 5); the text starts at x 32.
    auto list = MakeList({{L"", ITEM_PRESS}, {L"", ITEM_RELEASE}, {L"", 0}}, false);
    list->SetCurSel(-1);
    list->Invalidate();
    SkinImage press = LoadSkinImage(SkinFolder::Background, L"423.png");
    ASSERT_EQ(7, SkinImageSize(press.get()).cx);
    const COLORREF background = RGB(6, 6, 6);
    struct PixelCase {
        int x, y;
        bool arrow;
    };
    for (const PixelCase& c : {PixelCase{8, 9, true}, PixelCase{8, 9 + kRowHeight, true}, PixelCase{8, 9 + 2 * kRowHeight, false},
                               PixelCase{4, 9, false}, PixelCase{13, 9, false}, PixelCase{8, 3, false}}) {
        EXPECT_EQ(c.arrow, PixelOf(list->m_hWnd, c.x, c.y) != background) << c.x << ", " << c.y;
    }
}

TEST_F(ListBoxExTest, TextStartsAfterTheIcon) {
    struct IndentCase {
        int datum;
        int firstColumn;  // the first column with text pixels
    };
    for (const IndentCase& c : {IndentCase{0, 8}, IndentCase{ITEM_PRESS, 32}, IndentCase{1, 32}}) {
        auto list = MakeList({{L"||||", c.datum}}, false);
        list->SetCurSel(-1);
        list->Invalidate();
        int first = -1;
        for (int x = c.datum == ITEM_PRESS ? 13 : 1; x < 60 && first < 0; ++x) {  // past the arrow
            for (int y = 2; y < kRowHeight - 2 && first < 0; ++y) {
                if (GetGValue(PixelOf(list->m_hWnd, x, y)) > 150) first = x;  // white text, smoothed
            }
        }
        EXPECT_GE(first, c.firstColumn) << "datum " << c.datum;
        EXPECT_LE(first, c.firstColumn + 3) << "datum " << c.datum;
    }
}

TEST_F(ListBoxExTest, Backgrounds) {
    auto striped = MakeList({}, true);
    // One dark line, 21 rows of grey, one black line: every 23 pixels, in step with the rows.
    for (int band = 0; band < 3; ++band) {
        const int top = band * kRowHeight;
        EXPECT_EQ(RGB(21, 21, 21), PixelOf(striped->m_hWnd, 50, top)) << "band " << band;
        EXPECT_EQ(RGB(85, 84, 84), PixelOf(striped->m_hWnd, 50, top + 1)) << "band " << band;
        EXPECT_EQ(RGB(85, 84, 84), PixelOf(striped->m_hWnd, 50, top + 21)) << "band " << band;
        EXPECT_EQ(RGB(7, 7, 7), PixelOf(striped->m_hWnd, 50, top + 22)) << "band " << band;
    }
    for (int y = 0; y < 200; ++y) {
        ASSERT_EQ(PixelOf(striped->m_hWnd, 50, y), PixelOf(striped->m_hWnd, 50, y + kRowHeight)) << "y " << y;
    }
    striped.reset();
    auto solid = MakeList({}, false);
    EXPECT_EQ(RGB(6, 6, 6), PixelOf(solid->m_hWnd, 50, 30));
}

TEST_F(ListBoxExTest, SelectedRowIsFilled) {
    auto list = MakeList(kEvents, false);
    list->SetCurSel(1);
    EXPECT_EQ(RGB(0x96, 0x96, 0x96), PixelOf(list->m_hWnd, 150, kRowHeight + 2));
    EXPECT_EQ(RGB(6, 6, 6), PixelOf(list->m_hWnd, 150, 2 * kRowHeight + 2));
}
}  // namespace
