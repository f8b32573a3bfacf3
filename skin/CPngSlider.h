// The thumb of a vertical image slider: the smallest value at the top.
#pragma once
#include "skin/CSliderThumb.h"

class CPngSlider : public CSliderThumb {
public:
    CPngSlider() : CSliderThumb(SliderAxis::Vertical) {}
};
