// The thumb of an image slider: a child of its bar that paints the thumb image and can be dragged
// along the bar. At the end of a drag it reports the value under it to the bar with
// WM_SLIDER_CHANGED(value, id): posted by a horizontal thumb, sent by a vertical one. Nothing is
// reported while it moves.
#pragma once
#include "framework/CWnd.h"
#include "skin/SkinImages.h"
#include "skin/SliderMath.h"

#include <string>

enum class SliderAxis { Horizontal, Vertical };

class CSliderThumb : public CWnd {
public:
    explicit CSliderThumb(SliderAxis axis) : axis(axis) {}

    int sliderId = 0;              // the bar's id, lParam of every report
    SkinImage thumbImage;
    SkinImage disabledThumbImage;  // none when no path was given
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

    // Loads the images (an empty `disabledImagePath` means none) and creates the window in `bar`,
    // centred on (trackMinX, trackMinY).
    BOOL Create(const std::wstring& imagePath, const std::wstring& disabledImagePath, CWnd* bar, UINT id);
    // Moves the thumb to `newValue`; a value outside [minValue, maxValue] becomes minValue.
    void SetPos(int newValue);
    SliderAxis Axis() const { return axis; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    SliderRange Range() const { return SliderRange{minValue, maxValue}; }
    int CrossAxisLeft() const;
    RECT RectInBar() const;
    void ApplyThumbRegion();
    void Paint();
    // OnLButtonDown(POINT point)
    void OnLButtonDown(POINT point);
    // OnMouseMove(POINT point)
    void OnMouseMove(POINT point);
    // The drag is over: reports the value under the thumb unless it stands where it was pressed.
    void EndDrag(bool releaseCapture);
    void ReportValue();

    SliderAxis axis;
};
