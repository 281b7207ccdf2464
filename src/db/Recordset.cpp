#include "Recordset.h"

void Recordset::addColumn(const QString &name, unsigned long declaredSize)
{
    m_names.push_back(name);
    m_sizes.push_back(declaredSize);
}

void Recordset::appendRow(const QStringList &values)
{
    for (const QString &v : values)
        appendValue(v);
    endRow();
}

void Recordset::appendValue(QStringView value)
{
    m_text.append(value);
    m_ends.push_back(static_cast<quint32>(m_text.size()));
}

void Recordset::appendValue(QLatin1StringView value)
{
    m_text.append(value);
    m_ends.push_back(static_cast<quint32>(m_text.size()));
}

void Recordset::endRow() { ++m_rowCount; }

void Recordset::clearRows()
{
    m_text.truncate(0);
    m_ends.clear();
    m_rowCount = 0;
    m_cursor = 0;
}

void Recordset::reserveRows(std::size_t rows) { m_ends.reserve(rows * m_names.size()); }

int Recordset::FieldIndex(const QString &name) const
{
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i].compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

QStringView Recordset::FieldView(int index) const
{
    if (m_state != Open || Eof() || index < 0 || index >= FieldCount())
        return {};
    const std::size_t cell = m_cursor * m_names.size() + static_cast<std::size_t>(index);
    const quint32 begin = cell == 0 ? 0 : m_ends[cell - 1];
    return QStringView(m_text).mid(begin, m_ends[cell] - begin);
}

void Recordset::Close()
{
    m_state = Closed;
    m_text.clear();
    m_text.squeeze();
    m_ends = {};
    m_rowCount = 0;
    m_cursor = 0;
}

std::size_t Recordset::memoryUsed() const
{
    return static_cast<std::size_t>(m_text.capacity()) * sizeof(QChar) + m_ends.capacity() * sizeof(quint32);
}
