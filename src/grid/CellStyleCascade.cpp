#include "CellStyleCascade.h"

#include "SizeKeepingShift.h"

#include <limits>

namespace {

constexpr int FirstDataRow = 1;
constexpr int LastRowKey = std::numeric_limits<int>::max();

// One field cleared for the row keys from..to; styles left empty go.
void clearField(RowKeyedMap<SpreadCellStyle> &m, int from, int to, SpreadCellStyle::Field field)
{
    m.eraseIf(from, to, [field](SpreadCellStyle &s) {
        s.clear(field);
        return s.isEmpty();
    });
}

} // namespace

CellStyleCascade::CellStyleCascade() { setColumnCount(0); }

void CellStyleCascade::setColumnCount(int cols)
{
    m_columns.resize(static_cast<size_t>(cols) + 1);
    m_cells.resize(static_cast<size_t>(cols) + 1);
}

void CellStyleCascade::setSheet(SpreadCellStyle::Field field, const SpreadCellStyle &value)
{
    clearBelowSheet(field);
    m_sheet.copyField(value, field);
}

void CellStyleCascade::setColumn(int col, SpreadCellStyle::Field field, const SpreadCellStyle &value)
{
    clearBelowColumn(col, field);
    m_columns[static_cast<size_t>(col)].copyField(value, field);
}

void CellStyleCascade::setRow(int rowKey, SpreadCellStyle::Field field, const SpreadCellStyle &value)
{
    clearBelowRow(rowKey, field);
    m_rows[rowKey].copyField(value, field);
}

void CellStyleCascade::setCell(int col, int rowKey, SpreadCellStyle::Field field, const SpreadCellStyle &value)
{
    m_cells[static_cast<size_t>(col)][rowKey].copyField(value, field);
}

void CellStyleCascade::clearBelowSheet(SpreadCellStyle::Field field)
{
    for (auto &s : m_columns)
        s.clear(field);
    forEachRowLevel([field](RowKeyedMap<SpreadCellStyle> &m) { clearField(m, FirstDataRow, LastRowKey, field); });
}

void CellStyleCascade::clearBelowColumn(int col, SpreadCellStyle::Field field)
{
    clearField(m_cells[static_cast<size_t>(col)], FirstDataRow, LastRowKey, field);
}

void CellStyleCascade::clearBelowRow(int rowKey, SpreadCellStyle::Field field)
{
    for (auto &cells : m_cells)
        clearField(cells, rowKey, rowKey, field);
}

SpreadCellStyle CellStyleCascade::resolve(int col, int rowKey) const
{
    SpreadCellStyle s;
    if (col < 0 || static_cast<size_t>(col) >= m_columns.size())
        return s;
    if (rowKey >= FirstDataRow) {
        s = columnStyle(col);
    } else {
        s.cellType = CellTypeStaticText;
        s.hAlign = TypeHAlignCenter;
        s.m_set |= SpreadCellStyle::TypeHAlign;
    }
    if (const auto it = m_rows.find(rowKey); it != m_rows.end())
        s.overlay(it->second);
    const auto &cells = m_cells[static_cast<size_t>(col)];
    if (const auto it = cells.find(rowKey); it != cells.end())
        s.overlay(it->second);
    return s;
}

SpreadCellStyle CellStyleCascade::columnStyle(int col) const
{
    if (col < 0 || static_cast<size_t>(col) >= m_columns.size())
        return {};
    SpreadCellStyle s = m_sheet;
    s.overlay(m_columns[static_cast<size_t>(col)]);
    return s;
}

void CellStyleCascade::eraseRows(int from, int to)
{
    forEachRowLevel([=](RowKeyedMap<SpreadCellStyle> &m) { m.erase(from, to); });
}

void CellStyleCascade::moveRows(int from, int delta)
{
    forEachRowLevel([=](RowKeyedMap<SpreadCellStyle> &m) { m.shiftKeys(from, delta); });
}

void CellStyleCascade::insertColumns(int col, int count)
{
    insertKeepingSize(m_columns, col, count);
    insertKeepingSize(m_cells, col, count);
}

void CellStyleCascade::removeColumns(int col, int count)
{
    removeKeepingSize(m_columns, col, count);
    removeKeepingSize(m_cells, col, count);
}
