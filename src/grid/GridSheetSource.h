#pragma once
#include "ExcelSheetSource.h"

class SpreadGridModel;

// The data rows and columns of a grid as a workbook writer reads them:
// number cells holding a number go out as numbers with the grid's format.
class GridSheetSource : public ExcelSheetSource {
public:
    explicit GridSheetSource(const SpreadGridModel &model);
    int rowCount() const override;
    int colCount() const override;
    ExcelCell cell(int col, int row) const override;
    double colWidth(int col) const override;
    bool colHidden(int col) const override;

private:
    const SpreadGridModel &m_model;
    int m_rows;
};
