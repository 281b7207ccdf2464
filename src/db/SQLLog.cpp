#include "SQLLog.h"

#include "Clock.h"
#include "Cp949.h"
#include "DataFolder.h"

#include <QFile>

namespace {
bool logFailureReported = false;
} // namespace

std::optional<DBError> AppendSQLLog(const QString &sql)
{
    const QDateTime now = Clock::now();
    const QString line = now.toString(QStringLiteral("yyMMddHHmmss")) + QLatin1Char('\t') + sql + QLatin1Char(';');
    QFile file(SQLLogFile(now.date()));
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Append)
                         && file.write(ScrambleLogLine(line).toLatin1() + "\r\n") >= 0 && file.flush();
    if (written)
        logFailureReported = false;
    if (written || logFailureReported)
        return std::nullopt;
    logFailureReported = true;
    return DBError{DBError::Kind::SQLLog, 0, file.errorString(), file.fileName(), {}};
}

QString ScrambleLogLine(const QString &line)
{
    QString out;
    out.reserve(line.size() * 4);
    for (QChar c : line) {
        int code = Cp949::codeOf(c);
        if (code < 0)
            code = '?';
        const QString hex = QString::number(code, 16).toUpper();
        QString group;
        if (hex.size() == 2)
            group = hex + QLatin1String("00");
        else if (hex.size() == 1)
            group = QLatin1String("000") + hex;
        else
            group = hex.rightJustified(4, QLatin1Char('0'));
        // The two halves of every group of four change places.
        out += group.mid(2, 2) + group.left(2);
    }
    return out;
}

QString SQLLogFile(const QDate &day)
{
    return DataFolder::file(QStringLiteral("SQLLog_") + day.toString(QStringLiteral("yyMMdd"))
                            + QStringLiteral(".dat"));
}
