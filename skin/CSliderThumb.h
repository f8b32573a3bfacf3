// The thumb of an image slider: a child of its bar that paints the thumb image and can be dragged
// along the bar. At the end of a drag it reports the value under it to the bar with
// WM_SLIDER_CHANGED(value, id): posted by a horizontal thumb, sent by a vertical one. Nothing is
// reported while it moves. With the focus, the arrows, Page Up, Page Down, Home and End move it
// (SliderMath.h) and report the new value as a drag does; a focus ring in the accent colour shows
// while the window shows focus cues. To accessibility clients thumb and bar are both the slider: its value
// and its range.
#pragma once
#include "framework/CWnd.h"
#include "skin/AccessibleSource.h"
#include "skin/SkinImages.h"
#include "skin/SliderMath.h"


enum class SliderAxis { Horizontal, Vertical };

class CSliderThumb : public CWnd, public AccessibleSource {
public:
    explicit CSliderThumb(SliderAxis axis) : axis(axis) {}

    int sliderId = 0;              // the bar's id, lParam of every report
    // Borrowed: the window that owns the bar loads each picture once for all its thumbs.
    Gdiplus::Bitmap* thumbImage = nullptr;
    Gdiplus::Bitmap* disabledThumbImage = nullptr;  // none: no disabled image
    int thumbWidth = 0;            // size of thumbImage, and of the window
    int thumbHeight = 0;
    HRGN region = nullptr;         // borrowed: owned by the system once applied
    BOOL useRegion = 0;            // vertical thumb: black pixels of the image fall outside the window
    BOOL dragging = 0;
    int trackMinX = 0;             // movement limits in the bar's client coordinates
    int trackMinY = 0;
    int trackMaxX = 0;
    int trackMaxY = 0;
    int grabX = 0;                 // press point in the thumb's client coordinates
    int grabY = 0;
    RECT pressedRect{0, 0, 0, 0};  // where the press found the thumb, in the bar's client coordinates
    int minValue = 0;
    int maxValue = 10;
    BOOL dragEnabled = 1;
    BOOL enabled = 1;              // 0: shows disabledThumbImage when there is one
    int value = 0;
    BOOL offsetRight = 0;          // vertical thumb: placed 14 pixels right of trackMinX

    // Creates the window in `bar` at the size of `image`, centred on (trackMinX, trackMinY); no
    // `disabledImage` means none.
    BOOL Create(Gdiplus::Bitmap* image, Gdiplus::Bitmap* disabledImage, CWnd* bar, UINT id);
    // Moves the thumb to `newValue`; a value outside [minValue, maxValue] becomes minValue.
    void SetPos(int newValue);
    SliderAxis Axis() const { return axis; }

    AccessibleFacts Accessibility() const override { return SliderFacts(value, minValue, maxValue); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    SliderRange Range() const { return SliderRange{minValue, maxValue}; }
    int CrossAxisLeft() const;
    RECT RectInBar() const;
    void ApplyThumbRegion();
    void Paint();
    void OnLButtonDown(POINT point);
    void OnMouseMove(POINT point);
    // The drag is over: reports the value under the thumb unless it stands where it was pressed.
    void EndDrag(bool releaseCapture);
    void ReportValue();
    // Passes `value` to the bar as the end of a drag does.
    void SendValueToBar();
    // OnKeyDown(UINT virtualKey): true when the key is one of the slider's
    bool OnKeyDown(UINT virtualKey);
    // Stores `newValue`; a change is announced to accessibility clients of the thumb and of its bar.
    void StoreValue(int newValue);

    SliderAxis axis;
};
