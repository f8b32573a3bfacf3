// A skinned control that describes itself to accessibility clients: its window answers
// WM_GETOBJECT with AccessibleControl::Answer, which asks the control for its facts at every call.
#pragma once
#include "skin/AccessibleFacts.h"

class AccessibleSource {
public:
    virtual AccessibleFacts Accessibility() const = 0;

protected:
    ~AccessibleSource() = default;
};
