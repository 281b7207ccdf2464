#pragma once

class SpreadGrid;

// Painting and model signals off for a scope (ReDraw false), back to what they
// were at its end, whatever way the scope is left.
class ReDrawGuard {
public:
    explicit ReDrawGuard(SpreadGrid &grid);
    ~ReDrawGuard();
    ReDrawGuard(const ReDrawGuard &) = delete;
    ReDrawGuard &operator=(const ReDrawGuard &) = delete;

private:
    SpreadGrid &m_grid;
    bool m_was;
};
