#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// A number as its decimal digits, without any limit of precision.
struct Decimal {
    bool negative = false;
    QString whole;    // digits before the point, may be empty
    QString fraction; // digits after the point
};

struct Pattern {
    int minWhole = 1;
    bool grouped = false;
    int decimals = 0;
};

Pattern parsePattern(const QString &pattern)
{
    Pattern p;
    const qsizetype point = pattern.indexOf(u'.');
    const QString whole = point < 0 ? pattern : pattern.left(point);
    p.minWhole = static_cast<int>(whole.count(u'0'));
    p.grouped = whole.contains(u',');
    if (point >= 0)
        p.decimals = static_cast<int>(pattern.mid(point + 1).count(u'0'));
    return p;
}

// Parses text by the grammar of IsNumericText; false when it does not match.
bool parseDecimal(const QString &text, Decimal &out)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text.at(i)))
        ++i;
    if (i < n && (text.at(i) == u'-' || text.at(i) == u'+')) {
        out.negative = text.at(i) == u'-';
        ++i;
        while (i < n && isBlank(text.at(i)))
            ++i;
    }
    while (i < n && (isDigit(text.at(i)) || (text.at(i) == u',' && !out.whole.isEmpty()))) {
        if (text.at(i) != u',')
            out.whole += text.at(i);
        ++i;
    }
    if (i < n && text.at(i) == u'.') {
        ++i;
        while (i < n && isDigit(text.at(i)))
            out.fraction += text.at(i++);
    }
    while (i < n && isBlank(text.at(i)))
        ++i;
    return i == n && !(out.whole.isEmpty() && out.fraction.isEmpty());
}

// The digits of a finite double as they would be shown with 15 significant digits.
Decimal decimalFromDouble(double value)
{
    Decimal d;
    d.negative = value < 0;
    const QString text = QString::number(std::fabs(value), 'e', 14); // d.dddddddddddddde±x
    const qsizetype e = text.indexOf(u'e');
    QString digits = text.left(e).remove(u'.');
    const int exponent = text.mid(e + 1).toInt();
    const int pointAt = exponent + 1; // digits before the point
    if (pointAt <= 0) {
        d.fraction = QString(-pointAt, u'0') + digits;
    } else if (pointAt >= digits.size()) {
        d.whole = digits + QString(pointAt - digits.size(), u'0');
    } else {
        d.whole = digits.left(pointAt);
        d.fraction = digits.mid(pointAt);
    }
    return d;
}

// Adds one to the last digit of a digit string.
QString incremented(QString digits)
{
    qsizetype i = digits.size() - 1;
    while (i >= 0 && digits.at(i) == u'9')
        digits[i--] = u'0';
    if (i < 0)
        return QLatin1Char('1') + digits;
    digits[i] = QChar(digits.at(i).unicode() + 1);
    return digits;
}

bool allZeros(const QString &digits)
{
    return std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c == u'0'; });
}

QString grouped(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u',';
        out += digits.at(i);
    }
    return out;
}

QString format(const Decimal &d, const Pattern &p)
{
    QString fraction = d.fraction.leftJustified(p.decimals, u'0', true);
    QString all = d.whole + fraction;
    if (d.fraction.size() > p.decimals && d.fraction.at(p.decimals) >= u'5')
        all = incremented(all.isEmpty() ? QStringLiteral("0") : all);
    const qsizetype wholeLength = all.size() - p.decimals;
    QString whole = all.left(wholeLength);
    fraction = all.mid(wholeLength);
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole == QLatin1String("0") || whole.isEmpty())
        whole.clear();
    whole = whole.rightJustified(p.minWhole, u'0');
    const bool zero = allZeros(whole) && allZeros(fraction);
    QString out = p.grouped ? grouped(whole) : whole;
    if (p.decimals > 0)
        out += u'.' + fraction;
    return d.negative && !zero ? u'-' + out : out;
}

} // namespace

bool IsNumericText(const QString &text)
{
    Decimal d;
    return parseDecimal(text, d);
}

QString FormatNumber(double value, const QString &pattern)
{
    if (!std::isfinite(value))
        return QString::number(value);
    return format(decimalFromDouble(value), parsePattern(pattern));
}

QString FormatNumberText(const QString &text, const QString &pattern)
{
    Decimal d;
    if (!parseDecimal(text, d))
        return text;
    return format(d, parsePattern(pattern));
}
