#include "SpreadPrintLayout.h"

#include "PrintFonts.h"
#include "SpreadGrid.h"

#include <QTableView>

namespace {
constexpr double Tolerance = 0.01; // twips of rounding allowed when filling a page
constexpr double TwipsPerInch = 1440;

QPageLayout::Orientation orientationOf(int printOrientation)
{
    return printOrientation == PrintOrientationLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}
} // namespace

SpreadPrintLayout::SpreadPrintLayout(const SpreadGrid &grid, const QPageSize &paper) : m_grid(grid)
{
    chooseRange();
    measureColumns();
    choosePaper(paper);
    placeBlocks();
    splitColumns(m_sheetArea.width() / m_scale - m_rowHeaderWidth);
    splitRows(m_sheetArea.height() / m_scale - m_headerHeight);
}

void SpreadPrintLayout::chooseRange()
{
    const SpreadPrintSettings &print = m_grid.Print();
    const int maxCols = m_grid.MaxCols();
    const int maxRows = m_grid.MaxRows();
    if (print.PrintType == PrintTypeCellRange) {
        const SpreadCellRange &range = print.PrintRange;
        m_firstCol = qMax(1, qMin(range.col, range.col2));
        m_lastCol = qMin(maxCols, qMax(range.col, range.col2));
        m_firstRow = qMax(1, qMin(range.row, range.row2));
        m_lastRow = qMin(maxRows, qMax(range.row, range.row2));
        return;
    }
    m_firstCol = 1;
    m_lastCol = maxCols;
    m_firstRow = 1;
    m_lastRow = print.PrintUseDataMax ? m_grid.DataRowCnt() : maxRows;
}

// A column is as wide on paper as on screen, scaled as its text is: a point
// is 20 twips on paper and logical dpi / 72 pixels on screen. Cells print in
// the fonts the screen shows, so a text shown in full shows in full on paper.
void SpreadPrintLayout::measureColumns()
{
    const SpreadPrintSettings &print = m_grid.Print();
    m_twipsPerPixel = TwipsPerInch / qMax(1, m_grid.view()->logicalDpiY());
    m_colWidths.fill(0, qMax(0, m_lastCol) + 1);
    for (int col = m_firstCol; col <= m_lastCol; ++col)
        m_colWidths[col] = m_grid.ColHidden(col) ? 0 : colWidth(col);
    m_rowHeaderWidth = print.PrintRowHeaders && m_grid.RowHeadersShow() ? colWidth(0) : 0;
    m_headerRows.clear();
    m_headerHeight = 0;
    if (print.PrintColHeaders && m_grid.ColHeadersShow()) {
        for (int k = 0; k < m_grid.ColHeaderRows(); ++k) {
            m_headerRows << (k == 0 ? 0 : HeaderRowBase + k);
            m_headerHeight += rowHeight(m_headerRows.last());
        }
    }
}

double SpreadPrintLayout::colWidth(int col) const
{
    if (col > 0 && col < m_colWidths.size() && m_colWidths[col] > 0)
        return m_colWidths[col];
    return m_grid.ColWidthPixels(col) * m_twipsPerPixel;
}

double SpreadPrintLayout::rowHeight(int row) const
{
    return qMax(1.0, m_grid.RowHeight(row) * PrintFonts::TwipsPerPoint);
}

double SpreadPrintLayout::sheetWidth() const
{
    double width = m_rowHeaderWidth;
    for (double w : m_colWidths)
        width += w;
    return width;
}

QSizeF SpreadPrintLayout::paperFor(const QPageSize &paper, QPageLayout::Orientation orientation) const
{
    const QSizeF size = paper.size(QPageSize::Inch) * TwipsPerInch;
    return orientation == QPageLayout::Landscape ? size.transposed() : size;
}

void SpreadPrintLayout::choosePaper(const QPageSize &paper)
{
    const SpreadPrintSettings &print = m_grid.Print();
    if (print.PrintScalingMethod == 0) {
        m_orientation = orientationOf(print.PrintOrientation);
        m_paper = paperFor(paper, m_orientation);
        m_margins = QMarginsF(qMax(0, print.PrintMarginLeft), qMax(0, print.PrintMarginTop),
                              qMax(0, print.PrintMarginRight), qMax(0, print.PrintMarginBottom));
        m_scale = 1;
        return;
    }
    // Fit to page: all columns on one page width, shrunk but never enlarged,
    // in the orientation that shrinks them least.
    m_margins = QMarginsF(FitMargin, FitMargin, FitMargin, FitMargin);
    const double width = qMax(1.0, sheetWidth());
    auto scaleFor = [&](QPageLayout::Orientation orientation) {
        return qMin(1.0, (paperFor(paper, orientation).width() - 2 * FitMargin) / width);
    };
    const double portrait = scaleFor(QPageLayout::Portrait);
    const double landscape = scaleFor(QPageLayout::Landscape);
    m_orientation = landscape > portrait ? QPageLayout::Landscape : QPageLayout::Portrait;
    m_scale = qMax(0.01, qMax(portrait, landscape));
    m_paper = paperFor(paper, m_orientation);
}

void SpreadPrintLayout::placeBlocks()
{
    const SpreadPrintSettings &print = m_grid.Print();
    m_header = HeaderFooterBlock(print.PrintHeader);
    m_footer = HeaderFooterBlock(print.PrintFooter);
    const double top = m_margins.top() + m_header.height() + (m_header.isEmpty() ? 0 : BlockGap);
    const double bottom = m_paper.height() - m_margins.bottom() - m_footer.height()
                          - (m_footer.isEmpty() ? 0 : BlockGap);
    const double left = m_margins.left();
    const double right = m_paper.width() - m_margins.right();
    m_sheetArea = QRectF(left, top, qMax(0.0, right - left), qMax(0.0, bottom - top));
}

void SpreadPrintLayout::splitColumns(double width)
{
    m_colBands.clear();
    QList<int> band;
    double used = 0;
    for (int col = m_firstCol; col <= m_lastCol; ++col) {
        const double w = m_colWidths[col];
        if (w <= 0)
            continue;
        if (!band.isEmpty() && used + w > width + Tolerance) {
            m_colBands.append(band);
            band.clear();
            used = 0;
        }
        band.append(col);
        used += w;
    }
    m_colBands.append(band);
}

void SpreadPrintLayout::splitRows(double height)
{
    m_rowStarts = {m_firstRow};
    double used = 0;
    for (int row = m_firstRow; row <= m_lastRow; ++row) {
        const double h = rowHeight(row);
        if (used > 0 && used + h > height + Tolerance) {
            m_rowStarts.append(row);
            used = 0;
        }
        used += h;
    }
}

QList<int> SpreadPrintLayout::pageBreakRows() const { return m_rowStarts.mid(1); }

QList<int> SpreadPrintLayout::pageColumns(int page) const
{
    const int index = qBound(0, page - 1, pageCount() - 1);
    return m_colBands.at(index / static_cast<int>(m_rowStarts.size()));
}

std::pair<int, int> SpreadPrintLayout::pageRows(int page) const
{
    const int index = qBound(0, page - 1, pageCount() - 1);
    const int band = index % static_cast<int>(m_rowStarts.size());
    const int first = m_rowStarts.at(band);
    const int last = band + 1 < m_rowStarts.size() ? m_rowStarts.at(band + 1) - 1 : m_lastRow;
    return {first, last};
}
