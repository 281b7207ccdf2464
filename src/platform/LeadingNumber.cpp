#include "LeadingNumber.h"

#include <QStringView>

namespace {
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
} // namespace

double LeadingNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text.at(i)))
        ++i;
    const qsizetype start = i;
    const bool negative = i < n && text.at(i) == u'-';
    if (i < n && (text.at(i) == u'-' || text.at(i) == u'+'))
        ++i;
    // Up to 15 digits a whole number is exact in a double: no parse needed.
    constexpr qsizetype ExactDigits = 15;
    const qsizetype digitsStart = i;
    long long whole = 0;
    for (; i < n && isDigit(text.at(i)); ++i)
        if (i - digitsStart < ExactDigits)
            whole = whole * 10 + (text.at(i).unicode() - u'0');
    const qsizetype digits = i - digitsStart;
    const bool fraction = i < n && text.at(i) == u'.';
    if (!fraction && digits > 0 && digits <= ExactDigits)
        return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    if (fraction) {
        ++i;
        while (i < n && isDigit(text.at(i)))
            ++i;
    }
    bool ok = false;
    const double value = QStringView(text).mid(start, i - start).toDouble(&ok);
    return ok ? value : 0.0;
}
