// What a skinned control tells accessibility clients beyond what the system's standard object of
// its window knows: its role, the state bits it decides, and a value. Plain logic, no windows.
//
// Sliders follow the usual convention of accessibility clients: role ROLE_SYSTEM_SLIDER, the value
// as decimal text in the slider's own units (what WM_SLIDER_CHANGED reports), and the range as
// the description, "Range <minimum> to <maximum>".
#pragma once
#include <windows.h>
#include <oleacc.h>

#include <string>

// What a bitmap button stands for, beyond its click behaviour.
enum class ButtonRole {
    Button,  // a push button, or a check box in check-box mode
    Option,  // one of a group of which exactly one is chosen
    Tab,
};

struct AccessibleFacts {
    LONG role = ROLE_SYSTEM_CLIENT;
    LONG state = 0;      // the bits of stateMask that are set
    LONG stateMask = 0;  // the bits the control decides; all others come from the standard object
    bool hasValue = false;
    std::wstring value;
    std::wstring description;  // empty: the standard object's
};

// A bitmap button: checked (ticked, chosen, selected or latched) as the state of its role.
AccessibleFacts ButtonFacts(ButtonRole role, bool checkBoxMode, bool checked);

AccessibleFacts SliderFacts(int value, int minValue, int maxValue);

// A label: static text, named by its text.
AccessibleFacts LabelFacts();

// The state of the standard object with the control's own bits put in.
LONG MergeState(LONG standardState, const AccessibleFacts& facts);
