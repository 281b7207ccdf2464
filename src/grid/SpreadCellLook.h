#pragma once
#include "SpreadTypes.h"

#include <QColor>
#include <QFont>
#include <QString>

// How one cell shows: its formatted text and attributes after every level
// (cell, row, column, whole grid, odd/even colours, negative red) is applied.
struct SpreadCellLook {
    QString text; // as displayed, numbers formatted
    QFont font;
    QColor foreColor;
    QColor backColor;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    SpreadCellType cellType = CellTypeEdit;
    bool locked = false;
};
