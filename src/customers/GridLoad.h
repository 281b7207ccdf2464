#pragma once
#include "ChunkReader.h"
#include "WaitCursor.h"

#include <QElapsedTimer>

#include <functional>
#include <memory>

class FillProgress;
class Recordset;
class SpreadGrid;

// How every list is loaded: the grid is emptied at the start, with its active
// cell remembered, and the rows go into it lot by lot as they arrive. A long
// load keeps the window alive: the grid shows the rows so far, the count of
// them once the load has taken half a second, and the window moves and
// resizes. finish() gives the "조회 완료" notice and puts the cursor back on
// the same row, or on the last row when the list got shorter. A load whose
// statement failed, at its start or midway, leaves the grid empty and gets no
// notice: the error box has told the operator, and a part of the list must
// not pass for all of it.
class GridLoad {
public:
    // Writes one row of the list into grid row `row`.
    using RowWriter = std::function<void(int row, const Recordset &rows)>;

    GridLoad(SpreadGrid &grid, RowWriter writeRow);
    ~GridLoad();
    GridLoad(const GridLoad &) = delete;
    GridLoad &operator=(const GridLoad &) = delete;

    // What the read hands its rows to: add() for each lot, and the window's
    // life while the server prepares them.
    ChunkReader reader();
    void finish(bool loaded);

private:
    // Appends every row of the chunk, then lets the window paint and answer
    // when that is due. Always true: the load reads on.
    bool add(Recordset &chunk);
    void keepWindowAlive();

    WaitCursor m_wait;
    SpreadGrid &m_grid;
    RowWriter m_writeRow;
    int m_row;
    int m_col;
    QElapsedTimer m_clock;
    qint64 m_lastPaintMs = -1;
    std::unique_ptr<FillProgress> m_progress;
};
