#pragma once
#include "ExcelCell.h"

#include <QVector>

// The width each column of a worksheet needs to show its widest value, in the
// sheet's character units: a digit, Latin letter or sign counts one, a wide
// (Korean, Chinese, Japanese) character two; numbers as their format shows
// them; bold a tenth wider; and the cell's padding. A spreadsheet program
// shows a number too wide for its column as "####", so no number column is
// left narrower than its widest number.
class XlsxColumnWidths {
public:
    static constexpr double Padding = 1;
    static constexpr double MaxWidth = 100; // a long memo wraps the view no wider than this

    explicit XlsxColumnWidths(int cols) : m_widest(cols, 0) {}

    void add(int col, const ExcelCell &cell);
    // The width for the column: its widest value, at least least.
    double width(int col, double least) const;

    static double widthOf(const ExcelCell &cell);

private:
    QVector<double> m_widest;
};
