#include "SpreadPageRenderer.h"

#include "PrintCellText.h"
#include "PrintText.h"
#include "SpreadGrid.h"
#include "SpreadPrintLayout.h"

#include <QPainter>

namespace {
constexpr double GridPen = 10;   // twips
constexpr double BorderPen = 20; // twips
} // namespace

SpreadPageRenderer::SpreadPageRenderer(const SpreadGrid &grid, const SpreadPrintLayout &layout)
    : m_grid(grid), m_layout(layout)
{
}

void SpreadPageRenderer::render(QPainter &painter, const QRectF &target, int page) const
{
    const QSizeF paper = m_layout.paperSize();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / paper.width(), target.height() / paper.height());
    painter.fillRect(QRectF(QPointF(0, 0), paper), Qt::white);

    const QMarginsF margins = m_layout.margins();
    const double width = paper.width() - margins.left() - margins.right();
    const int pages = m_layout.pageCount();
    m_layout.header().draw(painter, QRectF(margins.left(), margins.top(), width, m_layout.header().height()), page,
                           pages);
    const double footerTop = paper.height() - margins.bottom() - m_layout.footer().height();
    m_layout.footer().draw(painter, QRectF(margins.left(), footerTop, width, m_layout.footer().height()), page, pages);

    painter.translate(m_layout.sheetArea().topLeft());
    painter.scale(m_layout.scale(), m_layout.scale());
    drawSheet(painter, frameOf(page));
    painter.restore();
}

SpreadPageRenderer::Frame SpreadPageRenderer::frameOf(int page) const
{
    Frame frame;
    double x = m_layout.rowHeaderWidth();
    for (int col : m_layout.pageColumns(page)) {
        frame.cols << col;
        frame.colLeft << x;
        x += m_layout.colWidth(col);
    }
    frame.colLeft << x;
    frame.width = x;
    std::tie(frame.firstRow, frame.lastRow) = m_layout.pageRows(page);
    double y = m_layout.headerHeight();
    for (int row = frame.firstRow; row <= frame.lastRow; ++row) {
        frame.rowTop << y;
        y += m_layout.rowHeight(row);
    }
    frame.rowTop << y;
    frame.height = y;
    return frame;
}

void SpreadPageRenderer::drawSheet(QPainter &painter, const Frame &frame) const
{
    drawColumnHeaders(painter, frame);
    drawRowHeaders(painter, frame);
    for (int index = 0; index < frame.cols.size(); ++index)
        drawColumn(painter, frame, index);
    if (m_grid.Print().PrintBorder) {
        painter.setPen(QPen(Qt::black, BorderPen));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0, 0, frame.width, frame.height));
    }
}

void SpreadPageRenderer::drawColumnHeaders(QPainter &painter, const Frame &frame) const
{
    double top = 0;
    for (int row : m_layout.headerRows()) {
        const double height = m_layout.rowHeight(row);
        if (m_layout.rowHeaders())
            drawCell(painter, QRectF(0, top, m_layout.rowHeaderWidth(), height), m_grid.cellLook(0, row), true);
        for (int index = 0; index < frame.cols.size(); ++index) {
            const QRectF rect(frame.colLeft[index], top, frame.colLeft[index + 1] - frame.colLeft[index], height);
            drawCell(painter, rect, m_grid.cellLook(frame.cols[index], row), true);
        }
        top += height;
    }
}

void SpreadPageRenderer::drawRowHeaders(QPainter &painter, const Frame &frame) const
{
    if (!m_layout.rowHeaders())
        return;
    for (int row = frame.firstRow; row <= frame.lastRow; ++row) {
        const int i = row - frame.firstRow;
        const QRectF rect(0, frame.rowTop[i], m_layout.rowHeaderWidth(), frame.rowTop[i + 1] - frame.rowTop[i]);
        drawCell(painter, rect, m_grid.cellLook(0, row), true);
    }
}

// One column of the page; a block of merged rows is drawn once, cut to the page.
void SpreadPageRenderer::drawColumn(QPainter &painter, const Frame &frame, int index) const
{
    const int col = frame.cols[index];
    const bool merging = m_grid.ColMerge(col) != MergeNone;
    const double left = frame.colLeft[index];
    const double width = frame.colLeft[index + 1] - left;
    for (int row = frame.firstRow; row <= frame.lastRow;) {
        int last = row;
        if (merging)
            last = qBound(row, m_grid.mergedRange(col, row).second, frame.lastRow);
        const double top = frame.rowTop[row - frame.firstRow];
        const double bottom = frame.rowTop[last - frame.firstRow + 1];
        drawCell(painter, QRectF(left, top, width, bottom - top), m_grid.cellLook(col, row), false);
        row = last + 1;
    }
}

void SpreadPageRenderer::drawCell(QPainter &painter, const QRectF &rect, const SpreadCellLook &look, bool heading) const
{
    const SpreadPrintSettings &print = m_grid.Print();
    QColor back = look.backColor;
    QColor fore = look.foreColor.isValid() ? look.foreColor : QColor(Qt::black);
    if (heading) {
        back = print.PrintShadows ? m_grid.ShadowColor() : QColor(Qt::white);
        fore = print.PrintShadows && m_grid.ShadowText().isValid() ? m_grid.ShadowText() : fore;
    }
    if (back.isValid() && back != QColor(Qt::white))
        painter.fillRect(rect, ink(back));
    if (print.PrintGrid) {
        painter.setPen(QPen(QColor(128, 128, 128), GridPen));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
    }
    if (look.text.isEmpty())
        return;
    const double inset = SpreadPrintLayout::TextInset;
    const QRectF textRect = rect.adjusted(inset, 0, -inset, 0);
    const PrintCellText fitted(look, textRect.width());
    // Only a cell too narrow for even the smallest text or an ellipsis overflows.
    const bool cut = PrintCellText::width(fitted.font(), fitted.text()) > textRect.width();
    painter.setPen(ink(fore));
    if (cut) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    PrintText::draw(painter, fitted.font(), textRect, look.alignment, fitted.text());
    if (cut)
        painter.restore();
}

QColor SpreadPageRenderer::ink(const QColor &colour) const
{
    if (m_grid.Print().PrintColor)
        return colour;
    const int grey = qGray(colour.rgb());
    return QColor(grey, grey, grey);
}
