#pragma once
#include <QString>

class SpreadGrid;

// The text of a cell as GetText gives it, "" when the cell has none; a column
// or row of -2 means the active column or row.
QString GetCellText(const SpreadGrid &grid, int col, int row);
