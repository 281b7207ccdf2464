#pragma once
#include "ExcelCell.h"

// What a workbook writer reads: a block of cells, rows and columns from 0.
class ExcelSheetSource {
public:
    virtual ~ExcelSheetSource() = default;
    virtual int rowCount() const = 0;
    virtual int colCount() const = 0;
    virtual ExcelCell cell(int col, int row) const = 0;
    virtual double colWidth(int col) const = 0; // in characters
    virtual bool colHidden(int col) const = 0;
};
