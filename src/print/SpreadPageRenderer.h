#pragma once
#include <QColor>
#include <QRectF>
#include <QVector>

class QPainter;
class SpreadGrid;
class SpreadPrintLayout;
struct SpreadCellLook;

// Draws one page of a laid-out grid onto any painter: the preview's widget,
// a printer or a PDF file. target is the whole sheet of paper in the painter's
// coordinates; the page keeps its proportions only if target does.
class SpreadPageRenderer {
public:
    SpreadPageRenderer(const SpreadGrid &grid, const SpreadPrintLayout &layout);

    void render(QPainter &painter, const QRectF &target, int page) const;

private:
    struct Frame {
        QVector<int> cols;
        QVector<double> colLeft; // one more than cols: the right edge last
        int firstRow = 1;
        int lastRow = 0;
        QVector<double> rowTop; // rows firstRow..lastRow, then the bottom edge
        double width = 0;
        double height = 0;
    };

    Frame frameOf(int page) const;
    void drawSheet(QPainter &painter, const Frame &frame) const;
    void drawColumnHeaders(QPainter &painter, const Frame &frame) const;
    void drawRowHeaders(QPainter &painter, const Frame &frame) const;
    void drawColumn(QPainter &painter, const Frame &frame, int index) const;
    void drawCell(QPainter &painter, const QRectF &rect, const SpreadCellLook &look, bool heading) const;
    QColor ink(const QColor &colour) const;

    const SpreadGrid &m_grid;
    const SpreadPrintLayout &m_layout;
};
