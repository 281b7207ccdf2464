#include "HeaderMarkup.h"

namespace {
constexpr QChar Slash = QLatin1Char('/');
constexpr QChar Quote = QLatin1Char('"');

QChar at(const QString &text, qsizetype index) { return index < text.size() ? text.at(index) : QChar(); }
} // namespace

HeaderMarkup::HeaderMarkup(const MarkupFont &defaultFont) : m_font(defaultFont) { m_stored.fill(defaultFont); }

QList<MarkupLine> HeaderMarkup::parse(const QString &markup, const MarkupFont &defaultFont)
{
    HeaderMarkup reader(defaultFont);
    reader.read(markup);
    return reader.m_lines;
}

void HeaderMarkup::read(const QString &markup)
{
    qsizetype i = 0;
    while (i < markup.size()) {
        if (markup.at(i) == Slash) {
            i = readCode(markup, i + 1);
            continue;
        }
        const qsizetype next = markup.indexOf(Slash, i);
        const qsizetype end = next < 0 ? markup.size() : next;
        addRun(MarkupRunKind::Text, markup.mid(i, end - i));
        i = end;
    }
    if (m_lineOpen)
        endLine();
}

// Reads the code after a slash at position at; returns the position after it.
qsizetype HeaderMarkup::readCode(const QString &markup, qsizetype at)
{
    const QChar code = ::at(markup, at);
    switch (code.unicode()) {
    case 'n': endLine(); return at + 1;
    case 'l':
    case 'c':
    case 'r':
        m_position = code == QLatin1Char('l') ? MarkupLeft : code == QLatin1Char('c') ? MarkupCenter : MarkupRight;
        m_lineOpen = true;
        return at + 1;
    case 'p':
        if (::at(markup, at + 1) == QLatin1Char('c')) {
            addRun(MarkupRunKind::PageCount);
            return at + 2;
        }
        addRun(MarkupRunKind::PageNumber);
        return at + 1;
    case '/': addRun(MarkupRunKind::Text, QString(Slash)); return at + 1;
    case 'f': return readFontCode(markup, at + 1);
    default: return qMin(markup.size(), at + 1);
    }
}

qsizetype HeaderMarkup::readFontCode(const QString &markup, qsizetype at)
{
    const QChar code = ::at(markup, at);
    const QChar arg = ::at(markup, at + 1);
    QString value;
    switch (code.unicode()) {
    case 'n': {
        const qsizetype next = readQuoted(markup, at + 1, &value);
        m_font.name = value;
        return next;
    }
    case 'z': {
        const qsizetype next = readQuoted(markup, at + 1, &value);
        bool ok = false;
        const double size = value.trimmed().toDouble(&ok);
        if (ok && size > 0 && size <= 400)
            m_font.size = size;
        return next;
    }
    case 'b':
    case 'i':
    case 'u':
    case 'k': {
        if (arg.isNull())
            return at + 1;
        const bool on = arg != QLatin1Char('0');
        bool &flag = code == QLatin1Char('b')   ? m_font.bold
                     : code == QLatin1Char('i') ? m_font.italic
                     : code == QLatin1Char('u') ? m_font.underline
                                                : m_font.strikeOut;
        flag = on;
        return at + 2;
    }
    case 's':
        if (arg.isDigit()) {
            m_stored[static_cast<size_t>(arg.digitValue())] = m_font;
            return at + 2;
        }
        return qMin(markup.size(), at + 1);
    default:
        if (code.isDigit())
            m_font = m_stored[static_cast<size_t>(code.digitValue())];
        return qMin(markup.size(), at + 1);
    }
}

// A value between quotes starting at at (the opening quote); without an
// opening quote the value runs to the next slash.
qsizetype HeaderMarkup::readQuoted(const QString &markup, qsizetype at, QString *value)
{
    if (::at(markup, at) != Quote) {
        const qsizetype next = markup.indexOf(Slash, at);
        const qsizetype end = next < 0 ? markup.size() : next;
        *value = markup.mid(at, end - at);
        return end;
    }
    const qsizetype close = markup.indexOf(Quote, at + 1);
    const qsizetype end = close < 0 ? markup.size() : close;
    *value = markup.mid(at + 1, end - at - 1);
    return close < 0 ? end : close + 1;
}

void HeaderMarkup::addRun(MarkupRunKind kind, const QString &text)
{
    m_line.parts[static_cast<size_t>(m_position)].append(MarkupRun{kind, text, m_font});
    m_lineOpen = true;
}

void HeaderMarkup::endLine()
{
    m_line.font = m_font;
    m_lines.append(m_line);
    m_line = MarkupLine();
    m_position = MarkupLeft;
    m_lineOpen = false;
}
