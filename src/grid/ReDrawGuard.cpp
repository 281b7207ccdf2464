#include "ReDrawGuard.h"

#include "SpreadGrid.h"

ReDrawGuard::ReDrawGuard(SpreadGrid &grid) : m_grid(grid), m_was(grid.ReDraw()) { m_grid.SetReDraw(false); }

ReDrawGuard::~ReDrawGuard() { m_grid.SetReDraw(m_was); }
