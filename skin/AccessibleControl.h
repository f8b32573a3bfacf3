// The accessible object of a skinned control's window: the system's standard object of the
// window, with role, state, value and description taken from the control (an AccessibleSource)
// at every call. Everything else, the name (the window text) included, is the standard object's.
//
// The object holds the window handle only, so a client may keep it after the control is gone;
// it then answers as the standard object does for a destroyed window.
#pragma once
#include "skin/AccessibleFacts.h"

#include <oleacc.h>

class AccessibleControl final : public IAccessible {
public:
    // The answer of `window`, a control that is an AccessibleSource, to WM_GETOBJECT: the object
    // for OBJID_CLIENT, 0 for other objects and on failure, so that the system answers those.
    static LRESULT Answer(HWND window, WPARAM wParam, LPARAM lParam);
    // Tell accessibility clients that what the control shows changed.
    static void NotifyStateChange(HWND window);
    static void NotifyValueChange(HWND window);

    AccessibleControl(const AccessibleControl&) = delete;
    AccessibleControl& operator=(const AccessibleControl&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch, all passed to the standard object.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

    // IAccessible: the control's own answers.
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override;
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override;
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override;
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override;

    // IAccessible: the standard object's answers.
    STDMETHODIMP get_accParent(IDispatch** parent) override;
    STDMETHODIMP get_accChildCount(LONG* count) override;
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** dispatch) override;
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override;
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override;
    STDMETHODIMP get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* child) override;
    STDMETHODIMP get_accSelection(VARIANT* children) override;
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override;
    STDMETHODIMP accSelect(LONG flags, VARIANT child) override;
    STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    STDMETHODIMP accHitTest(LONG left, LONG top, VARIANT* child) override;
    STDMETHODIMP accDoDefaultAction(VARIANT child) override;
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override;
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override;

private:
    // Takes over the one reference to `standard`.
    AccessibleControl(HWND window, IAccessible* standard) : window(window), standard(standard) {}
    ~AccessibleControl();
    // The control's facts when `child` is the control itself and the control is still there.
    bool FactsFor(const VARIANT& child, AccessibleFacts& facts) const;

    ULONG references = 1;
    HWND window;
    IAccessible* standard;  // owned: one reference
};
