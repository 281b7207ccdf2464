#pragma once
#include "ReDrawGuard.h"
#include "WaitCursor.h"

class SpreadGrid;

// How every list is loaded: hourglass and painting off for the whole load, the
// active cell remembered and the grid emptied at the start; finish() gives the
// "조회 완료" notice and puts the cursor back on the same row, or on the last
// row when the list got shorter. A load whose statement failed gets no notice:
// the error box has told the operator.
class GridLoad {
public:
    explicit GridLoad(SpreadGrid &grid);
    void finish(bool loaded);

private:
    WaitCursor m_wait;
    SpreadGrid &m_grid;
    ReDrawGuard m_reDraw;
    int m_row;
    int m_col;
};
