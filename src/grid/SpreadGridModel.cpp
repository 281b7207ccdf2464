#include "SpreadGridModel.h"

#include "SizeKeepingShift.h"
#include "SpreadNumberFormat.h"

#include <QBrush>

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

constexpr QRgb NegativeRed = 0xffff0000;

// Keys from..to (inclusive) removed.
template <class T> void eraseKeys(std::map<int, T> &m, int from, int to)
{
    m.erase(m.lower_bound(from), m.upper_bound(to));
}

// Keys >= from moved by delta.
template <class T> void moveKeys(std::map<int, T> &m, int from, int delta)
{
    std::vector<typename std::map<int, T>::node_type> nodes;
    for (auto it = m.lower_bound(from); it != m.end();)
        nodes.push_back(m.extract(it++));
    for (auto &node : nodes) {
        node.key() += delta;
        m.insert(std::move(node));
    }
}

// Keys replaced through newKey (the rows' order after a sort).
template <class T, class NewKey> void remapKeys(std::map<int, T> &m, NewKey newKey)
{
    std::map<int, T> result;
    for (auto &[key, value] : m)
        result.emplace(newKey(key), std::move(value));
    m.swap(result);
}

Qt::Alignment alignmentOf(const SpreadCellStyle &s, bool number)
{
    Qt::Alignment h = number ? Qt::AlignRight : Qt::AlignLeft;
    if (s.has(SpreadCellStyle::TypeHAlign))
        h = s.hAlign == TypeHAlignCenter  ? Qt::AlignHCenter
            : s.hAlign == TypeHAlignRight ? Qt::AlignRight
                                          : Qt::AlignLeft;
    const Qt::Alignment v = s.vAlign == TypeVAlignTop      ? Qt::AlignTop
                            : s.vAlign == TypeVAlignBottom ? Qt::AlignBottom
                                                           : Qt::AlignVCenter;
    return h | v;
}

} // namespace

SpreadGridModel::SpreadGridModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_headerText.resize(1, std::vector<QString>(1));
    m_cols.resize(1);
    m_cols[0].width = 5;
}

int SpreadGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_maxRows; }

int SpreadGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_maxCols; }

QVariant SpreadGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole: return displayText(col, row);
    case Qt::EditRole:
    case RawTextRole: return text(col, row);
    case Qt::ForegroundRole: return QBrush(look(col, row).foreColor);
    case Qt::BackgroundRole: return QBrush(look(col, row).backColor);
    case Qt::FontRole: return look(col, row).font;
    case Qt::TextAlignmentRole: return QVariant::fromValue(look(col, row).alignment);
    case CellTypeRole: return static_cast<int>(resolve(col, row).cellType);
    case ButtonTextRole: {
        const SpreadCellStyle s = resolve(col, row);
        return s.has(SpreadCellStyle::TypeButtonText) ? s.buttonText : QStringLiteral("...");
    }
    case LockedRole: return resolve(col, row).locked;
    default: return {};
    }
}

bool SpreadGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    const SpreadCellStyle s = resolve(col, row);
    if (s.locked || (s.cellType != CellTypeEdit && s.cellType != CellTypeNumber))
        return false;
    QString t = value.toString();
    if (s.cellType == CellTypeNumber && !t.trimmed().isEmpty()) {
        const auto number = SpreadNumberFormat::parse(t);
        if (!number)
            return false;
        t = SpreadNumberFormat::plain(std::clamp(*number, s.numberMin, s.numberMax), s.decPlaces);
    }
    setText(col, row, t);
    return true;
}

QVariant SpreadGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool horizontal = orientation == Qt::Horizontal;
    const int col = horizontal ? section + 1 : 0;
    const int row = horizontal ? 0 : section + 1;
    switch (role) {
    case Qt::DisplayRole: {
        if (!horizontal)
            return displayText(0, row);
        QStringList lines;
        for (int k = 0; k < colHeaderRows(); ++k)
            lines << text(col, k == 0 ? 0 : HeaderRowBase + k);
        return lines.join(QLatin1Char('\n'));
    }
    case Qt::FontRole: return look(col, row).font;
    case Qt::ForegroundRole: return QBrush(QColor::fromRgb(m_headerFore));
    case Qt::BackgroundRole: return QBrush(QColor::fromRgb(m_headerBack));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(horizontal ? look(col, 0).alignment : Qt::Alignment(Qt::AlignCenter));
    default: return {};
    }
}

Qt::ItemFlags SpreadGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const SpreadCellStyle s = resolve(index.column() + 1, index.row() + 1);
    if (!s.locked && (s.cellType == CellTypeEdit || s.cellType == CellTypeNumber))
        f |= Qt::ItemIsEditable;
    return f;
}

void SpreadGridModel::sort(int column, Qt::SortOrder order) { sortRows(column + 1, order == Qt::AscendingOrder); }

// --- size ---

void SpreadGridModel::setMaxRows(int rows)
{
    rows = std::max(0, rows);
    if (rows == m_maxRows)
        return;
    const bool grow = rows > m_maxRows;
    if (!m_suspended) {
        if (grow)
            beginInsertRows({}, m_maxRows, rows - 1);
        else
            beginRemoveRows({}, rows, m_maxRows - 1);
    }
    resizeRows(rows);
    if (!grow) {
        const int from = rows + 1;
        eraseKeys(m_rowHeaderText, from, m_maxRows);
        eraseKeys(m_rowHeights, from, m_maxRows);
        m_styles.eraseRows(from, m_maxRows);
    }
    m_maxRows = rows;
    if (!m_suspended) {
        if (grow)
            endInsertRows();
        else
            endRemoveRows();
    }
}

void SpreadGridModel::resizeRows(int rows)
{
    for (auto &column : m_text)
        column.resize(rows);
    if (rows == 0)
        for (ColumnInfo &info : m_cols)
            info.widest.clear();
}

void SpreadGridModel::appendRows(int count, const std::function<void(int firstRow)> &write)
{
    if (count <= 0)
        return;
    const int first = m_maxRows + 1;
    const bool announce = !m_suspended;
    if (announce)
        beginInsertRows({}, m_maxRows, m_maxRows + count - 1);
    resizeRows(m_maxRows + count);
    m_maxRows += count;
    m_suspended = true; // the cells are news only together with their rows
    write(first);
    m_suspended = !announce;
    if (announce)
        endInsertRows();
}

void SpreadGridModel::setMaxCols(int cols)
{
    cols = std::max(0, cols);
    if (cols == m_maxCols)
        return;
    const bool grow = cols > m_maxCols;
    if (!m_suspended) {
        if (grow)
            beginInsertColumns({}, m_maxCols, cols - 1);
        else
            beginRemoveColumns({}, cols, m_maxCols - 1);
    }
    m_text.resize(static_cast<size_t>(cols), blankColumn());
    for (auto &header : m_headerText)
        header.resize(static_cast<size_t>(cols) + 1);
    m_cols.resize(static_cast<size_t>(cols) + 1);
    m_styles.setColumnCount(cols);
    m_maxCols = cols;
    if (!m_suspended) {
        if (grow)
            endInsertColumns();
        else
            endRemoveColumns();
    }
}

void SpreadGridModel::setColHeaderRows(int rows)
{
    rows = std::max(1, rows);
    const int old = colHeaderRows();
    m_headerText.resize(static_cast<size_t>(rows), std::vector<QString>(m_maxCols + 1));
    if (rows < old) {
        eraseKeys(m_rowHeights, -old + 1, -rows);
        m_styles.eraseRows(-old + 1, -rows);
    }
    if (!m_suspended && m_maxCols > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_maxCols - 1);
}

int SpreadGridModel::dataRowCnt() const
{
    for (int r = m_maxRows; r >= 1; --r)
        for (const auto &column : m_text)
            if (!column.isEmpty(r - 1))
                return r;
    return 0;
}

void SpreadGridModel::shiftRowsDown(int row, int count)
{
    if (row < 1 || row > m_maxRows || count <= 0)
        return;
    count = std::min(count, m_maxRows - row + 1);
    const int keep = m_maxRows - count; // rows that stay, before the insert
    if (!m_suspended)
        beginRemoveRows({}, keep, m_maxRows - 1);
    for (auto &column : m_text)
        column.resize(keep);
    eraseKeys(m_rowHeaderText, keep + 1, m_maxRows);
    eraseKeys(m_rowHeights, keep + 1, m_maxRows);
    m_styles.eraseRows(keep + 1, m_maxRows);
    m_maxRows = keep;
    if (!m_suspended) {
        endRemoveRows();
        beginInsertRows({}, row - 1, row - 1 + count - 1);
    }
    for (auto &column : m_text)
        column.insertEmpty(row - 1, count);
    moveKeys(m_rowHeaderText, row, count);
    moveKeys(m_rowHeights, row, count);
    m_styles.moveRows(row, count);
    m_maxRows = keep + count;
    if (!m_suspended)
        endInsertRows();
}

void SpreadGridModel::shiftRowsUp(int row, int count)
{
    if (row < 1 || row > m_maxRows || count <= 0)
        return;
    count = std::min(count, m_maxRows - row + 1);
    const int last = row + count - 1;
    const int total = m_maxRows;
    if (!m_suspended)
        beginRemoveRows({}, row - 1, last - 1);
    for (auto &column : m_text)
        column.erase(row - 1, count);
    auto drop = [&](auto &m) {
        eraseKeys(m, row, last);
        moveKeys(m, last + 1, -count);
    };
    drop(m_rowHeaderText);
    drop(m_rowHeights);
    m_styles.eraseRows(row, last);
    m_styles.moveRows(last + 1, -count);
    m_maxRows = total - count;
    if (!m_suspended) {
        endRemoveRows();
        beginInsertRows({}, m_maxRows, total - 1);
    }
    for (auto &column : m_text)
        column.resize(total);
    m_maxRows = total;
    if (!m_suspended)
        endInsertRows();
}

void SpreadGridModel::shiftColVectors(int col, int count, bool insert)
{
    // col is a grid column (>= 1); vectors indexed by grid column hold col 0 too.
    auto shift = [&](auto &v, int pos, const auto &blank) {
        if (insert)
            insertKeepingSize(v, pos, count, blank);
        else
            removeKeepingSize(v, pos, count, blank);
    };
    shift(m_cols, col, ColumnInfo{});
    for (auto &header : m_headerText)
        shift(header, col, QString());
    shift(m_text, col - 1, blankColumn());
    if (insert)
        m_styles.insertColumns(col, count);
    else
        m_styles.removeColumns(col, count);
}

void SpreadGridModel::insertCols(int col, int count)
{
    if (col < 1 || col > m_maxCols || count <= 0)
        return;
    count = std::min(count, m_maxCols - col + 1);
    if (!m_suspended)
        beginResetModel();
    shiftColVectors(col, count, true);
    if (!m_suspended)
        endResetModel();
}

void SpreadGridModel::deleteCols(int col, int count)
{
    if (col < 1 || col > m_maxCols || count <= 0)
        return;
    count = std::min(count, m_maxCols - col + 1);
    if (!m_suspended)
        beginResetModel();
    shiftColVectors(col, count, false);
    if (!m_suspended)
        endResetModel();
}

// --- texts ---

int SpreadGridModel::headerIndex(int row) { return row == 0 ? 0 : row - HeaderRowBase; }

int SpreadGridModel::styleRowKey(int row) const { return row >= 1 ? row : -headerIndex(row); }

QString SpreadGridModel::text(int col, int row) const
{
    if (col < 0 || col > m_maxCols)
        return {};
    if (row >= 1) {
        if (row > m_maxRows)
            return {};
        if (col == 0) {
            const auto it = m_rowHeaderText.find(row);
            return it == m_rowHeaderText.end() ? QString() : it->second;
        }
        return m_text[static_cast<size_t>(col - 1)].text(row - 1);
    }
    const int k = headerIndex(row);
    if (k < 0 || k >= colHeaderRows())
        return {};
    return m_headerText[static_cast<size_t>(k)][static_cast<size_t>(col)];
}

bool SpreadGridModel::hasText(int col, int row) const { return !text(col, row).isEmpty(); }

QString &SpreadGridModel::headerTextRef(int col, int row)
{
    if (row >= 1)
        return m_rowHeaderText[row];
    return m_headerText[static_cast<size_t>(headerIndex(row))][static_cast<size_t>(col)];
}

TextColumn SpreadGridModel::blankColumn() const
{
    TextColumn column;
    column.resize(m_maxRows);
    return column;
}

void SpreadGridModel::setText(int col, int row, QStringView value)
{
    if (m_suspended && col >= 1 && row >= 1 && col <= m_maxCols && row <= m_maxRows) {
        m_text[static_cast<size_t>(col - 1)].set(row - 1, value); // the quiet fill of a whole list
        noteText(col, value);
    } else {
        setText(col, row, value.toString());
    }
}

void SpreadGridModel::setText(int col, int row, QString value)
{
    if (col < 0 || col > m_maxCols || row > m_maxRows)
        return;
    if (row <= 0) {
        const int k = headerIndex(row);
        if (k < 0 || k >= colHeaderRows())
            return;
    }
    if (col >= 1 && row >= 1) {
        TextColumn &column = m_text[static_cast<size_t>(col - 1)];
        if (column.view(row - 1) == value)
            return;
        column.set(row - 1, value);
        noteText(col, value);
        notifyCell(col, row);
        return;
    }
    QString &cell = headerTextRef(col, row);
    if (cell == value)
        return;
    cell = std::move(value);
    if (col == 0 && row >= 1 && cell.isEmpty())
        m_rowHeaderText.erase(row);
    notifyCell(col, row);
}

void SpreadGridModel::clearRange(int col, int row, int col2, int row2)
{
    if (col2 == AllCells)
        col2 = m_maxCols;
    if (row2 == AllCells)
        row2 = m_maxRows;
    col = std::max(1, col);
    row = std::max(1, row);
    col2 = std::min(col2, m_maxCols);
    row2 = std::min(row2, m_maxRows);
    if (col > col2 || row > row2)
        return;
    for (int c = col; c <= col2; ++c)
        m_text[static_cast<size_t>(c - 1)].clear(row - 1, row2);
    if (!m_suspended)
        emit dataChanged(index(row - 1, col - 1), index(row2 - 1, col2 - 1));
}

void SpreadGridModel::notifyCell(int col, int row)
{
    if (m_suspended)
        return;
    if (row <= 0 && col >= 1)
        emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    else if (col == 0 && row >= 1)
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    else if (row >= 1)
        emit dataChanged(index(row - 1, col - 1), index(row - 1, col - 1));
}

void SpreadGridModel::notifyAll()
{
    if (m_suspended)
        return;
    if (m_maxRows > 0 && m_maxCols > 0)
        emit dataChanged(index(0, 0), index(m_maxRows - 1, m_maxCols - 1));
    if (m_maxCols > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_maxCols - 1);
    if (m_maxRows > 0)
        emit headerDataChanged(Qt::Vertical, 0, m_maxRows - 1);
}

// --- attributes ---

void SpreadGridModel::setStyle(int col, int row, SpreadCellStyle::Field field, const SpreadCellStyle &value)
{
    if (col < AllCells || col > m_maxCols || row > m_maxRows)
        return;
    if (row < AllCells || row == 0) {
        const int k = headerIndex(row);
        if (k < 0 || k >= colHeaderRows())
            return;
    }
    if (col == AllCells && row == AllCells)
        m_styles.setSheet(field, value);
    else if (row == AllCells)
        m_styles.setColumn(col, field, value);
    else if (col == AllCells)
        m_styles.setRow(styleRowKey(row), field, value);
    else
        m_styles.setCell(col, styleRowKey(row), field, value);

    if (col != AllCells && row != AllCells)
        notifyCell(col, row);
    else
        notifyAll();
}

SpreadCellStyle SpreadGridModel::resolve(int col, int row) const { return m_styles.resolve(col, styleRowKey(row)); }

SpreadCellStyle SpreadGridModel::effectiveStyle(int col, int row) const { return resolve(col, row); }

QString SpreadGridModel::displayText(int col, int row) const
{
    const QString t = text(col, row);
    if (col == 0 && row >= 1)
        return t.isEmpty() ? QString::number(row) : t;
    if (row < 1 || t.isEmpty())
        return t;
    const SpreadCellStyle s = resolve(col, row);
    if (s.cellType != CellTypeNumber)
        return t;
    const auto number = SpreadNumberFormat::parse(t);
    return number ? SpreadNumberFormat::format(*number, s.decPlaces, s.showSep) : t;
}

SpreadCellLook SpreadGridModel::look(int col, int row) const
{
    const SpreadCellStyle s = resolve(col, row);
    SpreadCellLook l;
    l.cellType = static_cast<SpreadCellType>(s.cellType);
    l.locked = s.locked;
    l.text = displayText(col, row);
    l.font = m_baseFont;
    if (s.has(SpreadCellStyle::FontName))
        l.font.setFamily(s.fontName);
    if (s.has(SpreadCellStyle::FontSize) && s.fontSize > 0)
        l.font.setPointSizeF(s.fontSize);
    l.font.setBold(s.fontBold);
    l.font.setItalic(s.fontItalic);
    l.font.setUnderline(s.fontUnderline);
    l.font.setStrikeOut(s.fontStrikethru);

    const bool header = row < 1 || col == 0;
    const bool even = row % 2 == 0;
    QRgb fore = header ? m_headerFore : (m_oddEven ? (even ? m_evenFore : m_oddFore) : 0xff000000);
    QRgb back = header ? m_headerBack : (m_oddEven ? (even ? m_evenBack : m_oddBack) : 0xffffffff);
    if (s.has(SpreadCellStyle::ForeColor))
        fore = s.foreColor;
    if (s.has(SpreadCellStyle::BackColor))
        back = s.backColor;
    const bool number = !header && s.cellType == CellTypeNumber;
    if (number && s.negRed) {
        const auto value = SpreadNumberFormat::parse(text(col, row));
        if (value && *value < 0)
            fore = NegativeRed;
    }
    l.foreColor = QColor::fromRgb(fore);
    l.backColor = QColor::fromRgb(back);
    l.alignment = alignmentOf(s, number);
    return l;
}

void SpreadGridModel::setOddEvenRowColor(QRgb oddBack, QRgb oddFore, QRgb evenBack, QRgb evenFore)
{
    m_oddEven = true;
    m_oddBack = oddBack;
    m_oddFore = oddFore;
    m_evenBack = evenBack;
    m_evenFore = evenFore;
    notifyAll();
}

void SpreadGridModel::setBaseFont(const QFont &font)
{
    m_baseFont = font;
    notifyAll();
}

void SpreadGridModel::setHeaderColors(QRgb back, QRgb fore)
{
    m_headerBack = back;
    m_headerFore = fore;
    notifyAll();
}

// --- columns and rows ---

double SpreadGridModel::colWidth(int col) const
{
    return col >= 0 && col <= m_maxCols ? m_cols[static_cast<size_t>(col)].width : 0;
}

void SpreadGridModel::noteText(int col, QStringView value)
{
    QString &widest = m_cols[static_cast<size_t>(col)].widest;
    if (value.size() > widest.size())
        widest = value.toString();
}

QString SpreadGridModel::widestText(int col) const
{
    return col >= 1 && col <= m_maxCols ? m_cols[static_cast<size_t>(col)].widest : QString();
}

void SpreadGridModel::setStoredColWidth(int col, double width)
{
    if (col < 0 || col > m_maxCols)
        return;
    m_cols[static_cast<size_t>(col)].width = width;
    m_cols[static_cast<size_t>(col)].widthStored = true;
}

bool SpreadGridModel::colWidthStored(int col) const
{
    return col >= 0 && col <= m_maxCols && m_cols[static_cast<size_t>(col)].widthStored;
}

void SpreadGridModel::setColWidth(int col, double width)
{
    if (col == AllCells) {
        for (int c = 1; c <= m_maxCols; ++c)
            m_cols[static_cast<size_t>(c)].width = width;
    } else if (col >= 0 && col <= m_maxCols) {
        m_cols[static_cast<size_t>(col)].width = width;
    }
}

bool SpreadGridModel::colHidden(int col) const
{
    return col >= 0 && col <= m_maxCols && m_cols[static_cast<size_t>(col)].hidden;
}

void SpreadGridModel::setColHidden(int col, bool hidden)
{
    if (col >= 0 && col <= m_maxCols)
        m_cols[static_cast<size_t>(col)].hidden = hidden;
}

QString SpreadGridModel::colId(int col) const
{
    return col >= 0 && col <= m_maxCols ? m_cols[static_cast<size_t>(col)].id : QString();
}

void SpreadGridModel::setColId(int col, const QString &id)
{
    if (col >= 0 && col <= m_maxCols)
        m_cols[static_cast<size_t>(col)].id = id;
}

int SpreadGridModel::colNumberOfId(const QString &id) const
{
    for (int c = 1; c <= m_maxCols; ++c)
        if (m_cols[static_cast<size_t>(c)].id == id)
            return c;
    return 0;
}

SpreadMerge SpreadGridModel::colMerge(int col) const
{
    return col >= 1 && col <= m_maxCols ? m_cols[static_cast<size_t>(col)].merge : MergeNone;
}

void SpreadGridModel::setColMerge(int col, SpreadMerge merge)
{
    if (col == AllCells) {
        for (int c = 1; c <= m_maxCols; ++c)
            m_cols[static_cast<size_t>(c)].merge = merge;
    } else if (col >= 1 && col <= m_maxCols) {
        m_cols[static_cast<size_t>(col)].merge = merge;
    }
}

double SpreadGridModel::rowHeight(int row) const
{
    if (row == AllCells)
        return m_defaultRowHeight;
    const auto it = m_rowHeights.find(styleRowKey(row));
    return it == m_rowHeights.end() ? m_defaultRowHeight : it->second;
}

void SpreadGridModel::setRowHeight(int row, double height)
{
    if (height <= 0)
        return;
    if (row == AllCells) {
        m_defaultRowHeight = height;
        eraseKeys(m_rowHeights, 1, m_maxRows);
        return;
    }
    if (row > m_maxRows || (row < 1 && (headerIndex(row) < 0 || headerIndex(row) >= colHeaderRows())))
        return;
    m_rowHeights[styleRowKey(row)] = height;
}

bool SpreadGridModel::sameMergeText(int col, int rowA, int rowB) const
{
    const TextColumn &column = m_text[static_cast<size_t>(col - 1)];
    return !column.isEmpty(rowA - 1) && column.view(rowA - 1) == column.view(rowB - 1);
}

std::pair<int, int> SpreadGridModel::mergedRows(int col, int row) const
{
    const SpreadMerge merge = colMerge(col);
    if (merge == MergeNone || row < 1 || row > m_maxRows)
        return {row, row};
    int lo = 1;
    int hi = m_maxRows;
    if (merge == MergeRestricted) {
        if (colMerge(col - 1) == MergeNone)
            return {row, row};
        std::tie(lo, hi) = mergedRows(col - 1, row);
    }
    int first = row;
    while (first > lo && sameMergeText(col, first - 1, row))
        --first;
    int last = row;
    while (last < hi && sameMergeText(col, last + 1, row))
        ++last;
    return {first, last};
}

void SpreadGridModel::sortRows(int col, bool ascending)
{
    const int rows = dataRowCnt();
    if (col < 1 || col > m_maxCols || rows < 2)
        return;
    const TextColumn &keys = m_text[static_cast<size_t>(col - 1)];
    std::vector<std::optional<double>> numbers(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r)
        numbers[static_cast<size_t>(r)] = SpreadNumberFormat::parse(keys.text(r));
    std::vector<int> order(static_cast<size_t>(rows));
    std::iota(order.begin(), order.end(), 0);
    auto less = [&](int a, int b) {
        const auto &na = numbers[static_cast<size_t>(a)];
        const auto &nb = numbers[static_cast<size_t>(b)];
        if (na && nb)
            return *na < *nb;
        if (na || nb)
            return na.has_value(); // numbers before texts
        return QString::localeAwareCompare(keys.view(a), keys.view(b)) < 0;
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return ascending ? less(a, b) : less(b, a); });

    std::vector<int> newRowOf(static_cast<size_t>(rows) + 1);
    for (int i = 0; i < rows; ++i)
        newRowOf[static_cast<size_t>(order[i]) + 1] = i + 1;
    const auto newKey = [&](int key) { return key >= 1 && key <= rows ? newRowOf[static_cast<size_t>(key)] : key; };
    if (!m_suspended)
        beginResetModel();
    for (auto &column : m_text)
        column.reorder(order);
    remapKeys(m_rowHeights, newKey);
    m_styles.remapRows(newKey);
    if (!m_suspended)
        endResetModel();
}

void SpreadGridModel::suspendSignals()
{
    if (m_suspended)
        return;
    beginResetModel();
    m_suspended = true;
}

void SpreadGridModel::resumeSignals()
{
    if (!m_suspended)
        return;
    m_suspended = false;
    endResetModel();
}
