// Position and value arithmetic of the image sliders, along one axis. Positions are offsets from
// the start of the track; all divisions truncate. Plain logic, no windows.
#pragma once

struct SliderRange {
    int minValue;
    int maxValue;
};

// Offset of the thumb's leading edge for `value` on a track `span` long; a value outside the
// range is placed as the minimum.
int ThumbOffsetForValue(int value, SliderRange range, int span, int thumbSize);

// The value of a thumb released at `offset` on a track `span` long.
int ValueFromThumbOffset(int offset, SliderRange range, int span, int thumbSize);

// The value of a click `offset` pixels from the start of a bar `span` long.
int ValueFromBarClick(int offset, SliderRange range, int span);

// The part of a drag by `delta` that keeps the thumb [start, end) inside [trackMin, trackMax].
int ClampDragDelta(int delta, int start, int end, int trackMin, int trackMax);

// Whether a slider with the focus takes `virtualKey`: the arrows, Page Up, Page Down, Home, End.
bool IsSliderKey(unsigned virtualKey);

// The value `virtualKey` moves a slider to from `value`, always inside the range; other keys leave
// `value`. Horizontal: Left and Down one less, Right and Up one more, Page Down and Page Up a
// tenth of the range (at least one) less and more. Vertical, where the smallest value is at the
// top, the keys move the thumb the way they point: Up, Left and Page Up towards the smallest
// value, Down, Right and Page Down towards the largest. Home and End: the smallest and the largest.
int ValueAfterKey(unsigned virtualKey, int value, SliderRange range, bool vertical);
