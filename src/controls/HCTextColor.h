#pragma once
#include <QColor>

// Colours as the forms store them: 24-bit numbers with red in the low byte
// (&HBBGGRR), or system colours with the top bit set (&H80000008 = window text).
namespace HCTextColor {
constexpr int White = 0xFFFFFF;
constexpr int LightGrey = 0xE0E0E0;
constexpr int WindowText = static_cast<int>(0x80000008u);

QColor toQColor(int color);
} // namespace HCTextColor
