#include "DateText.h"

#include "Clock.h"
#include "MessageBoxes.h"

#include <QRegularExpression>

const QString DateText::EmptyPattern = QStringLiteral("____-__-__");

QDate DateText::toDate(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d{4})([-/.])(\d{1,2})\2(\d{1,2})\s*$)"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return QDate();
    return QDate(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
}

QString DateText::format(const QDate &date)
{
    return QString::asprintf("%04d-%02d-%02d", date.year(), date.month(), date.day());
}

QString DateText::normalized(const QString &text)
{
    const QDate date = toDate(text);
    return date.isValid() ? format(date) : EmptyPattern;
}

QString DateText::today() { return format(Clock::today()); }

void DateText::showCheckMessage()
{
    MessageRequest request;
    request.text = QStringLiteral("날짜의 입력형식이 잘못 되었거나,") + QString(10, QLatin1Char(' '))
                   + QLatin1Char('\n') + QStringLiteral("존재하지 않는 날짜입니다.");
    request.title = QStringLiteral("날짜입력 확인");
    request.icon = MsgIcon::Information;
    MessageBoxes::show(request);
}
