#include "skin/AccessibleFacts.h"

namespace {
constexpr LONG kButtonStateBits = STATE_SYSTEM_CHECKED | STATE_SYSTEM_PRESSED | STATE_SYSTEM_SELECTED |
                                  STATE_SYSTEM_SELECTABLE;
}

AccessibleFacts ButtonFacts(ButtonRole role, bool checkBoxMode, bool checked) {
    AccessibleFacts facts;
    facts.stateMask = kButtonStateBits;
    switch (role) {
    case ButtonRole::Tab:
        facts.role = ROLE_SYSTEM_PAGETAB;
        facts.state = STATE_SYSTEM_SELECTABLE | (checked ? STATE_SYSTEM_SELECTED : 0);
        break;
    case ButtonRole::Option:
        facts.role = ROLE_SYSTEM_RADIOBUTTON;
        facts.state = checked ? STATE_SYSTEM_CHECKED : 0;
        break;
    case ButtonRole::Button:
        if (checkBoxMode) {
            facts.role = ROLE_SYSTEM_CHECKBUTTON;
            facts.state = checked ? STATE_SYSTEM_CHECKED : 0;
        } else {
            facts.role = ROLE_SYSTEM_PUSHBUTTON;
            facts.state = checked ? STATE_SYSTEM_PRESSED : 0;
        }
        break;
    }
    return facts;
}

AccessibleFacts SliderFacts(int value, int minValue, int maxValue) {
    AccessibleFacts facts;
    facts.role = ROLE_SYSTEM_SLIDER;
    facts.hasValue = true;
    facts.value = std::to_wstring(value);
    facts.description = L"Range " + std::to_wstring(minValue) + L" to " + std::to_wstring(maxValue);
    return facts;
}

AccessibleFacts LabelFacts() {
    AccessibleFacts facts;
    facts.role = ROLE_SYSTEM_STATICTEXT;
    facts.stateMask = STATE_SYSTEM_READONLY;
    facts.state = STATE_SYSTEM_READONLY;
    return facts;
}

LONG MergeState(LONG standardState, const AccessibleFacts& facts) {
    return (standardState & ~facts.stateMask) | (facts.state & facts.stateMask);
}
