#pragma once
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// A disconnected table of text values, as every query hands it back: columns
// with names and declared sizes, rows of text, and a cursor. Values live in one
// shared buffer with an offset table, so a large result costs little more than
// its text.
class Recordset {
public:
    enum State { Closed = 0, Open = 1 };

    void addColumn(const QString &name, unsigned long declaredSize);
    // Appends one row; values.size() must equal the column count.
    void appendRow(const QStringList &values);
    // Appends one value of the row being built; endRow() closes the row.
    void appendValue(QStringView value);
    void appendValue(QLatin1StringView value);
    void endRow();
    void reserveRows(std::size_t rows);
    // Every row dropped, the columns and the memory kept for the next rows.
    void clearRows();

    bool Eof() const { return m_cursor >= m_rowCount; }
    void MoveNext()
    {
        if (m_cursor < m_rowCount)
            ++m_cursor;
    }
    void MoveFirst() { m_cursor = 0; }
    int RecordCount() const { return static_cast<int>(m_rowCount); }
    int FieldCount() const { return static_cast<int>(m_names.size()); }
    QString FieldName(int index) const { return m_names.at(static_cast<std::size_t>(index)); }
    unsigned long FieldSize(int index) const { return m_sizes.at(static_cast<std::size_t>(index)); }
    // Index of the column (names compared without regard to case), -1 if none.
    int FieldIndex(const QString &name) const;

    // Value of a column in the current row; "" past the end or for an unknown column.
    QString Fields(int index) const { return FieldView(index).toString(); }
    QString Fields(const QString &name) const { return Fields(FieldIndex(name)); }
    QStringView FieldView(int index) const;

    State GetState() const { return m_state; }
    void Close();

    // Bytes held by the values (text and offsets), for memory accounting.
    std::size_t memoryUsed() const;

private:
    std::vector<QString> m_names;
    std::vector<unsigned long> m_sizes;
    QString m_text;              // every value, back to back
    std::vector<quint32> m_ends; // end offset of each value in m_text, row-major
    std::size_t m_rowCount = 0;
    std::size_t m_cursor = 0;
    State m_state = Open;
};

using RecordsetPtr = std::unique_ptr<Recordset>;
