// Filling and scrolling a grid of 100,000 rows x 8 columns, against filling a
// plain vector with the same strings, and repaint cost at 100 vs 100,000 rows.
#include "ReDrawGuard.h"
#include "SpreadGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rows = 100000;
constexpr int Cols = 8;

QString cellText(int row, int col)
{
    return col == 4 ? QString::number(row * 17) : QStringLiteral("row %1 col %2").arg(row).arg(col);
}

// The texts of the cells, made beforehand, for the copy-only comparison.
const std::vector<QString> &readyTexts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> v;
        v.reserve(static_cast<size_t>(Rows) * Cols);
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c)
                v.push_back(cellText(r, c));
        return v;
    }();
    return texts;
}

template <class Text> double fillVector(Text text)
{
    QElapsedTimer t;
    t.start();
    std::vector<QString> cells(static_cast<size_t>(Rows) * Cols);
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Cols; ++c)
            cells[static_cast<size_t>(r - 1) * Cols + (c - 1)] = text(r, c);
    return t.nsecsElapsed() / 1e6;
}

template <class Text> double fillGrid(SpreadGrid &grid, int rows, Text text)
{
    QElapsedTimer t;
    t.start();
    ReDrawGuard quiet(grid);
    grid.SetMaxRows(0);
    grid.SetMaxRows(rows);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= Cols; ++c)
            grid.SetText(c, r, text(r, c));
    return t.nsecsElapsed() / 1e6;
}

QString readyText(int r, int c) { return readyTexts()[static_cast<size_t>(r - 1) * Cols + (c - 1)]; }

// Best of three alternating runs of the vector and the grid.
std::pair<double, double> compareFill(SpreadGrid &grid, QString (*text)(int, int))
{
    double vectorMs = 1e18;
    double gridMs = 1e18;
    for (int i = 0; i < 3; ++i) {
        vectorMs = std::min(vectorMs, fillVector(text));
        gridMs = std::min(gridMs, fillGrid(grid, Rows, text));
    }
    return {vectorMs, gridMs};
}

// Best average time of one full repaint of the visible cells, at the top and at the end.
double repaintCost(SpreadGrid &grid)
{
    QTableView *view = grid.view();
    constexpr int Repeats = 40;
    double best = 1e18;
    for (int block = 0; block < 5; ++block) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < Repeats; ++i) {
            view->verticalScrollBar()->setValue(i % 2 ? view->verticalScrollBar()->maximum() : 0);
            view->viewport()->repaint();
        }
        best = std::min(best, t.nsecsElapsed() / 1e6 / Repeats);
    }
    return best;
}

SpreadGrid *makeGrid()
{
    auto *grid = new SpreadGrid;
    grid->SetMaxCols(Cols);
    grid->SetCol(4);
    grid->SetRow(-1);
    grid->SetCellType(CellTypeNumber);
    grid->SetTypeNumberShowSep(true);
    grid->resize(900, 600);
    return grid;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    SpreadGrid *big = makeGrid();
    readyTexts();
    const auto [readyVector, readyGrid] = compareFill(*big, readyText);
    const auto [vectorMs, gridMs] = compareFill(*big, cellText);

    QElapsedTimer t;
    t.start();
    big->show();
    big->SetActiveCell(1, Rows);
    QApplication::processEvents();
    big->view()->viewport()->repaint();
    const double showMs = t.nsecsElapsed() / 1e6;

    SpreadGrid *small = makeGrid();
    fillGrid(*small, 100, cellText);
    small->show();
    QApplication::processEvents();
    const double smallRepaint = repaintCost(*small);
    const double bigRepaint = repaintCost(*big);

    std::printf("fill %d x %d, texts made while filling: vector %.1f ms, grid (painting off) %.1f ms, "
                "ratio %.2f (target <= 2)\n",
                Rows, Cols, vectorMs, gridMs, gridMs / vectorMs);
    std::printf("fill %d x %d, texts made beforehand:   vector %.1f ms, grid (painting off) %.1f ms, "
                "ratio %.2f\n",
                Rows, Cols, readyVector, readyGrid, readyGrid / readyVector);
    std::printf("show the filled grid and go to the last row: %.1f ms\n", showMs);
    std::printf("repaint per screen with scrolling: 100 rows %.2f ms, %d rows %.2f ms, ratio %.2f (target ~1)\n",
                smallRepaint, Rows, bigRepaint, bigRepaint / smallRepaint);
    delete big;
    delete small;
    return 0;
}
