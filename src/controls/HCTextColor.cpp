#include "HCTextColor.h"

#include <QApplication>
#include <QPalette>

namespace HCTextColor {

namespace {
QColor systemColor(int index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 5: return palette.color(QPalette::Base);        // window background
    case 8: return palette.color(QPalette::Text);        // window text
    case 15: return palette.color(QPalette::Button);     // button face
    case 18: return palette.color(QPalette::ButtonText); // button text
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 17: return palette.color(QPalette::Disabled, QPalette::Text); // grey text
    default: return palette.color(QPalette::Text);
    }
}
} // namespace

QColor toQColor(int color)
{
    const auto bits = static_cast<unsigned int>(color);
    if (bits & 0x80000000u)
        return systemColor(static_cast<int>(bits & 0xFFu));
    return QColor(bits & 0xFFu, (bits >> 8) & 0xFFu, (bits >> 16) & 0xFFu);
}

} // namespace HCTextColor
