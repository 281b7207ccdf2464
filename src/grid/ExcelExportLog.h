#pragma once
#include <QDateTime>
#include <QString>

// The log written beside an export: what was written, when, and how it ended.
struct ExcelExportLogEntry {
    QDateTime started;
    QString file;
    QString sheet;
    int rows = 0;
    int cols = 0;
    qint64 milliseconds = 0;
    bool ok = false;
    QString message;
};

class ExcelExportLog {
public:
    // False when the log could not be written.
    static bool write(const QString &path, const ExcelExportLogEntry &entry);
};
