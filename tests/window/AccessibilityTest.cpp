// What an accessibility client reads from the main window's skinned controls, through the same
// call a screen reader makes (AccessibleObjectFromWindow), before and after the user changes them.
#include "window/MainWindowFixture.h"

#include <oleacc.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {
// One reading of a control's accessible object, released at once.
struct Reading {
    bool found = false;
    LONG role = 0;
    LONG state = 0;
    std::wstring name;
    std::wstring value;
    std::wstring description;
    ULONG referencesLeft = 1;  // what the last Release returned
};

std::wstring TakeText(HRESULT result, BSTR text) {
    std::wstring copy = SUCCEEDED(result) && text ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
    ::SysFreeString(text);
    return copy;
}

Reading Read(const CWnd& control) {
    Reading reading;
    IAccessible* object = nullptr;
    const HRESULT found = ::AccessibleObjectFromWindow(control.m_hWnd, static_cast<DWORD>(OBJID_CLIENT),
                                                       __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    if (FAILED(found) || !object) return reading;
    reading.found = true;
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT answer;
    ::VariantInit(&answer);
    if (SUCCEEDED(object->get_accRole(self, &answer)) && answer.vt == VT_I4) reading.role = answer.lVal;
    ::VariantClear(&answer);
    if (SUCCEEDED(object->get_accState(self, &answer)) && answer.vt == VT_I4) reading.state = answer.lVal;
    ::VariantClear(&answer);
    BSTR text = nullptr;
    HRESULT result = object->get_accName(self, &text);
    reading.name = TakeText(result, text);
    text = nullptr;
    result = object->get_accValue(self, &text);
    reading.value = TakeText(result, text);
    text = nullptr;
    result = object->get_accDescription(self, &text);
    reading.description = TakeText(result, text);
    reading.referencesLeft = object->Release();
    return reading;
}

bool Has(const Reading& reading, LONG bits) { return (reading.state & bits) == bits; }

// The thread does not initialise COM, as the tool's own does not.
class AccessibilityTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Open();
    }
};

TEST_F(AccessibilityTest, CheckBoxReportsItsRoleNameAndTick) {
    Click(Layout().pageTabs[1]);
    CBitmapBtn& box = Layout().stageEnableBoxes[4];
    const bool ticked = box.checked != 0;
    Reading before = Read(box);
    ASSERT_TRUE(before.found);
    EXPECT_EQ(ROLE_SYSTEM_CHECKBUTTON, before.role);
    EXPECT_EQ(ticked, Has(before, STATE_SYSTEM_CHECKED));
    EXPECT_EQ(box.GetWindowText(), before.name);
    EXPECT_EQ(0u, before.referencesLeft);

    Click(box);
    Reading after = Read(box);
    EXPECT_EQ(ROLE_SYSTEM_CHECKBUTTON, after.role);
    EXPECT_EQ(!ticked, Has(after, STATE_SYSTEM_CHECKED));
    EXPECT_EQ(0u, after.referencesLeft);
}

TEST_F(AccessibilityTest, TabsReportWhichOneIsSelected) {
    CBitmapBtn& first = Layout().pageTabs[0];
    CBitmapBtn& second = Layout().pageTabs[1];
    Reading shown = Read(first);
    Reading other = Read(second);
    EXPECT_EQ(ROLE_SYSTEM_PAGETAB, shown.role);
    EXPECT_EQ(ROLE_SYSTEM_PAGETAB, other.role);
    EXPECT_TRUE(Has(shown, STATE_SYSTEM_SELECTED));
    EXPECT_FALSE(Has(other, STATE_SYSTEM_SELECTED));
    EXPECT_EQ(second.GetWindowText(), other.name);
    EXPECT_FALSE(other.name.empty());

    Click(second);
    EXPECT_FALSE(Has(Read(first), STATE_SYSTEM_SELECTED));
    EXPECT_TRUE(Has(Read(second), STATE_SYSTEM_SELECTED));

    // Profile tabs are tabs too.
    Reading profile = Read(Layout().profileTabs[0]);
    EXPECT_EQ(ROLE_SYSTEM_PAGETAB, profile.role);
    EXPECT_TRUE(Has(profile, STATE_SYSTEM_SELECTED));
    EXPECT_EQ(0u, profile.referencesLeft);
}

TEST_F(AccessibilityTest, LinkToggleReportsWhetherXAndYAreLinked) {
    Click(Layout().pageTabs[1]);
    CBitmapBtn& toggle = Layout().linkToggles[0];
    const bool linked = Shown().DPIStageValue[0].Linked == 1;
    Reading before = Read(toggle);
    EXPECT_EQ(ROLE_SYSTEM_CHECKBUTTON, before.role);
    EXPECT_EQ(linked, Has(before, STATE_SYSTEM_CHECKED));
    EXPECT_EQ(L"Link X and Y 1", before.name);

    Click(toggle);
    ASSERT_EQ(!linked, Shown().DPIStageValue[0].Linked == 1);
    Reading after = Read(toggle);
    EXPECT_EQ(!linked, Has(after, STATE_SYSTEM_CHECKED));
    EXPECT_EQ(0u, after.referencesLeft);
}

TEST_F(AccessibilityTest, OptionsReportTheChosenOne) {
    const auto& options = Layout().pollingButtons;
    for (size_t i = 0; i < options.size(); ++i) {
        SCOPED_TRACE(i);
        Reading option = Read(options[i]);
        EXPECT_EQ(ROLE_SYSTEM_RADIOBUTTON, option.role);
        EXPECT_EQ(options[i].checked != 0, Has(option, STATE_SYSTEM_CHECKED));
    }
    const size_t other = options[0].checked ? 1 : 0;
    Click(Layout().pollingButtons[other]);
    EXPECT_TRUE(Has(Read(options[other]), STATE_SYSTEM_CHECKED));
    for (size_t i = 0; i < options.size(); ++i) {
        if (i == other) continue;
        EXPECT_FALSE(Has(Read(options[i]), STATE_SYSTEM_CHECKED)) << i;
    }
}

TEST_F(AccessibilityTest, SlidersReportTheirValueAndRange) {
    CPngHSliderBar& sensitivity = Layout().pointerSliders[1];
    Reading before = Read(sensitivity);
    ASSERT_TRUE(before.found);
    EXPECT_EQ(ROLE_SYSTEM_SLIDER, before.role);
    EXPECT_EQ(std::to_wstring(Shown().MouseSensitivity), before.value);
    EXPECT_EQ(L"Range 1 to 20", before.description);
    EXPECT_EQ(0u, before.referencesLeft);

    // A click at the far end of the bar moves the slider to its maximum.
    RECT bar = sensitivity.GetClientRect();
    sensitivity.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.right - 1, bar.bottom / 2));
    sensitivity.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(bar.right - 1, bar.bottom / 2));
    PumpMessages();
    ASSERT_EQ(20, Shown().MouseSensitivity);
    EXPECT_EQ(L"20", Read(sensitivity).value);
    // The thumb, which can take the focus, is the same slider.
    Reading thumb = Read(*sensitivity.thumb);
    EXPECT_EQ(ROLE_SYSTEM_SLIDER, thumb.role);
    EXPECT_EQ(L"20", thumb.value);
    EXPECT_EQ(L"Range 1 to 20", thumb.description);

    // A DPI slider reads in its own units, the codes its page stores.
    Click(Layout().pageTabs[1]);
    CPngSliderBar& dpi = Shown().DPIStageValue[0].Linked == 1 ? Layout().dpiXYSliders[0] : Layout().dpiXSliders[0];
    dpi.SetPos(37);
    Reading stage = Read(dpi);
    EXPECT_EQ(ROLE_SYSTEM_SLIDER, stage.role);
    EXPECT_EQ(L"37", stage.value);
    EXPECT_EQ(L"Range 2 to 80", stage.description);
}

// Records the state and value changes the controls announce while it is alive.
class EventRecorder {
public:
    EventRecorder() {
        recorder = this;
        hook = ::SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &EventRecorder::OnEvent,
                                 ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    ~EventRecorder() {
        ::UnhookWinEvent(hook);
        recorder = nullptr;
    }
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    bool Hooked() const { return hook != nullptr; }
    int Count(DWORD event, const CWnd& control) {
        PumpMessages();
        int count = 0;
        for (const auto& seen : events) count += seen.first == event && seen.second == control.m_hWnd;
        return count;
    }

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
        if (recorder && object == OBJID_CLIENT && child == CHILDID_SELF) recorder->events.emplace_back(event, window);
    }
    static EventRecorder* recorder;
    HWINEVENTHOOK hook = nullptr;
    std::vector<std::pair<DWORD, HWND>> events;
};
EventRecorder* EventRecorder::recorder = nullptr;

TEST_F(AccessibilityTest, ChangesAreAnnounced) {
    EventRecorder events;
    ASSERT_TRUE(events.Hooked());
    CBitmapBtn& option = Layout().pollingButtons[Layout().pollingButtons[0].checked ? 1 : 0];
    Click(option);
    EXPECT_EQ(1, events.Count(EVENT_OBJECT_STATECHANGE, option));
    // Setting the state it already has announces nothing.
    option.SetCheck(TRUE);
    EXPECT_EQ(1, events.Count(EVENT_OBJECT_STATECHANGE, option));

    CPngHSliderBar& slider = Layout().pointerSliders[2];
    slider.SetPos(slider.thumb->value == 5 ? 6 : 5);
    EXPECT_EQ(1, events.Count(EVENT_OBJECT_VALUECHANGE, slider));
    EXPECT_EQ(1, events.Count(EVENT_OBJECT_VALUECHANGE, *slider.thumb));
    slider.SetPos(slider.thumb->value);
    EXPECT_EQ(1, events.Count(EVENT_OBJECT_VALUECHANGE, slider));
}

TEST_F(AccessibilityTest, ObjectKeptByAClientOutlivesItsControl) {
    auto box = std::make_unique<CBitmapBtn>();
    ASSERT_TRUE(box->Create(L"kept", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{0, 0, 20, 20}, window.get(), 0));
    box->checkBoxMode = 1;
    IAccessible* object = nullptr;
    ASSERT_TRUE(SUCCEEDED(::AccessibleObjectFromWindow(box->m_hWnd, static_cast<DWORD>(OBJID_CLIENT),
                                                       __uuidof(IAccessible), reinterpret_cast<void**>(&object))));
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role;
    ::VariantInit(&role);
    ASSERT_TRUE(SUCCEEDED(object->get_accRole(self, &role)));
    EXPECT_EQ(ROLE_SYSTEM_CHECKBUTTON, role.lVal);

    box.reset();
    PumpMessages();
    // The control is gone: the answers are the standard object's for a window that is no more.
    ::VariantInit(&role);
    object->get_accRole(self, &role);
    EXPECT_NE(ROLE_SYSTEM_CHECKBUTTON, role.vt == VT_I4 ? role.lVal : 0);
    ::VariantClear(&role);
    EXPECT_EQ(0u, object->Release());
}

TEST_F(AccessibilityTest, LabelsAreStaticTextNamedByTheirText) {
    Reading title = Read(*Layout().pollingTitle);
    EXPECT_EQ(ROLE_SYSTEM_STATICTEXT, title.role);
    EXPECT_EQ(Layout().pollingTitle->GetWindowText(), title.name);
    EXPECT_FALSE(title.name.empty());
    EXPECT_EQ(0u, title.referencesLeft);
}
}  // namespace
