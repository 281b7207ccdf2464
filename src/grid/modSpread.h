#pragma once

class SpreadGrid;

// The common look of every list of the program. The grid colours of the house
// look are applied when GridStyle::houseStyle() is on.
void CommonSpreadDesign(SpreadGrid &grid, bool bReadOnly, bool bClearRows, bool bColAction, bool bRowMode,
                        bool bOddEvenColor);

// Number cells in one column (row -1: every row): thousands separators, range
// -999999999999 to 999999999999.
void SetNumberColumn(SpreadGrid &grid, int nCol, int nDecPlaces, bool bVCenter, int nRow, bool bNegRed, bool bHCenter);
