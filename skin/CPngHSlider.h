// The thumb of a horizontal image slider.
#pragma once
#include "skin/CSliderThumb.h"

class CPngHSlider : public CSliderThumb {
public:
    CPngHSlider() : CSliderThumb(SliderAxis::Horizontal) {}
};
