#pragma once
#include "ExcelSheetSource.h"

#include <QString>

struct XlsxWriteResult {
    bool ok = false;
    QString message; // what went wrong, empty on success
    int rows = 0;
    int cols = 0;
};

// Writes one sheet into a new .xlsx workbook, row by row with the memory
// held flat (rows go out in order and are not kept). The sheet is protected:
// cells whose source says locked stay locked, the others are editable. The
// workbook is written beside path and takes its name only when complete: a
// failed write leaves no file and an existing file is never replaced. Each
// column is as wide as the source says or as its widest value needs.
class XlsxSheetWriter {
public:
    explicit XlsxSheetWriter(bool unlockAll = false) : m_unlockAll(unlockAll) {}
    XlsxWriteResult write(const ExcelSheetSource &source, const QString &path, const QString &sheetName) const;

private:
    XlsxWriteResult writeWorkbook(const ExcelSheetSource &source, const QString &path, const QString &sheetName) const;

    bool m_unlockAll;
};
