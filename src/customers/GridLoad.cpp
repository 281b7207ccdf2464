#include "GridLoad.h"

#include "FillProgress.h"
#include "Recordset.h"
#include "ShellUtils.h"
#include "SpreadGrid.h"

#include <QCoreApplication>

namespace {
// Rows read from the server at a time.
constexpr int ChunkRows = 1024;
// The grid shows the new rows this often while they arrive, and at once
// after the first lot.
constexpr qint64 PaintEveryMs = 100;
// From then on the count of rows so far is shown as well.
constexpr qint64 CountAfterMs = 500;
} // namespace

GridLoad::GridLoad(SpreadGrid &grid, RowWriter writeRow)
    : m_grid(grid), m_writeRow(std::move(writeRow)), m_row(grid.ActiveRow()), m_col(grid.ActiveCol())
{
    m_grid.SetMaxRows(0);
    m_clock.start();
}

GridLoad::~GridLoad() = default;

ChunkReader GridLoad::reader()
{
    return {ChunkRows, [this](Recordset &chunk) { return add(chunk); }, [this] { keepWindowAlive(); }};
}

bool GridLoad::add(Recordset &chunk)
{
    m_grid.AppendRows(chunk.RecordCount(), [&](int first) {
        for (int row = first; !chunk.Eof(); ++row, chunk.MoveNext())
            m_writeRow(row, chunk);
    });
    keepWindowAlive();
    return true;
}

void GridLoad::keepWindowAlive()
{
    const qint64 now = m_clock.elapsed();
    if (m_lastPaintMs >= 0 && now - m_lastPaintMs < PaintEveryMs)
        return;
    if (now >= CountAfterMs) {
        if (!m_progress)
            m_progress = std::make_unique<FillProgress>(m_grid);
        m_progress->showRows(m_grid.MaxRows());
    }
    QCoreApplication::processEvents();
    m_grid.repaint();
    m_lastPaintMs = m_clock.elapsed();
}

void GridLoad::finish(bool loaded)
{
    m_progress.reset();
    if (loaded)
        ShowFloatMsg(QStringLiteral("조회 완료 하였습니다."), 500);
    else
        m_grid.SetMaxRows(0);
    if (m_row > 0 && m_row <= m_grid.MaxRows())
        m_grid.SetActiveCell(m_col, m_row);
    else if (m_grid.MaxRows() > 0)
        m_grid.SetActiveCell(m_col, m_grid.MaxRows());
}
