#include "HCTextFrame.h"

#include "Twips.h"

HCTextFrame::Layout HCTextFrame::compute(int frameWidth, QSize surface, int topMagin)
{
    const int w = surface.width();
    const int h = surface.height();
    Layout layout;
    const int left = frameWidth * TwipsPerPixel;
    const int top = h < 2 * topMagin ? 0 : left + topMagin;
    layout.whiteSurface = top > 0;
    layout.box = QRect(left, top, w - 2 * left, h - 2 * top);
    layout.lines = lines(frameWidth, surface);
    return layout;
}

std::array<QLine, 4> HCTextFrame::lines(int frameWidth, QSize surface)
{
    int nearOffset = 0;
    int farOffset = 0;
    if (frameWidth == 1) {
        farOffset = TwipsPerPixel;
    } else if (frameWidth >= 2) {
        nearOffset = TwipsPerPixel;
        farOffset = (frameWidth - 1) * TwipsPerPixel;
    }
    const int w = surface.width();
    const int h = surface.height();
    return {QLine(0, nearOffset, w, nearOffset), QLine(0, h - farOffset, w, h - farOffset),
            QLine(nearOffset, 0, nearOffset, h), QLine(w - farOffset, 0, w - farOffset, h)};
}
