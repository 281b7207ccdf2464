#pragma once
#include <QRectF>
#include <QString>

class QFont;
class QPainter;

// Draws a line of text word by word, stepping over the blanks: some Korean
// fonts carry a blank that PDF readers take for a control character, which
// breaks searching and copying the text of a printed file.
class PrintText {
public:
    static void draw(QPainter &painter, const QFont &font, const QPointF &baselineStart, const QString &text);
    // Aligned inside rect (horizontal and vertical alignment flags).
    static void draw(QPainter &painter, const QFont &font, const QRectF &rect, Qt::Alignment alignment,
                     const QString &text);
};
