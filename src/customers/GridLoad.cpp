#include "GridLoad.h"

#include "ShellUtils.h"
#include "SpreadGrid.h"

GridLoad::GridLoad(SpreadGrid &grid) : m_grid(grid), m_reDraw(grid), m_row(grid.ActiveRow()), m_col(grid.ActiveCol())
{
    m_grid.SetMaxRows(0);
}

void GridLoad::finish(bool loaded)
{
    if (loaded)
        ShowFloatMsg(QStringLiteral("조회 완료 하였습니다."), 500);
    if (m_row > 0 && m_row <= m_grid.MaxRows())
        m_grid.SetActiveCell(m_col, m_row);
    else if (m_grid.MaxRows() > 0)
        m_grid.SetActiveCell(m_col, m_grid.MaxRows());
}
