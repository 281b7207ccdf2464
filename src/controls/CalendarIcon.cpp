#include "CalendarIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {
constexpr int Side = 16;

QPixmap calendarPage(qreal scale)
{
    QPixmap page(qRound(Side * scale), qRound(Side * scale));
    page.setDevicePixelRatio(scale);
    page.fill(Qt::transparent);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRectF sheet(1.5, 2.5, 13, 12);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.fillRect(QRectF(2, 3, 12, 3), QColor(210, 40, 40));
    painter.fillRect(QRectF(4, 1, 1, 3), QColor(60, 60, 60));
    painter.fillRect(QRectF(11, 1, 1, 3), QColor(60, 60, 60));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            painter.fillRect(QRectF(3 + col * 3, 7.5 + row * 2.5, 2, 1.5), QColor(70, 70, 70));
    return page;
}
} // namespace

QIcon CalendarIcon()
{
    QIcon icon;
    for (const qreal scale : {1.0, 1.5, 2.0, 3.0})
        icon.addPixmap(calendarPage(scale));
    return icon;
}
