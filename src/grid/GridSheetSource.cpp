#include "GridSheetSource.h"

#include "SpreadGridModel.h"
#include "SpreadNumberFormat.h"

namespace {
// What a header row's cells carry over the look of their column.
SpreadCellStyle headerLook()
{
    SpreadCellStyle look;
    look.cellType = CellTypeStaticText;
    look.hAlign = TypeHAlignCenter;
    look.vAlign = TypeVAlignCenter;
    look.fontBold = true;
    look.m_set = SpreadCellStyle::CellType | SpreadCellStyle::TypeHAlign | SpreadCellStyle::TypeVAlign
                 | SpreadCellStyle::FontBold;
    return look;
}
} // namespace

GridSheetSource::GridSheetSource(const SpreadGridModel &model, int headerRows)
    : m_model(model), m_headerRows(headerRows), m_rows(model.dataRowCnt())
{
}

int GridSheetSource::rowCount() const { return m_headerRows + m_rows; }

int GridSheetSource::colCount() const { return m_model.maxCols(); }

ExcelCell GridSheetSource::cell(int col, int row) const
{
    if (row < m_headerRows)
        return headerCell(col + 1, row);
    const int c = col + 1;
    const int r = row - m_headerRows + 1;
    return styledCell(m_model.text(c, r), m_model.effectiveStyle(c, r));
}

// A header row cell looks as a new top row of its column would with the
// header look written over it: the sheet's and the column's attributes.
ExcelCell GridSheetSource::headerCell(int col, int headerRow) const
{
    SpreadCellStyle style = m_model.columnStyle(col);
    style.overlay(headerLook());
    return styledCell(m_model.text(col, HeaderRowBase + headerRow), style);
}

ExcelCell GridSheetSource::styledCell(const QString &text, const SpreadCellStyle &s)
{
    ExcelCell cell;
    cell.text = text;
    if (s.cellType == CellTypeNumber) {
        if (const auto number = SpreadNumberFormat::parse(cell.text)) {
            cell.isNumber = true;
            cell.number = *number;
            cell.decPlaces = s.decPlaces;
            cell.showSep = s.showSep;
            cell.negRed = s.negRed;
        }
    }
    cell.bold = s.fontBold;
    if (s.has(SpreadCellStyle::ForeColor))
        cell.color = s.foreColor & 0xffffff;
    if (s.has(SpreadCellStyle::TypeHAlign))
        cell.hAlign = s.hAlign == TypeHAlignCenter  ? ExcelCell::HAlignCenter
                      : s.hAlign == TypeHAlignRight ? ExcelCell::HAlignRight
                                                    : ExcelCell::HAlignLeft;
    cell.vAlign = s.vAlign == TypeVAlignTop      ? ExcelCell::VAlignTop
                  : s.vAlign == TypeVAlignCenter ? ExcelCell::VAlignCenter
                                                 : ExcelCell::VAlignBottom;
    cell.locked = s.locked;
    return cell;
}

double GridSheetSource::colWidth(int col) const { return m_model.colWidth(col + 1); }

bool GridSheetSource::colHidden(int col) const { return m_model.colHidden(col + 1); }
