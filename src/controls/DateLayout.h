#pragma once
#include <QRect>
#include <QRectF>
#include <QSizeF>

// Geometry of the date controls in twips (15 to a pixel), worked out from the
// control's inner size on every resize. Only the date fields grow or shrink;
// buttons keep their design widths, with 30-twip gaps.
class DateLayout {
public:
    static constexpr qreal Gap = 30;
    static constexpr qreal FieldWidth = 1185;
    static constexpr qreal FieldHeight = 330;
    static constexpr qreal CalendarWidth = 285;
    static constexpr qreal UpDownWidth = 240;
    static constexpr qreal FrameWidth = 1800;
    static constexpr qreal FrameHeight = 390;
    static constexpr qreal PresetsWidth = 240;

    struct Single {
        QRectF field;
        QRectF calendar;
    };
    struct Framed {
        QRectF field;
        QRectF upDown;
        QRectF calendar;
    };
    struct Period {
        QRectF frames[2];
        QRectF presets;
    };

    // The plain date box: field, then the calendar button.
    static Single single(const QSizeF &size);
    // A grey frame holding field, day up/down and calendar button; positions
    // are in the frame's parent, so they follow the frame's own position.
    static Framed framed(const QRectF &frame);
    // Two frames with the presets button between them.
    static Period period(const QSizeF &size);

    // Edges rounded to whole pixels (both edges, so neighbours stay aligned).
    static QRect toPixels(const QRectF &twips);
    static QSizeF toTwips(const QSize &pixels);
};
