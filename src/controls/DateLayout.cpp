#include "DateLayout.h"

#include "Twips.h"

DateLayout::Single DateLayout::single(const QSizeF &size)
{
    Single layout;
    layout.field = QRectF(0, 0, size.width() - CalendarWidth - Gap, size.height());
    layout.calendar = QRectF(layout.field.width() + Gap, layout.field.top(), CalendarWidth, layout.field.height());
    return layout;
}

DateLayout::Framed DateLayout::framed(const QRectF &frame)
{
    Framed layout;
    layout.field = QRectF(frame.left() + Gap, frame.top() + Gap, frame.width() - UpDownWidth - CalendarWidth - 4 * Gap,
                          frame.height() - 2 * Gap);
    layout.upDown = QRectF(layout.field.right() + Gap, layout.field.top(), UpDownWidth, layout.field.height());
    layout.calendar = QRectF(layout.upDown.right() + Gap, layout.field.top(), CalendarWidth, layout.field.height());
    return layout;
}

DateLayout::Period DateLayout::period(const QSizeF &size)
{
    const qreal half = (size.width() - PresetsWidth - 2 * Gap) / 2;
    Period layout;
    layout.frames[0] = QRectF(0, 0, half, size.height());
    layout.frames[1] = QRectF(half + PresetsWidth + 2 * Gap, 0, half, size.height());
    layout.presets = QRectF(half + Gap, 0, PresetsWidth, size.height());
    return layout;
}

QRect DateLayout::toPixels(const QRectF &twips)
{
    const int left = qRound(twips.left() / TwipsPerPixel);
    const int top = qRound(twips.top() / TwipsPerPixel);
    const int right = qRound(twips.right() / TwipsPerPixel);
    const int bottom = qRound(twips.bottom() / TwipsPerPixel);
    return QRect(left, top, right - left, bottom - top);
}

QSizeF DateLayout::toTwips(const QSize &pixels)
{
    return QSizeF(pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height()));
}
