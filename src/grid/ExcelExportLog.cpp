#include "ExcelExportLog.h"

#include <QFile>
#include <QTextStream>

bool ExcelExportLog::write(const QString &path, const ExcelExportLogEntry &e)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "Export started: " << e.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << '\n'
        << "File: " << e.file << '\n'
        << "Sheet: " << e.sheet << '\n'
        << "Rows: " << e.rows << '\n'
        << "Columns: " << e.cols << '\n'
        << "Time: " << e.milliseconds << " ms" << '\n'
        << "Result: " << (e.ok ? QStringLiteral("success") : QStringLiteral("failed"));
    if (!e.message.isEmpty())
        out << " (" << e.message << ')';
    out << '\n';
    out.flush();
    return file.error() == QFileDevice::NoError;
}
