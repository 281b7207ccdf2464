#include "PrintText.h"

#include <QFontMetricsF>
#include <QPainter>

void PrintText::draw(QPainter &painter, const QFont &font, const QPointF &baselineStart, const QString &text)
{
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype blank = text.indexOf(QLatin1Char(' '), start);
        const qsizetype end = blank < 0 ? text.size() : blank;
        if (end > start) {
            const double offset = metrics.horizontalAdvance(text.left(start));
            painter.drawText(baselineStart + QPointF(offset, 0), text.mid(start, end - start));
        }
        start = end + 1;
    }
}

void PrintText::draw(QPainter &painter, const QFont &font, const QRectF &rect, Qt::Alignment alignment,
                     const QString &text)
{
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    double x = rect.left();
    if (alignment & Qt::AlignRight)
        x = rect.right() - width;
    else if (alignment & Qt::AlignHCenter)
        x = rect.center().x() - width / 2;
    double baseline = rect.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    if (alignment & Qt::AlignTop)
        baseline = rect.top() + metrics.ascent();
    else if (alignment & Qt::AlignBottom)
        baseline = rect.bottom() - metrics.descent();
    draw(painter, font, QPointF(x, baseline), text);
}
