#include "GridSheetSource.h"

#include "SpreadGridModel.h"
#include "SpreadNumberFormat.h"

GridSheetSource::GridSheetSource(const SpreadGridModel &model)
    : m_model(model), m_rows(model.dataRowCnt())
{
}

int GridSheetSource::rowCount() const
{
    return m_rows;
}

int GridSheetSource::colCount() const
{
    return m_model.maxCols();
}

ExcelCell GridSheetSource::cell(int col, int row) const
{
    const int c = col + 1;
    const int r = row + 1;
    const SpreadCellStyle s = m_model.effectiveStyle(c, r);
    ExcelCell cell;
    cell.text = m_model.text(c, r);
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

double GridSheetSource::colWidth(int col) const
{
    return m_model.colWidth(col + 1);
}

bool GridSheetSource::colHidden(int col) const
{
    return m_model.colHidden(col + 1);
}
