#include "XlsxColumnWidths.h"

#include "SpreadNumberFormat.h"

#include <algorithm>

namespace {
constexpr double BoldFactor = 1.1;

// Characters that a worksheet shows two digits wide.
bool isWide(char16_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
           || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
           || (c >= 0xFFE0 && c <= 0xFFE6);
}

double textWidth(const QString &text)
{
    double width = 0;
    for (const QChar c : text)
        width += isWide(c.unicode()) ? 2 : 1;
    return width;
}
} // namespace

double XlsxColumnWidths::widthOf(const ExcelCell &cell)
{
    const QString shown = cell.isNumber ? SpreadNumberFormat::format(cell.number, cell.decPlaces, cell.showSep)
                                        : cell.text;
    if (shown.isEmpty())
        return 0;
    return textWidth(shown) * (cell.bold ? BoldFactor : 1) + Padding;
}

void XlsxColumnWidths::add(int col, const ExcelCell &cell) { m_widest[col] = std::max(m_widest[col], widthOf(cell)); }

double XlsxColumnWidths::width(int col, double least) const
{
    return std::max(least, std::min(m_widest[col], MaxWidth));
}
