#include "HCTextLiveNumber.h"

#include "NumberText.h"

#include <algorithm>

namespace {
QString withDecimals(const QString &whole, int decPlace)
{
    return decPlace > 0 ? whole + u'.' + QString(decPlace, u'0') : whole;
}

// A separator left in front of the digits (the first digit of "1,234" deleted)
// belongs to no group: the text reads as the number it precedes.
QString withoutLeadingSeparators(QString text)
{
    for (qsizetype i = 0; i < text.size() && (text.at(i) < u'0' || text.at(i) > u'9');) {
        if (text.at(i) == u',')
            text.remove(i, 1);
        else
            ++i;
    }
    return text;
}
} // namespace

QString HCTextLiveNumber::displayFormat(int decPlace) { return withDecimals(QStringLiteral("#,##0"), decPlace); }

QString HCTextLiveNumber::valueFormat(int decPlace) { return withDecimals(QStringLiteral("0"), decPlace); }

HCTextLiveNumber::Result HCTextLiveNumber::reformat(const QString &text, int caret, int decPlace)
{
    const int excess = excessDecimals(text, decPlace);
    QString newText = formatted(withoutLeadingSeparators(text), excess, decPlace);
    if (newText.contains(u'-'))
        newText = u'-' + QString(newText).remove(u'-');
    if (newText == text)
        return {text, caret};
    return {newText, movedCaret(text, newText, caret, excess, decPlace)};
}

// Decimals typed beyond decPlace behind the first point.
int HCTextLiveNumber::excessDecimals(const QString &text, int decPlace)
{
    const qsizetype point = text.indexOf(u'.');
    if (decPlace <= 0 || point < 0)
        return 0;
    return static_cast<int>(text.size() - (point + 1)) - decPlace;
}

QString HCTextLiveNumber::formatted(const QString &text, int excess, int decPlace)
{
    const QString format = displayFormat(decPlace);
    if (excess >= 1) // extra decimals are dropped, not rounded
        return FormatNumberText(text.left(text.size() - excess), format);
    if (text == QLatin1String("-"))
        return text;
    if (text == QLatin1String("-0"))
        return u'-' + FormatNumber(0, format);
    return FormatNumberText(text, format);
}

int HCTextLiveNumber::movedCaret(const QString &oldText, const QString &newText, int caret, int excess, int decPlace)
{
    int moved = caret;
    if (newText.size() > oldText.size()) {
        if (oldText.contains(u'.') || decPlace < 1)
            moved = caret + 1;
    } else if (newText.size() < oldText.size() && excess < 1) {
        moved = std::max(caret - 1, 0);
    }
    return std::clamp(moved, 0, static_cast<int>(newText.size()));
}
