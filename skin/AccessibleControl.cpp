#include "skin/AccessibleControl.h"

#include "framework/CWnd.h"
#include "skin/AccessibleSource.h"

#include <new>

namespace {
// The import library of oleacc.dll names IID_IAccessible too, as a function of the DLL; the
// compiler's own copy of the identifier is the one that is sure to be the GUID.
const IID& kAccessibleIid = __uuidof(IAccessible);

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// A copy of `text` for the caller; E_OUTOFMEMORY when there is no memory for it.
HRESULT CopyOut(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = ::SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}
}  // namespace

LRESULT AccessibleControl::Answer(HWND window, WPARAM wParam, LPARAM lParam) {
    // The object id travels in the low 32 bits; OBJID_CLIENT is negative.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
    IAccessible* standard = nullptr;
    if (FAILED(::CreateStdAccessibleObject(window, OBJID_CLIENT, kAccessibleIid, reinterpret_cast<void**>(&standard))) ||
        !standard) {
        return 0;
    }
    auto* object = new (std::nothrow) AccessibleControl(window, standard);
    if (!object) {
        standard->Release();
        return 0;
    }
    // The result holds its own reference; ours ends here.
    const LRESULT result = ::LresultFromObject(kAccessibleIid, wParam, object);
    object->Release();
    return result < 0 ? 0 : result;
}

void AccessibleControl::NotifyStateChange(HWND window) {
    ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

void AccessibleControl::NotifyValueChange(HWND window) {
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

AccessibleControl::~AccessibleControl() { standard->Release(); }

bool AccessibleControl::FactsFor(const VARIANT& child, AccessibleFacts& facts) const {
    if (!IsSelf(child)) return false;
    const auto* source = dynamic_cast<const AccessibleSource*>(CWnd::FromHandle(window));
    if (!source) return false;
    try {
        facts = source->Accessibility();
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

STDMETHODIMP AccessibleControl::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kAccessibleIid) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    // The window and the children are the standard object's. Nothing else is passed on: a marshaller
    // of the standard object (IMarshal) would hand clients the standard object instead of this one.
    if (iid == IID_IOleWindow || iid == IID_IEnumVARIANT) return standard->QueryInterface(iid, object);
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) AccessibleControl::AddRef() { return ++references; }

STDMETHODIMP_(ULONG) AccessibleControl::Release() {
    const ULONG left = --references;
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP AccessibleControl::GetTypeInfoCount(UINT* count) { return standard->GetTypeInfoCount(count); }

STDMETHODIMP AccessibleControl::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    return standard->GetTypeInfo(index, locale, info);
}

STDMETHODIMP AccessibleControl::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) {
    return standard->GetIDsOfNames(iid, names, count, locale, ids);
}

STDMETHODIMP AccessibleControl::Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                       VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    return standard->Invoke(id, iid, locale, flags, parameters, result, exception, argumentError);
}

STDMETHODIMP AccessibleControl::get_accRole(VARIANT child, VARIANT* role) {
    AccessibleFacts facts;
    if (!role || !FactsFor(child, facts)) return standard->get_accRole(child, role);
    role->vt = VT_I4;
    role->lVal = facts.role;
    return S_OK;
}

STDMETHODIMP AccessibleControl::get_accState(VARIANT child, VARIANT* state) {
    AccessibleFacts facts;
    if (!state || !FactsFor(child, facts)) return standard->get_accState(child, state);
    VARIANT standardState;
    ::VariantInit(&standardState);
    LONG bits = 0;
    if (SUCCEEDED(standard->get_accState(child, &standardState)) && standardState.vt == VT_I4) bits = standardState.lVal;
    ::VariantClear(&standardState);
    state->vt = VT_I4;
    state->lVal = MergeState(bits, facts);
    return S_OK;
}

STDMETHODIMP AccessibleControl::get_accValue(VARIANT child, BSTR* value) {
    AccessibleFacts facts;
    if (!FactsFor(child, facts) || !facts.hasValue) return standard->get_accValue(child, value);
    return CopyOut(facts.value, value);
}

STDMETHODIMP AccessibleControl::get_accDescription(VARIANT child, BSTR* description) {
    AccessibleFacts facts;
    if (!FactsFor(child, facts) || facts.description.empty()) return standard->get_accDescription(child, description);
    return CopyOut(facts.description, description);
}

STDMETHODIMP AccessibleControl::get_accParent(IDispatch** parent) { return standard->get_accParent(parent); }

STDMETHODIMP AccessibleControl::get_accChildCount(LONG* count) { return standard->get_accChildCount(count); }

STDMETHODIMP AccessibleControl::get_accChild(VARIANT child, IDispatch** dispatch) {
    return standard->get_accChild(child, dispatch);
}

STDMETHODIMP AccessibleControl::get_accName(VARIANT child, BSTR* name) { return standard->get_accName(child, name); }

STDMETHODIMP AccessibleControl::get_accHelp(VARIANT child, BSTR* help) { return standard->get_accHelp(child, help); }

STDMETHODIMP AccessibleControl::get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) {
    return standard->get_accHelpTopic(helpFile, child, topic);
}

STDMETHODIMP AccessibleControl::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return standard->get_accKeyboardShortcut(child, shortcut);
}

STDMETHODIMP AccessibleControl::get_accFocus(VARIANT* child) { return standard->get_accFocus(child); }

STDMETHODIMP AccessibleControl::get_accSelection(VARIANT* children) { return standard->get_accSelection(children); }

STDMETHODIMP AccessibleControl::get_accDefaultAction(VARIANT child, BSTR* action) {
    return standard->get_accDefaultAction(child, action);
}

STDMETHODIMP AccessibleControl::accSelect(LONG flags, VARIANT child) { return standard->accSelect(flags, child); }

STDMETHODIMP AccessibleControl::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    return standard->accLocation(left, top, width, height, child);
}

STDMETHODIMP AccessibleControl::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return standard->accNavigate(direction, start, end);
}

STDMETHODIMP AccessibleControl::accHitTest(LONG left, LONG top, VARIANT* child) {
    return standard->accHitTest(left, top, child);
}

STDMETHODIMP AccessibleControl::accDoDefaultAction(VARIANT child) { return standard->accDoDefaultAction(child); }

STDMETHODIMP AccessibleControl::put_accName(VARIANT child, BSTR name) { return standard->put_accName(child, name); }

STDMETHODIMP AccessibleControl::put_accValue(VARIANT child, BSTR value) { return standard->put_accValue(child, value); }
