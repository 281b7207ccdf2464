#include "TextColumn.h"

#include <algorithm>

namespace {
// Below this many unused characters packing is not worth a pass.
constexpr qsizetype PackThreshold = 4096;
} // namespace

void TextColumn::resize(int rows)
{
    rows = std::max(0, rows);
    for (size_t r = static_cast<size_t>(rows); r < m_spans.size(); ++r)
        release(m_spans[r]);
    m_spans.resize(static_cast<size_t>(rows));
    packIfWasteful();
}

bool TextColumn::holds(QStringView text) const
{
    const QChar *begin = m_chars.constData();
    return !text.isEmpty() && text.data() >= begin && text.data() < begin + m_chars.size();
}

void TextColumn::set(int row, QStringView text)
{
    if (holds(text)) { // a text of this column: copied before the buffer moves
        const QString copy = text.toString();
        set(row, copy);
        return;
    }
    Span &span = m_spans[static_cast<size_t>(row)];
    const auto length = static_cast<std::uint32_t>(text.size());
    if (length <= span.length && length > 0) {
        std::copy(text.begin(), text.end(), m_chars.data() + span.offset);
        m_unused += span.length - length;
        span.length = length;
        return;
    }
    release(span);
    span = {static_cast<std::uint32_t>(m_chars.size()), length};
    m_chars.append(text);
    packIfWasteful();
}

void TextColumn::clear(int first, int last)
{
    for (int r = first; r < last; ++r) {
        release(m_spans[static_cast<size_t>(r)]);
        m_spans[static_cast<size_t>(r)] = {};
    }
    packIfWasteful();
}

void TextColumn::insertEmpty(int row, int count)
{
    m_spans.insert(m_spans.begin() + row, static_cast<size_t>(count), Span{});
}

void TextColumn::erase(int row, int count)
{
    const auto first = m_spans.begin() + row;
    std::for_each(first, first + count, [this](const Span &s) { release(s); });
    m_spans.erase(first, first + count);
    packIfWasteful();
}

void TextColumn::reorder(const std::vector<int> &order)
{
    std::vector<Span> moved(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        moved[i] = m_spans[static_cast<size_t>(order[i])];
    std::copy(moved.begin(), moved.end(), m_spans.begin());
}

void TextColumn::packIfWasteful()
{
    if (m_unused == m_chars.size()) { // nothing in use: let the whole buffer go
        m_chars = QString();
        m_unused = 0;
        return;
    }
    if (m_unused < PackThreshold || m_unused * 2 < m_chars.size())
        return;
    QString packed;
    packed.reserve(m_chars.size() - m_unused);
    for (Span &span : m_spans) {
        const QStringView text(m_chars.constData() + span.offset, span.length);
        span.offset = static_cast<std::uint32_t>(packed.size());
        packed.append(text);
    }
    m_chars.swap(packed);
    m_unused = 0;
}
