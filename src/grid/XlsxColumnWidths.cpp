#include "XlsxColumnWidths.h"

#include <algorithm>
#include <cmath>

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

// The characters of a number as its format shows it ("-12,345.60"), counted
// without writing it out: this runs for every number of the sheet.
double numberWidth(const ExcelCell &cell)
{
    const double scale = std::pow(10.0, cell.decPlaces);
    const double shown = std::round(std::abs(cell.number) * scale) / scale;
    int digits = 1;
    for (double rest = shown; rest >= 10; rest /= 10)
        ++digits;
    double width = digits;
    if (cell.showSep)
        width += (digits - 1) / 3;
    if (cell.decPlaces > 0)
        width += cell.decPlaces + 1;
    if (cell.number < 0 && shown != 0)
        width += 1;
    return width;
}
} // namespace

double XlsxColumnWidths::widthOf(const ExcelCell &cell)
{
    if (!cell.isNumber && cell.text.isEmpty())
        return 0;
    const double width = cell.isNumber ? numberWidth(cell) : textWidth(cell.text);
    return width * (cell.bold ? BoldFactor : 1) + Padding;
}

void XlsxColumnWidths::add(int col, const ExcelCell &cell) { m_widest[col] = std::max(m_widest[col], widthOf(cell)); }

double XlsxColumnWidths::width(int col, double least) const
{
    return std::max(least, std::min(m_widest[col], MaxWidth));
}
