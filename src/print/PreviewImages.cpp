#include "PreviewImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
constexpr int Size = 16;
const QColor Enabled(0, 0, 0);
const QColor Disabled(128, 128, 128);

void arrow(QPainter &painter, bool right, const QColor &colour)
{
    QPainterPath path;
    if (right) {
        path.moveTo(5, 3);
        path.lineTo(12, 8);
        path.lineTo(5, 13);
    } else {
        path.moveTo(11, 3);
        path.lineTo(4, 8);
        path.lineTo(11, 13);
    }
    path.closeSubpath();
    painter.fillPath(path, colour);
}

void magnifier(QPainter &painter)
{
    painter.setPen(QPen(Enabled, 1.5));
    painter.setBrush(QColor(224, 240, 255));
    painter.drawEllipse(QRectF(2, 2, 8, 8));
    painter.setPen(QPen(Enabled, 2.5));
    painter.drawLine(QPointF(9, 9), QPointF(14, 14));
}

void printer(QPainter &painter)
{
    painter.setPen(Enabled);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 8, 5);
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRect(1, 6, 14, 6);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 8, 5);
}

void setup(QPainter &painter)
{
    painter.setPen(Enabled);
    painter.setBrush(Qt::white);
    painter.drawRect(3, 1, 10, 14);
    painter.drawLine(5, 4, 11, 4);
    painter.drawLine(5, 7, 11, 7);
    painter.drawLine(5, 10, 9, 10);
}

void cross(QPainter &painter)
{
    painter.setPen(QPen(QColor(160, 0, 0), 2.5));
    painter.drawLine(QPointF(3, 3), QPointF(13, 13));
    painter.drawLine(QPointF(13, 3), QPointF(3, 13));
}
} // namespace

QIcon PreviewImages::image(int number)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (number) {
    case Zoom: magnifier(painter); break;
    case Previous:
    case PreviousDisabled: arrow(painter, false, number == Previous ? Enabled : Disabled); break;
    case Print: printer(painter); break;
    case Next:
    case NextDisabled: arrow(painter, true, number == Next ? Enabled : Disabled); break;
    case Setup: setup(painter); break;
    case Close: cross(painter); break;
    default: break;
    }
    painter.end();
    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Disabled); // the disabled picture is chosen explicitly
    return icon;
}
