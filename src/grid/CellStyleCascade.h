#pragma once
#include "RowKeyedMap.h"
#include "SpreadCellStyle.h"

#include <vector>

// The attributes of a grid's cells, written at four levels: the whole grid, a
// column, a row and a single cell. A cell shows the grid's style overlaid by
// its column's, its row's and its own, each level winning over the one before.
// Writing a field at a level clears that field on the more specific levels
// below it, as a spreadsheet does. Header rows take neither the grid's nor a
// column's style: they start as centred static text.
//
// Columns are numbered from 0 (the row headers); rows are addressed by key:
// data rows by their number (1, 2, ...), the column header rows as 0, -1, -2, ...
class CellStyleCascade {
public:
    CellStyleCascade();

    // Columns 0..cols; styles of columns that fall off go.
    void setColumnCount(int cols);

    void setSheet(SpreadCellStyle::Field field, const SpreadCellStyle &value);
    void setColumn(int col, SpreadCellStyle::Field field, const SpreadCellStyle &value);
    void setRow(int rowKey, SpreadCellStyle::Field field, const SpreadCellStyle &value);
    void setCell(int col, int rowKey, SpreadCellStyle::Field field, const SpreadCellStyle &value);

    // The style a cell shows; an empty style outside the columns.
    SpreadCellStyle resolve(int col, int rowKey) const;
    // What a data row of the column shows before its row or cell is styled:
    // the grid's style overlaid by the column's.
    SpreadCellStyle columnStyle(int col) const;

    // Rows: keys from..to (inclusive) dropped; keys >= from moved by delta
    // (the caller keeps two rows from meeting); every key replaced by newKey(key).
    void eraseRows(int from, int to);
    void moveRows(int from, int delta);
    template <class NewKey> void remapRows(NewKey newKey);

    // Columns col..col+count-1 inserted blank, pushing the last ones off, or
    // removed, leaving blank columns at the end; the column count stays.
    void insertColumns(int col, int count);
    void removeColumns(int col, int count);

private:
    void clearBelowSheet(SpreadCellStyle::Field field);
    void clearBelowColumn(int col, SpreadCellStyle::Field field);
    void clearBelowRow(int rowKey, SpreadCellStyle::Field field);
    template <class Apply> void forEachRowLevel(Apply apply);

    SpreadCellStyle m_sheet;
    std::vector<SpreadCellStyle> m_columns;            // [col], data rows only
    RowKeyedMap<SpreadCellStyle> m_rows;               // [row key]
    std::vector<RowKeyedMap<SpreadCellStyle>> m_cells; // [col][row key]
};

template <class Apply> void CellStyleCascade::forEachRowLevel(Apply apply)
{
    apply(m_rows);
    for (auto &cells : m_cells)
        apply(cells);
}

template <class NewKey> void CellStyleCascade::remapRows(NewKey newKey)
{
    forEachRowLevel([&](RowKeyedMap<SpreadCellStyle> &m) { m.remapKeys(newKey); });
}
