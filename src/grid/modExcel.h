#pragma once
#include <QString>

class SpreadGrid;

// Writes the grid into a new workbook "ExpExcel/Exp<YYMMDD_HHMMSS>.xlsx" in the
// program folder, with the log "...LOG.TXT" beside it. Returns the file
// written, or "" when nothing was written.
QString ExportToExcelFile(SpreadGrid &grid, const QString &sSheetName, bool bUnlock,
                          bool bNoQuestion, bool bWholeBook, bool bOpenAfter, bool bHeaderRows);
