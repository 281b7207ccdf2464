#pragma once
#include "SpreadPrintSettings.h"

#include <QList>

class QItemSelectionModel;

// The blocks of cells a grid has selected, in grid numbers (from 1), kept
// while the view cannot hold them (painting off, the model being reset) and
// moved along when columns are inserted or deleted meanwhile.
class GridSelection {
public:
    static GridSelection of(const QItemSelectionModel &selection);

    bool isEmpty() const { return m_blocks.isEmpty(); }
    // The smallest block holding every selected cell.
    SpreadCellRange bounds() const;

    // count columns inserted before col: the blocks from col on move right.
    void insertCols(int col, int count);
    // Columns col to col + count - 1 deleted: their cells leave the blocks,
    // the blocks right of them move left.
    void deleteCols(int col, int count);

    // Selects the blocks again, cut to the model's size.
    void applyTo(QItemSelectionModel &selection) const;

private:
    QList<SpreadCellRange> m_blocks;
};
