// A horizontal image slider: the track image stretched over the bar, the thumb moving across it.
#pragma once
#include "skin/CPngHSlider.h"
#include "skin/CSliderBar.h"

class CPngHSliderBar : public CSliderBar {
public:
    CPngHSliderBar() : CSliderBar(std::make_unique<CPngHSlider>()) {}
};
