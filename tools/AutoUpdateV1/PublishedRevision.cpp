#include "PublishedRevision.h"

#include <QRegularExpression>
#include <cmath>

long PublishedRevision(const QString &versionText)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match = number.match(versionText);
    return match.hasMatch() ? std::lround(match.captured(0).trimmed().toDouble()) : 0;
}
