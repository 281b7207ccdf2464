#include "SpreadPrintLayout.h"

#include "PrintCellText.h"
#include "PrintFonts.h"
#include "SpreadGrid.h"

#include <QFontMetricsF>
#include <QTableView>

#include <array>

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
    const double width = m_sheetArea.width() / m_scale - m_rowHeaderWidth;
    shareWidth(width);
    splitColumns(width);
    stretchBands(width);
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
    m_figureCols.fill(false, m_colWidths.size());
    for (int col = m_firstCol; col <= m_lastCol; ++col) {
        m_colWidths[col] = m_grid.ColHidden(col) ? 0 : colWidth(col);
        m_figureCols[col] = m_grid.CellType(col, m_firstRow) == CellTypeNumber;
    }
    m_rowHeaderWidth = print.PrintRowHeaders && m_grid.RowHeadersShow() ? colWidth(0) : 0;
    m_headerRows.clear();
    m_headerHeight = 0;
    if (print.PrintColHeaders && m_grid.ColHeadersShow()) {
        for (int k = 0; k < m_grid.ColHeaderRows(); ++k) {
            m_headerRows << (k == 0 ? 0 : HeaderRowBase + k);
            m_headerHeight += rowHeight(m_headerRows.last());
        }
    }
    m_screenWidth = sheetWidth() - m_rowHeaderWidth;
    widenForFigures();
}

void SpreadPrintLayout::widenForFigures()
{
    if (m_firstRow > m_lastRow)
        return;
    if (m_rowHeaderWidth > 0)
        m_rowHeaderWidth = qMax(m_rowHeaderWidth, printedWidth(0, m_lastRow));
    for (int col = m_firstCol; col <= m_lastCol; ++col) {
        if (m_colWidths[col] > 0 && m_figureCols[col])
            m_colWidths[col] = qMax(m_colWidths[col], printedWidth(col, widestFigureRow(col)));
    }
}

// The width a cell's text needs on paper, with the insets on both sides.
double SpreadPrintLayout::printedWidth(int col, int row) const
{
    const SpreadCellLook look = m_grid.cellLook(col, row);
    return PrintCellText::width(PrintCellText::fontOf(look.font), look.text) + 2 * TextInset;
}

// The row whose figure is widest in the column's font, found by adding up
// the widths of its characters (figures are digits and signs, which fonts
// set without kerning); measured once per character.
int SpreadPrintLayout::widestFigureRow(int col) const
{
    const QFontMetricsF metrics(PrintCellText::fontOf(m_grid.cellLook(col, m_firstRow).font));
    std::array<double, 128> advance;
    advance.fill(-1);
    const auto widthOf = [&](QChar c) {
        if (c.unicode() >= advance.size())
            return metrics.horizontalAdvance(c);
        double &known = advance[c.unicode()];
        if (known < 0)
            known = metrics.horizontalAdvance(c);
        return known;
    };
    int widestRow = m_firstRow;
    double widest = -1;
    for (int row = m_firstRow; row <= m_lastRow; ++row) {
        double width = 0;
        for (const QChar c : m_grid.displayText(col, row))
            width += widthOf(c);
        if (width > widest) {
            widest = width;
            widestRow = row;
        }
    }
    return widestRow;
}

int SpreadPrintLayout::lastTextColumn(const QList<int> &cols) const
{
    for (auto it = cols.crbegin(); it != cols.crend(); ++it) {
        if (!m_figureCols[*it])
            return *it;
    }
    return 0;
}

// A sheet that fitted across the page with the screen's widths still does
// once its figures are widened: the last text column gives the width back,
// down to what its heading needs. Its text then ends in an ellipsis.
void SpreadPrintLayout::shareWidth(double width)
{
    const double excess = sheetWidth() - m_rowHeaderWidth - width;
    if (excess <= Tolerance || m_screenWidth > width + Tolerance)
        return;
    QList<int> shown;
    for (int col = m_firstCol; col <= m_lastCol; ++col) {
        if (m_colWidths[col] > 0)
            shown << col;
    }
    const int col = lastTextColumn(shown);
    if (col == 0)
        return;
    const double heading = m_headerRows.isEmpty() ? 2 * TextInset : printedWidth(col, m_headerRows.first());
    m_colWidths[col] = qMax(qMin(heading, m_colWidths[col]), m_colWidths[col] - excess);
}

void SpreadPrintLayout::stretchBands(double width)
{
    for (const QList<int> &band : std::as_const(m_colBands)) {
        double used = 0;
        for (int col : band)
            used += m_colWidths[col];
        const int col = lastTextColumn(band);
        if (col != 0 && used < width)
            m_colWidths[col] += width - used;
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
