#pragma once
#include "MarkupLine.h"

#include <QFont>
#include <QList>

class QPainter;
class QRectF;

// A page header or footer laid out from its mark-up, measured and drawn in
// twips. The mark-up is read once; drawing only fills in the page numbers.
class HeaderFooterBlock {
public:
    HeaderFooterBlock() = default;
    explicit HeaderFooterBlock(const QString &markup);

    bool isEmpty() const { return m_lines.isEmpty(); }
    double height() const { return m_height; }
    int lineCount() const { return static_cast<int>(m_lines.size()); }
    // Draws the lines from the top of area; parts left, centred and right.
    void draw(QPainter &painter, const QRectF &area, int page, int pageCount) const;

    static MarkupFont defaultFont();

private:
    struct Run {
        MarkupRunKind kind;
        QString text;
        QFont font;
    };
    struct Line {
        std::array<QList<Run>, 3> parts;
        double ascent = 0;
        double height = 0;
    };

    static QFont fontOf(const MarkupFont &font);
    static QString textOf(const Run &run, int page, int pageCount);
    static double widthOf(const QList<Run> &runs, int page, int pageCount);
    static void drawPart(QPainter &painter, const QList<Run> &runs, double x, double baseline, int page, int pageCount);

    QList<Line> m_lines;
    double m_height = 0;
};
