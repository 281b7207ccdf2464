#include "HCTextFinishing.h"

#include "Cp949.h"
#include "HCTextKeyRules.h"
#include "NumberText.h"

#include <QRegularExpression>

namespace {

QString digitsOf(const QString &text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

} // namespace

QString HCTextFinishing::withoutTrailingBlanks(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QString HCTextFinishing::number(const QString &text) { return LeadingNumber(text) == 0 ? QStringLiteral("0") : text; }

QString HCTextFinishing::telephone(const QString &text)
{
    if (text.size() < 6)
        return text;
    const QString result = IsNumericText(text) ? text : digitsOf(text);
    if (!IsNumericText(result) || result.size() < 5)
        return result;
    int area = 0;
    if (result.startsWith(QLatin1String("02")))
        area = 2;
    else if (result.startsWith(QLatin1String("0505")))
        area = 4;
    else if (result.startsWith(u'0') && result.size() > 8)
        area = 3;
    if (area == 0)
        return result.left(result.size() - 4) + u'-' + result.right(4);
    const qsizetype middle = result.size() - area - 4;
    if (middle < 1)
        return result;
    return result.left(area) + u'-' + result.mid(area, middle) + u'-' + result.right(4);
}

HCTextFinishing::Result HCTextFinishing::time(const QString &text)
{
    QString s;
    switch (text.size()) {
    case 1:
    case 2: s = FormatNumberText(text, QStringLiteral("00")) + QStringLiteral(":00"); break;
    case 4: s = text.left(2) + u':' + text.right(2); break;
    case 5: s = text.at(2) != u':' ? text.left(2) + u':' + text.right(2) : text; break;
    default: return {};
    }
    static const QRegularExpression validTime(QStringLiteral("^([01][0-9]|2[0-3]):[0-5][0-9]$"));
    if (validTime.match(s).hasMatch())
        return {s, {}};
    return {QString(), QStringLiteral("[") + s
                           + QStringLiteral("]는 시간형식이 아닙니다.(00:00~23:59)\n시:분 방식으로 입력하세요.\n"
                                            "예) 14:25 또는 1425\n     01:05 또는 0105")};
}

QString HCTextFinishing::dashedDigits(const QString &text)
{
    const QString plain = QString(text).remove(u'-');
    if (!IsNumericText(plain))
        return plain;
    const QString digits = FormatNumberText(plain, QStringLiteral("0")).rightJustified(10, u'0');
    const qsizetype head = digits.size() - 7;
    return digits.left(head) + u'-' + digits.mid(head, 3) + u'-' + digits.right(4);
}

HCTextFinishing::Result HCTextFinishing::formatted(int acceptType, const QString &text)
{
    switch (acceptType) {
    case HCTextKeyRules::Telephone: return {telephone(text), {}};
    case HCTextKeyRules::Time: return time(text);
    case HCTextKeyRules::DashedDigits: return {dashedDigits(text), {}};
    default: return {text, {}};
    }
}

HCTextFinishing::Result HCTextFinishing::withinByteLimit(const QString &text, int maxLength)
{
    const int bytes = Cp949::byteLength(text);
    if (text.isEmpty() || maxLength <= 0 || bytes <= maxLength)
        return {text, {}};
    return {Cp949::leftBytes(text, maxLength),
            QStringLiteral("최대 입력 길이를 초과하였습니다. 입력된 자료는 길이에 맞게 자동으로 짤립니다.\n\n"
                           "현재 입력된 길이는 %1 이며, 최대입력 길이는 %2 입니다.\n"
                           "(한글은 한 글자당 길이가 2입니다.)")
                .arg(bytes)
                .arg(maxLength)};
}
