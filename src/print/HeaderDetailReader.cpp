#include "HeaderDetailReader.h"

namespace {
constexpr QChar Slash = QLatin1Char('/');
constexpr QChar Quote = QLatin1Char('"');

QChar charAt(const QString &text, qsizetype index)
{
    return index >= 0 && index < text.size() ? text.at(index) : QChar();
}

MarkupFont emptyFont()
{
    MarkupFont font;
    font.size = 0;
    return font;
}
} // namespace

HeaderDetailReader::HeaderDetailReader() : m_font(emptyFont()) { m_stored.fill(emptyFont()); }

HeaderDetailReader::Result HeaderDetailReader::read(const QString &detailText)
{
    m_result = Result();
    m_line = 1;
    m_column = LeftColumn;
    m_stop = false;
    // The last character is never read on its own: reading ends before it.
    qsizetype i = 0;
    while (!m_stop && i < detailText.size() - 1) {
        if (detailText.at(i) == Slash) {
            i = readCode(detailText, i);
            continue;
        }
        const qsizetype next = detailText.indexOf(Slash, i);
        if (next < 0 || next - i >= MaxRun)
            break;
        Cell &cell = current();
        cell.hasText = true;
        cell.text = detailText.mid(i, next - i);
        cell.pageNumber = false;
        i = next;
    }
    return m_result;
}

qsizetype HeaderDetailReader::readCode(const QString &text, qsizetype i)
{
    const QChar code = charAt(text, i + 1);
    switch (code.unicode()) {
    case 'n': ++m_line; break;
    case 'l':
    case 'c':
    case 'r': {
        m_column = code == QLatin1Char('l') ? LeftColumn : code == QLatin1Char('c') ? CenterColumn : RightColumn;
        Cell &cell = current();
        cell.hasFont = true;
        cell.font = m_font;
        break;
    }
    case 'p': {
        Cell &cell = current();
        cell.pageNumber = true;
        cell.hasText = false;
        cell.text.clear();
        break;
    }
    case 'f': return readFontCode(text, i);
    default: break;
    }
    return i + 2;
}

qsizetype HeaderDetailReader::readFontCode(const QString &text, qsizetype i)
{
    const QChar kind = charAt(text, i + 2);
    const QChar arg = charAt(text, i + 3);
    switch (kind.unicode()) {
    case 'n':
    case 'z': {
        QString value;
        const qsizetype next = readQuotedValue(text, i + 4, &value);
        if (next < 0) {
            m_result.error = kind == QLatin1Char('n') ? QStringLiteral("Error parsing FONT NAME")
                                                      : QStringLiteral("Error parsing FONT SIZE");
            m_stop = true;
            return text.size();
        }
        if (kind == QLatin1Char('n'))
            m_font.name = value;
        else
            m_font.size = qRound(value.trimmed().toDouble());
        return next;
    }
    case 'b': m_font.bold = arg != QLatin1Char('0'); return i + 4;
    case 'i': m_font.italic = arg != QLatin1Char('0'); return i + 4;
    case 'u': m_font.underline = arg != QLatin1Char('0'); return i + 4;
    case 'k': m_font.strikeOut = arg != QLatin1Char('0'); return i + 4;
    case 's': m_stored[static_cast<size_t>(arg.isDigit() ? arg.digitValue() : 0)] = m_font; return i + 4;
    default:
        if (kind.isDigit() && kind.digitValue() >= 1)
            m_font = m_stored[static_cast<size_t>(kind.digitValue())];
        return i + 3;
    }
}

// The value starting at position start up to the next quote; -1 when no
// quote follows within the longest run. Returns the position after the quote.
qsizetype HeaderDetailReader::readQuotedValue(const QString &text, qsizetype start, QString *value) const
{
    const qsizetype close = text.indexOf(Quote, qMin(start, text.size()));
    if (close < 0 || close - start >= MaxRun)
        return -1;
    *value = text.mid(start, close - start);
    return close + 1;
}

HeaderDetailReader::Cell &HeaderDetailReader::current() { return m_result.cells[CellKey(m_line, m_column)]; }
