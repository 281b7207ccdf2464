#include "GridSelection.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>

#include <algorithm>
#include <climits>

GridSelection GridSelection::of(const QItemSelectionModel &selection)
{
    GridSelection held;
    for (const QItemSelectionRange &range : selection.selection()) {
        if (range.isValid())
            held.m_blocks.append({range.left() + 1, range.top() + 1, range.right() + 1, range.bottom() + 1});
    }
    return held;
}

SpreadCellRange GridSelection::bounds() const
{
    SpreadCellRange all{INT_MAX, INT_MAX, 0, 0};
    for (const SpreadCellRange &block : m_blocks) {
        all.col = std::min(all.col, block.col);
        all.row = std::min(all.row, block.row);
        all.col2 = std::max(all.col2, block.col2);
        all.row2 = std::max(all.row2, block.row2);
    }
    return all;
}

void GridSelection::insertCols(int col, int count)
{
    for (SpreadCellRange &block : m_blocks) {
        if (block.col >= col)
            block.col += count;
        if (block.col2 >= col)
            block.col2 += count;
    }
}

void GridSelection::deleteCols(int col, int count)
{
    const int last = col + count - 1;
    auto shifted = [&](int c, int inside) { return c > last ? c - count : c >= col ? inside : c; };
    QList<SpreadCellRange> kept;
    for (SpreadCellRange block : m_blocks) {
        block.col = shifted(block.col, col);
        block.col2 = shifted(block.col2, col - 1);
        if (block.col <= block.col2)
            kept.append(block);
    }
    m_blocks = kept;
}

void GridSelection::applyTo(QItemSelectionModel &selection) const
{
    const QAbstractItemModel *model = selection.model();
    const int cols = model->columnCount();
    const int rows = model->rowCount();
    QItemSelection items;
    for (const SpreadCellRange &block : m_blocks) {
        const int left = std::max(block.col, 1);
        const int top = std::max(block.row, 1);
        const int right = std::min(block.col2, cols);
        const int bottom = std::min(block.row2, rows);
        if (left <= right && top <= bottom)
            items.select(model->index(top - 1, left - 1), model->index(bottom - 1, right - 1));
    }
    selection.select(items, QItemSelectionModel::ClearAndSelect);
}
