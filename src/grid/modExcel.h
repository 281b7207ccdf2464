#pragma once
#include <QString>

class SpreadGrid;

// Writes the grid into a new workbook "ExpExcel/Exp<YYMMDD_HHMMSS>.xlsx" in the
// program folder, with the log "...LOG.TXT" beside it; bHeaderRows puts the
// grid's column-header rows first. The grid is only read. Returns the file
// written, or "" when nothing was written.
QString ExportToExcelFile(const SpreadGrid &grid, const QString &sSheetName, bool bUnlock, bool bNoQuestion,
                          bool bWholeBook, bool bOpenAfter, bool bHeaderRows);
