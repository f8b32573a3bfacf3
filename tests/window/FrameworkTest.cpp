#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CStatic.h"
#include "res/resource.h"
#include "support/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
RECT Rect(int left, int top, int right, int bottom) { return RECT{left, top, right, bottom}; }

// A plain top-level window that owns the dialogs under test.
class OwnerWindow : public CWnd {
public:
    OwnerWindow() {
        CreateEx(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, Rect(100, 80, 700, 580), nullptr, 0);
    }
};

class RecordingDialog : public CDialog {
public:
    RecordingDialog(CWnd* owner, bool moveDuringInit) : CDialog(IDD_WARNING_BOX, owner), moveDuringInit(moveDuringInit) {}

    std::vector<std::string> events;
    RECT rectWhenRunning{};
    BOOL ownerEnabledWhenRunning = TRUE;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CREATE) {
            events.push_back("create");
            MoveWindow(0, 0, 300, 200, FALSE);
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
    BOOL OnInitDialog() override {
        events.push_back("init");
        if (moveDuringInit) MoveWindow(10, 20, 300, 200, FALSE);
        PostMessage(WM_KEYDOWN, 'Q', 0);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* message) override {
        if (message->hwnd == m_hWnd && message->message == WM_KEYDOWN && message->wParam == 'Q') {
            events.push_back("key");
            rectWhenRunning = GetWindowRect();
            ownerEnabledWhenRunning = ::IsWindowEnabled(GetParentOwner());
            EndDialog(42);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(message);
    }
    HWND GetParentOwner() const { return ::GetWindow(m_hWnd, GW_OWNER); }

private:
    bool moveDuringInit;
};

TEST(Dialog, ModalDialogSeesCreateBeforeInitAndKeysThroughPreTranslateMessage) {
    OwnerWindow owner;
    RecordingDialog dialog(&owner, false);

    EXPECT_EQ(42, dialog.DoModal());

    EXPECT_EQ((std::vector<std::string>{"create", "init", "key"}), dialog.events);
    EXPECT_FALSE(dialog.ownerEnabledWhenRunning);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

TEST(Dialog, IsCentredOverItsOwnerUnlessItMovedDuringInitialisation) {
    OwnerWindow owner;
    RecordingDialog centred(&owner, false);
    centred.DoModal();
    // Owner (100, 80)-(700, 580), dialog 300 x 200: centred at (250, 230).
    EXPECT_EQ(250, centred.rectWhenRunning.left);
    EXPECT_EQ(230, centred.rectWhenRunning.top);
    EXPECT_EQ(300, centred.rectWhenRunning.right - centred.rectWhenRunning.left);

    RecordingDialog placed(&owner, true);
    placed.DoModal();
    EXPECT_EQ(10, placed.rectWhenRunning.left);
    EXPECT_EQ(20, placed.rectWhenRunning.top);
}

// A dialog that ends or fails while it initialises.
class ShortLivedDialog : public CDialog {
public:
    enum class Init { EndsItself, Throws };
    ShortLivedDialog(CWnd* owner, Init init) : CDialog(IDD_WARNING_BOX, owner), init(init) {}
    BOOL OnInitDialog() override {
        if (init == Init::Throws) throw std::runtime_error("initialisation failed");
        EndDialog(7);
        return TRUE;
    }

private:
    Init init;
};

TEST(Dialog, EndingOrFailingDuringInitialisationReturnsAtOnceAndFreesTheOwner) {
    struct Case {
        ShortLivedDialog::Init init;
        INT_PTR result;
    };
    const Case cases[] = {{ShortLivedDialog::Init::EndsItself, 7}, {ShortLivedDialog::Init::Throws, -1}};
    for (const Case& c : cases) {
        OwnerWindow owner;
        ShortLivedDialog dialog(&owner, c.init);
        EXPECT_EQ(c.result, dialog.DoModal());
        EXPECT_TRUE(owner.IsWindowEnabled());
        EXPECT_EQ(nullptr, dialog.m_hWnd);
        EXPECT_FALSE(dialog.IsModal());

        ShortLivedDialog modeless(&owner, c.init);
        EXPECT_FALSE(modeless.Create()) << "no window is left to show";
        EXPECT_EQ(nullptr, modeless.m_hWnd);
    }
}

// Controls that record what their parent reflects to them.
class DrawnButton : public CButton {
public:
    int drawItems = 0;
    BOOL OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) override {
        if (message != WM_DRAWITEM) return FALSE;
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item->hwndItem == m_hWnd) ++drawItems;
        *result = TRUE;
        return TRUE;
    }
};

class ColouredLabel : public CStatic {
public:
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    ~ColouredLabel() override { ::DeleteObject(brush); }
    BOOL OnChildNotify(UINT message, WPARAM, LPARAM, LRESULT* result) override {
        if (message != WM_CTLCOLORSTATIC) return FALSE;
        *result = reinterpret_cast<LRESULT>(brush);
        return TRUE;
    }
};

class FocusEdit : public CEdit {
public:
    std::vector<int> notifications;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*) override {
        if (message != WM_COMMAND) return FALSE;
        notifications.push_back(HIWORD(wParam));
        return TRUE;
    }
};

class ParentDialog : public CDialog {
public:
    ParentDialog() : CDialog(IDD_POPUP_MENU) {}
    int parentCommands = 0;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (CDialog::OnCommand(wParam, lParam)) return TRUE;
        ++parentCommands;
        return FALSE;
    }
};

TEST(Reflection, ParentReflectsDrawColourAndNotificationsToTheControlObject) {
    ParentDialog parent;
    ASSERT_TRUE(parent.Create());
    DrawnButton button;
    ColouredLabel label;
    FocusEdit edit;
    ASSERT_TRUE(button.Create(L"b", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, Rect(0, 0, 40, 20), &parent, 0));
    ASSERT_TRUE(label.Create(L"l", WS_CHILD | WS_VISIBLE, Rect(0, 30, 40, 50), &parent));
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, Rect(0, 60, 80, 80), &parent, 0));
    parent.ShowWindow(SW_SHOW);
    parent.UpdateWindow();
    PumpMessages();

    EXPECT_GE(button.drawItems, 1);
    EXPECT_EQ(reinterpret_cast<LRESULT>(label.brush),
              parent.SendMessage(WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(label.m_hWnd)));

    ::SetFocus(edit.m_hWnd);
    ::SetFocus(button.m_hWnd);
    PumpMessages();
    EXPECT_EQ((std::vector<int>{EN_SETFOCUS, EN_KILLFOCUS}), edit.notifications);
    EXPECT_EQ(0, parent.parentCommands) << "a notification the control handled must not reach the parent";
    parent.DestroyWindow();
}
// Records the WM_DESTROY that each level of a derived window sees.
class DestroyRecordingBase : public CWnd {
public:
    explicit DestroyRecordingBase(std::vector<std::string>& seen) : seen(seen) {}
    ~DestroyRecordingBase() override { DestroyInDestructor(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DESTROY) seen.push_back("base");
        return CWnd::WindowProc(message, wParam, lParam);
    }

protected:
    std::vector<std::string>& seen;
};

class DestroyRecording : public DestroyRecordingBase {
public:
    using DestroyRecordingBase::DestroyRecordingBase;
    ~DestroyRecording() override { DestroyInDestructor(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DESTROY) seen.push_back("derived");
        return DestroyRecordingBase::WindowProc(message, wParam, lParam);
    }
};

TEST(Destruction, EveryLevelsDestroyHandlerRunsWhenTheObjectDiesWithItsWindowOpen) {
    std::vector<std::string> seen;
    auto window = std::make_unique<DestroyRecording>(seen);
    ASSERT_TRUE(window->CreateEx(0, L"STATIC", L"doomed", WS_POPUP, Rect(0, 0, 40, 20), nullptr, 0));
    const HWND hwnd = window->m_hWnd;
    window.reset();
    EXPECT_EQ((std::vector<std::string>{"derived", "base"}), seen);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(nullptr, CWnd::FromHandle(hwnd));
}

// What OutputDebugStringW hands a debugger, seen here through the exception it raises for one.
std::wstring debuggerText;

LONG CALLBACK CaptureDebuggerText(EXCEPTION_POINTERS* pointers) {
    const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
    constexpr DWORD kWideText = 0x4001000A;   // DBG_PRINTEXCEPTION_WIDE_C
    constexpr DWORD kNarrowText = 0x40010006; // DBG_PRINTEXCEPTION_C
    if (record.NumberParameters >= 2 && record.ExceptionInformation[1]) {
        if (record.ExceptionCode == kWideText) {
            debuggerText += reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1]);
        } else if (record.ExceptionCode == kNarrowText) {
            const std::string narrow = reinterpret_cast<const char*>(record.ExceptionInformation[1]);
            debuggerText += std::wstring(narrow.begin(), narrow.end());
        }
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

class ThrowingWindow : public CWnd {
public:
    std::function<void()> thrower;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            thrower();
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(WindowProcedure, AnExceptionEndsTheMessageAndLeavesATraceForTheDebugger) {
    const struct {
        const char* what;
        std::function<void()> thrower;
        const wchar_t* traced;
    } cases[] = {
        {"a standard exception", [] { throw std::runtime_error("settings unreadable"); }, L"settings unreadable"},
        {"anything else", [] { throw 42; }, L"unknown type"},
    };
    ThrowingWindow window;
    ASSERT_TRUE(window.CreateEx(0, L"STATIC", L"thrower", WS_POPUP, Rect(0, 0, 40, 20), nullptr, 0));
    PVOID handler = ::AddVectoredExceptionHandler(1, CaptureDebuggerText);
    ASSERT_NE(nullptr, handler);
    for (const auto& c : cases) {
        debuggerText.clear();
        window.thrower = c.thrower;
        EXPECT_EQ(0, window.SendMessage(WM_APP)) << c.what;
        EXPECT_NE(std::wstring::npos, debuggerText.find(L"0x8000")) << c.what;
        EXPECT_NE(std::wstring::npos, debuggerText.find(c.traced)) << c.what;
        EXPECT_TRUE(::IsWindow(window.m_hWnd)) << c.what;
    }
    ::RemoveVectoredExceptionHandler(handler);
}
}  // namespace
