// Numbers typed as text: the leading-number reader, the numeric test and the
// two formatters. The first byte picks the pattern, the rest is the text.
#include "FuzzApp.h"
#include "NumberText.h"

#include <QRegularExpression>

#include <array>
#include <cmath>

namespace {

const std::array<QString, 7> patterns = {
    QStringLiteral("#,##0"), QStringLiteral("0"),         QStringLiteral("00"),     QStringLiteral("#,##0.00"),
    QStringLiteral("0.0"),   QStringLiteral("#,##0.000"), QStringLiteral("000000"),
};

qsizetype decimalsOf(const QString &pattern)
{
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : pattern.size() - point - 1;
}

// A formatted number: numeric, the pattern's count of decimals, no "-0".
void checkFormatted(const QString &result, const QString &pattern, const QString &input)
{
    const QString detail = input + QStringLiteral(" -> ") + result;
    fuzzCheck(IsNumericText(result), "formatted number is numeric", detail);
    const qsizetype point = result.indexOf(QLatin1Char('.'));
    const qsizetype decimals = point < 0 ? 0 : result.size() - point - 1;
    fuzzCheck(decimals == decimalsOf(pattern), "decimals as the pattern asks", detail);
    if (result.startsWith(QLatin1Char('-')))
        fuzzCheck(result.contains(QRegularExpression(QStringLiteral("[1-9]"))), "zero carries no sign", detail);
    if (!pattern.contains(QLatin1Char(',')))
        fuzzCheck(!result.contains(QLatin1Char(',')), "no separators unless asked", detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QString &pattern = patterns[data[0] % patterns.size()];
    const QString text = QString::fromUtf8(fuzzBytes(data + 1, size - 1));

    const double leading = LeadingNumber(text);
    const bool numeric = IsNumericText(text);
    const QString formatted = FormatNumberText(text, pattern);
    if (!numeric) {
        fuzzCheck(formatted == text, "non-numeric text unchanged", text + QStringLiteral(" -> ") + formatted);
        return 0;
    }
    checkFormatted(formatted, pattern, text);
    if (std::isfinite(leading) && std::fabs(leading) < 1e15)
        checkFormatted(FormatNumber(leading, pattern), pattern, text);
    return 0;
}
