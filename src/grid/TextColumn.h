#pragma once
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// The texts of one grid column: every cell's characters live in one shared
// buffer, each row keeps where its text starts and how long it is. Filling a
// column is appending to the buffer and emptying it frees one block, where a
// string per cell would cost an allocation to fill and a free to clear.
// A text that replaces a longer one is written over it; otherwise it goes to
// the end, and the buffer is packed again once more than half of it is unused.
class TextColumn {
public:
    int size() const { return static_cast<int>(m_spans.size()); }
    // New rows are empty; rows beyond the new size are dropped.
    void resize(int rows);
    // Valid until the column next changes.
    QStringView view(int row) const
    {
        const Span &s = m_spans[static_cast<size_t>(row)];
        return QStringView(m_chars.constData() + s.offset, s.length);
    }
    QString text(int row) const { return view(row).toString(); }
    bool isEmpty(int row) const { return m_spans[static_cast<size_t>(row)].length == 0; }
    void set(int row, QStringView text);
    // Rows first..last - 1 emptied.
    void clear(int first, int last);
    void insertEmpty(int row, int count);
    void erase(int row, int count);
    // Row i takes the text of row order[i]; order is a permutation of the
    // first order.size() rows (a sort of them).
    void reorder(const std::vector<int> &order);

private:
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    void release(const Span &span) { m_unused += span.length; }
    bool holds(QStringView text) const;
    void packIfWasteful();

    QString m_chars;
    std::vector<Span> m_spans;
    qsizetype m_unused = 0; // characters of the buffer no row refers to
};
