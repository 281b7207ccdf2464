#pragma once
#include "ExcelSheetSource.h"

class SpreadGridModel;
struct SpreadCellStyle;

// The data rows and columns of a grid as a workbook writer reads them:
// number cells holding a number go out as numbers with the grid's format.
// Optionally the grid's column-header rows go first, read from the header
// and never written into the grid.
class GridSheetSource : public ExcelSheetSource {
public:
    explicit GridSheetSource(const SpreadGridModel &model, int headerRows = 0);
    int rowCount() const override;
    int colCount() const override;
    ExcelCell cell(int col, int row) const override;
    double colWidth(int col) const override;
    bool colHidden(int col) const override;

private:
    ExcelCell headerCell(int col, int headerRow) const;
    static ExcelCell styledCell(const QString &text, const SpreadCellStyle &style);

    const SpreadGridModel &m_model;
    int m_headerRows;
    int m_rows;
};
