#include "SQLEscape.h"

QString SQLEscape(QString &value)
{
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0)
        value.truncate(nul);
    value.replace(QLatin1Char('\''), QLatin1String("''"));
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return escaped;
}

QString SQLEscaped(QString value) { return SQLEscape(value); }

QString SQLEscapedLike(QString value) { return SQLEscaped(value.replace(QLatin1Char('\\'), QLatin1String("\\\\"))); }
