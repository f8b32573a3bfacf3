// A vertical image slider, smallest value at the top: the bar is filled dark grey under its track
// image, and its thumb may be shaped (useRegion: black pixels of the thumb image fall outside).
#pragma once
#include "skin/CPngSlider.h"
#include "skin/CSliderBar.h"

class CPngSliderBar : public CSliderBar {
public:
    CPngSliderBar() : CSliderBar(std::make_unique<CPngSlider>()) {}

    BOOL Create(Gdiplus::Bitmap* thumb, Gdiplus::Bitmap* disabledThumb, const RECT& rect, CWnd* parent, UINT id,
                BOOL shapedThumb) {
        useRegion = shapedThumb;
        return CSliderBar::Create(thumb, disabledThumb, rect, parent, id);
    }
};
