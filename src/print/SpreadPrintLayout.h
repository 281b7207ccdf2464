#pragma once
#include "HeaderFooterBlock.h"

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QVector>

class SpreadGrid;

// The pages of a grid as printed with its print properties: paper, margins,
// header and footer, the columns of each page and the first row of each page.
// Everything is in twips of the page. Rows are split by their cumulative
// heights and columns by their widths; pages run down first, then across.
// Building it walks the rows once; a page is then found without walking.
// Columns print as wide as on screen, with three exceptions: a number column
// widens to its widest figure (taking the width back from the last text
// column when the sheet would no longer fit across the page), the row
// headers widen to the last row's number, and the last text column of a page
// takes the width the page has to spare.
class SpreadPrintLayout {
public:
    // Margins used when the sheet is fitted to the page (the stored margins
    // and orientation apply only to unscaled printing).
    static constexpr double FitMargin = 720;
    static constexpr double BlockGap = 120; // between the header or footer and the sheet
    static constexpr double TextInset = 30; // between a cell's edge and its text

    SpreadPrintLayout(const SpreadGrid &grid, const QPageSize &paper);

    int pageCount() const { return static_cast<int>(m_colBands.size() * m_rowStarts.size()); }
    // The first row of every page after the first, down the first page column.
    QList<int> pageBreakRows() const;

    QPageLayout::Orientation orientation() const { return m_orientation; }
    QSizeF paperSize() const { return m_paper; }     // twips, as oriented
    QMarginsF margins() const { return m_margins; }  // twips
    double scale() const { return m_scale; }         // 1, or less when fitted to the page
    QRectF sheetArea() const { return m_sheetArea; } // page twips where the sheet goes
    const HeaderFooterBlock &header() const { return m_header; }
    const HeaderFooterBlock &footer() const { return m_footer; }

    // What page (1-based) shows.
    QList<int> pageColumns(int page) const;
    std::pair<int, int> pageRows(int page) const; // first and last row
    QList<int> headerRows() const { return m_headerRows; }
    bool rowHeaders() const { return m_rowHeaderWidth > 0; }

    // Sheet sizes in unscaled twips.
    double colWidth(int col) const;
    double rowHeight(int row) const;
    double rowHeaderWidth() const { return m_rowHeaderWidth; }
    double headerHeight() const { return m_headerHeight; }

private:
    void chooseRange();
    void measureColumns();
    void widenForFigures();
    double printedWidth(int col, int row) const;
    int widestFigureRow(int col) const;
    int lastTextColumn(const QList<int> &cols) const;
    void shareWidth(double width);
    void stretchBands(double width);
    void choosePaper(const QPageSize &paper);
    void placeBlocks();
    void splitColumns(double width);
    void splitRows(double height);
    QSizeF paperFor(const QPageSize &paper, QPageLayout::Orientation orientation) const;
    double sheetWidth() const;

    const SpreadGrid &m_grid;
    int m_firstCol = 1;
    int m_lastCol = 0;
    int m_firstRow = 1;
    int m_lastRow = 0;
    QVector<double> m_colWidths; // by column number; 0 for hidden columns
    QVector<bool> m_figureCols;  // number columns, by column number
    double m_screenWidth = 0;    // of the columns at the screen's widths
    double m_twipsPerPixel = 15;
    QList<int> m_headerRows;
    double m_headerHeight = 0;
    double m_rowHeaderWidth = 0;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QSizeF m_paper;
    QMarginsF m_margins;
    double m_scale = 1;
    HeaderFooterBlock m_header;
    HeaderFooterBlock m_footer;
    QRectF m_sheetArea;
    QList<QList<int>> m_colBands;
    QList<int> m_rowStarts;
};
