#pragma once
#include <QColor>

// Colours of the date controls as 24-bit numbers with red in the low byte;
// numbers with the high bit set name a system colour (&H80000005 window
// background, &H80000008 window text).
class DateColor {
public:
    static constexpr uint White = 0xFFFFFF;
    static constexpr uint WindowBackground = 0x80000005;
    static constexpr uint WindowText = 0x80000008;
    static constexpr uint FocusDefault = 12640511; // &HC0E0FF, light orange
    static constexpr uint Grey = 0x808080;

    static QColor toQColor(uint value);
};
