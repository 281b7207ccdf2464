#include "GetCellText.h"

#include "SpreadGrid.h"

QString GetCellText(const SpreadGrid &grid, int col, int row)
{
    if (col == ActiveCellIndex)
        col = grid.ActiveCol();
    if (row == ActiveCellIndex)
        row = grid.ActiveRow();
    QString value;
    return grid.GetText(col, row, value) ? value : QString();
}
