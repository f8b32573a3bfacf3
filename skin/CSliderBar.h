// The bar of an image slider: a child of a page that paints the track image, creates and holds
// the thumb, and reports values to the page with WM_SLIDER_CHANGED(value, id), posted: on every
// left-button press and release on the bar itself, and for every report of its thumb. The page
// hands each report back with ReflectChange, which calls the bar's onChange: so the owner learns
// the value when the posted report arrives, not inside the mouse handler.
// The focus it is given goes on to the thumb, which Tab also reaches inside it.
// Accessibility clients read it as a slider with the thumb's value and the range.
#pragma once
#include "framework/CWnd.h"
#include "skin/AccessibleSource.h"
#include "skin/CSliderThumb.h"

#include <gdiplus.h>

#include <functional>
#include <memory>

class CSliderBar : public CWnd, public AccessibleSource {
public:
    int sliderId = 0;
    Gdiplus::Image* trackImage = nullptr;          // borrowed: the owner loads one image for several bars
    Gdiplus::Bitmap* thumbImage = nullptr;          // borrowed, as the track image; handed to the thumb
    Gdiplus::Bitmap* disabledThumbImage = nullptr;  // borrowed; none: the thumb has no disabled image
    RECT barRect{0, 0, 0, 0};              // in the parent's client coordinates
    int minValue = 0;                      // range of clicks on the bar
    int maxValue = 10;
    BOOL useRegion = 0;                    // handed to the thumb
    std::unique_ptr<CSliderThumb> thumb;
    // Called with the value of every report the parent reflects. The bar may be destroyed by it.
    std::function<void(int value)> onChange;

    // Creates the bar at `rect` of `parent` with the id, and its thumb at value 0 showing the
    // borrowed images; no `disabledThumb` means the thumb has no disabled image.
    BOOL Create(Gdiplus::Bitmap* thumb, Gdiplus::Bitmap* disabledThumb, const RECT& rect, CWnd* parent, UINT id);
    // The range of the bar and of its thumb; `minimum` must be below `maximum`.
    void SetRange(int minimum, int maximum);
    void SetPos(int value);
    // Shows `image` from now on; the image stays its owner's.
    void SetTrackImage(Gdiplus::Image* image);

    // For a WM_SLIDER_CHANGED(value, id) that reached `parent`: the bar of that id among its
    // children calls its onChange. False when no bar there has the id or a callback.
    static bool ReflectChange(HWND parent, WPARAM wParam, LPARAM lParam);

    AccessibleFacts Accessibility() const override { return SliderFacts(thumb->value, minValue, maxValue); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    explicit CSliderBar(std::unique_ptr<CSliderThumb> thumb) : thumb(std::move(thumb)) {}

private:
    void CreateThumb();
    void Paint();
    // A press or a release on the bar.
    void OnClick(POINT point);
};
