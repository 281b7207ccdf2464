#include "SpreadGrid.h"

#include "ReDrawGuard.h"
#include "SpreadGridDelegate.h"
#include "SpreadGridModel.h"
#include "SpreadGridView.h"
#include "SpreadNumberFormat.h"
#include "VirtualKeys.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Pixels left over beside a cell's widest text, so that a bold or
// differently hinted glyph never clips it.
constexpr int CellTextSpare = 4;

SpreadCellStyle styleWith(SpreadCellStyle::Field field, auto apply)
{
    SpreadCellStyle s;
    apply(s);
    s.m_set = field;
    return s;
}

} // namespace

SpreadGrid::SpreadGrid(QWidget *parent)
    : QWidget(parent), m_model(new SpreadGridModel(this)), m_view(new SpreadGridView(*this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    m_model->setBaseFont(font());
    m_model->setText(0, 0, QString());
    m_view->setModel(m_model);
    m_view->setItemDelegate(new SpreadGridDelegate(*this, m_view));
    m_view->setWordWrap(false);
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_selBackColor = m_view->palette().color(QPalette::Highlight);

    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, &SpreadGrid::onCurrentChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyViewMetrics();
        restoreCurrentIndex();
    });
    auto mergesDirty = [this] {
        if (m_hasMerges && !m_model->signalsSuspended())
            QMetaObject::invokeMethod(this, &SpreadGrid::applyMerges, Qt::QueuedConnection);
    };
    connect(m_model, &QAbstractItemModel::dataChanged, this, mergesDirty);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, mergesDirty);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, mergesDirty);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (m_userColAction != UserColActionSort)
            return;
        // A second click on the same column turns the order round.
        m_sortAscending = section == m_sortSection ? !m_sortAscending : true;
        m_sortSection = section;
        QHeaderView *header = m_view->horizontalHeader();
        header->setSortIndicatorShown(true);
        header->setSortIndicator(section, m_sortAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
        m_model->sortRows(section + 1, m_sortAscending);
    });
    connect(m_view->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int section) { emit DblClick(section + 1, 0); });
    connect(m_view->verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int section) { emit DblClick(0, section + 1); });
    applyHeaderStyle();
    applyViewMetrics();
}

SpreadGrid::~SpreadGrid() = default;

QTableView *SpreadGrid::view() const { return m_view; }

void SpreadGrid::setGridName(const QString &name)
{
    setAccessibleName(name);
    m_view->setAccessibleName(name);
}

// --- size and cells ---

int SpreadGrid::MaxRows() const { return m_model->maxRows(); }

void SpreadGrid::SetMaxRows(int rows) { m_model->setMaxRows(rows); }

void SpreadGrid::AppendRows(int count, const std::function<void(int firstRow)> &write)
{
    m_model->appendRows(count, write);
    if (m_reDraw)
        for (int col = 1; col <= MaxCols(); ++col)
            fitFigureCol(col);
}

int SpreadGrid::MaxCols() const { return m_model->maxCols(); }

void SpreadGrid::SetMaxCols(int cols)
{
    const int old = m_model->maxCols();
    m_model->setMaxCols(cols);
    if (!m_model->signalsSuspended())
        for (int c = old + 1; c <= m_model->maxCols(); ++c)
            applyColumn(c);
}

int SpreadGrid::DataRowCnt() const { return m_model->dataRowCnt(); }

int SpreadGrid::ColHeaderRows() const { return m_model->colHeaderRows(); }

void SpreadGrid::SetColHeaderRows(int rows)
{
    m_model->setColHeaderRows(rows);
    applyViewMetrics();
}

void SpreadGrid::SetText(int col, int row, QString value)
{
    m_model->setText(col, row, std::move(value));
    if (col == 0 && row == 0)
        m_view->update(); // the corner cell
    if (!m_model->signalsSuspended())
        fitFigureCol(col);
}

void SpreadGrid::SetText(int col, int row, QStringView value)
{
    if ((col == 0 && row == 0) || !m_model->signalsSuspended())
        SetText(col, row, value.toString());
    else
        m_model->setText(col, row, value);
}

bool SpreadGrid::GetText(int col, int row, QString &value) const
{
    value = m_model->text(col, row);
    return !value.isEmpty();
}

QString SpreadGrid::text(int col, int row) const { return m_model->text(col, row); }

QString SpreadGrid::displayText(int col, int row) const { return m_model->displayText(col, row); }

SpreadCellLook SpreadGrid::cellLook(int col, int row) const { return m_model->look(col, row); }

void SpreadGrid::InsertRows(int row, int count) { m_model->shiftRowsDown(row, count); }

void SpreadGrid::DeleteRows(int row, int count) { m_model->shiftRowsUp(row, count); }

// Columns move through a reset of the model, so the selection and the active
// cell are held with painting off and moved along with the columns.
void SpreadGrid::InsertCols(int col, int count)
{
    if (col < 1 || col > MaxCols() || count <= 0)
        return;
    count = std::min(count, MaxCols() - col + 1);
    const ReDrawGuard noPainting(*this);
    m_model->insertCols(col, count);
    m_heldSelection.insertCols(col, count);
    if (m_activeCol >= col)
        m_activeCol = std::min(m_activeCol + count, MaxCols());
}

void SpreadGrid::DeleteCols(int col, int count)
{
    if (col < 1 || col > MaxCols() || count <= 0)
        return;
    count = std::min(count, MaxCols() - col + 1);
    const ReDrawGuard noPainting(*this);
    m_model->deleteCols(col, count);
    m_heldSelection.deleteCols(col, count);
    if (m_activeCol >= col + count)
        m_activeCol -= count;
    else if (m_activeCol >= col)
        m_activeCol = col;
}

void SpreadGrid::ClearRange(int col, int row, int col2, int row2) { m_model->clearRange(col, row, col2, row2); }

// --- cursor ---

int SpreadGrid::ActiveRow() const { return m_activeRow; }

int SpreadGrid::ActiveCol() const { return m_activeCol; }

void SpreadGrid::SetActiveCell(int col, int row)
{
    m_activeCol = std::max(1, col);
    m_activeRow = std::max(1, row);
    if (!m_model->signalsSuspended())
        restoreCurrentIndex();
}

void SpreadGrid::restoreCurrentIndex()
{
    if (m_model->maxRows() == 0 || m_model->maxCols() == 0)
        return;
    const int row = std::clamp(m_activeRow, 1, m_model->maxRows());
    const int col = std::clamp(m_activeCol, 1, m_model->maxCols());
    const QModelIndex index = m_model->index(row - 1, col - 1);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
    m_activeRow = row;
    m_activeCol = col;
}

void SpreadGrid::onCurrentChanged()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || m_model->signalsSuspended())
        return;
    if (current.row() + 1 == m_activeRow && current.column() + 1 == m_activeCol)
        return;
    m_activeRow = current.row() + 1;
    m_activeCol = current.column() + 1;
    emit ActiveCellChanged(m_activeCol, m_activeRow);
}

SpreadCellRange SpreadGrid::SelectedBlock() const
{
    const GridSelection selection = m_reDraw ? GridSelection::of(*m_view->selectionModel()) : m_heldSelection;
    if (selection.isEmpty())
        return {m_activeCol, m_activeRow, m_activeCol, m_activeRow};
    return selection.bounds();
}

// --- cell attributes ---

void SpreadGrid::setStyleField(SpreadCellStyle::Field field, const SpreadCellStyle &value)
{
    m_model->setStyle(m_col, m_row, field, value);
}

QColor SpreadGrid::ForeColor(int col, int row) const { return m_model->look(col, row).foreColor; }

void SpreadGrid::SetForeColor(const QColor &color)
{
    setStyleField(SpreadCellStyle::ForeColor,
                  styleWith(SpreadCellStyle::ForeColor, [&](auto &s) { s.foreColor = color.rgb(); }));
}

QColor SpreadGrid::BackColor(int col, int row) const { return m_model->look(col, row).backColor; }

void SpreadGrid::SetBackColor(const QColor &color)
{
    setStyleField(SpreadCellStyle::BackColor,
                  styleWith(SpreadCellStyle::BackColor, [&](auto &s) { s.backColor = color.rgb(); }));
}

bool SpreadGrid::FontBold(int col, int row) const { return m_model->effectiveStyle(col, row).fontBold; }

void SpreadGrid::SetFontBold(bool bold)
{
    setStyleField(SpreadCellStyle::FontBold, styleWith(SpreadCellStyle::FontBold, [&](auto &s) { s.fontBold = bold; }));
}

double SpreadGrid::FontSize(int col, int row) const { return m_model->look(col, row).font.pointSizeF(); }

void SpreadGrid::SetFontSize(double points)
{
    if (points <= 0)
        return;
    setStyleField(SpreadCellStyle::FontSize,
                  styleWith(SpreadCellStyle::FontSize, [&](auto &s) { s.fontSize = static_cast<float>(points); }));
}

QString SpreadGrid::FontName(int col, int row) const { return m_model->look(col, row).font.family(); }

void SpreadGrid::SetFontName(const QString &name)
{
    setStyleField(SpreadCellStyle::FontName, styleWith(SpreadCellStyle::FontName, [&](auto &s) { s.fontName = name; }));
}

bool SpreadGrid::FontItalic(int col, int row) const { return m_model->effectiveStyle(col, row).fontItalic; }

void SpreadGrid::SetFontItalic(bool on)
{
    setStyleField(SpreadCellStyle::FontItalic,
                  styleWith(SpreadCellStyle::FontItalic, [&](auto &s) { s.fontItalic = on; }));
}

bool SpreadGrid::FontUnderline(int col, int row) const { return m_model->effectiveStyle(col, row).fontUnderline; }

void SpreadGrid::SetFontUnderline(bool on)
{
    setStyleField(SpreadCellStyle::FontUnderline,
                  styleWith(SpreadCellStyle::FontUnderline, [&](auto &s) { s.fontUnderline = on; }));
}

bool SpreadGrid::FontStrikethru(int col, int row) const { return m_model->effectiveStyle(col, row).fontStrikethru; }

void SpreadGrid::SetFontStrikethru(bool on)
{
    setStyleField(SpreadCellStyle::FontStrikethru,
                  styleWith(SpreadCellStyle::FontStrikethru, [&](auto &s) { s.fontStrikethru = on; }));
}

QFont SpreadGrid::CellFont(int col, int row) const { return m_model->look(col, row).font; }

void SpreadGrid::SetCellFont(const QFont &font)
{
    SetFontName(font.family());
    SetFontSize(font.pointSizeF());
    SetFontBold(font.bold());
    SetFontItalic(font.italic());
    SetFontUnderline(font.underline());
    SetFontStrikethru(font.strikeOut());
}

SpreadCellType SpreadGrid::CellType(int col, int row) const
{
    return static_cast<SpreadCellType>(m_model->effectiveStyle(col, row).cellType);
}

void SpreadGrid::SetCellType(SpreadCellType type)
{
    setStyleField(SpreadCellStyle::CellType,
                  styleWith(SpreadCellStyle::CellType, [&](auto &s) { s.cellType = static_cast<qint8>(type); }));
}

void SpreadGrid::SetTypeNumberDecPlaces(int places)
{
    setStyleField(SpreadCellStyle::TypeNumberDecPlaces, styleWith(SpreadCellStyle::TypeNumberDecPlaces, [&](auto &s) {
                      s.decPlaces = static_cast<qint8>(std::clamp(places, 0, 14));
                  }));
}

void SpreadGrid::SetTypeNumberShowSep(bool on)
{
    setStyleField(SpreadCellStyle::TypeNumberShowSep,
                  styleWith(SpreadCellStyle::TypeNumberShowSep, [&](auto &s) { s.showSep = on; }));
}

void SpreadGrid::SetTypeNumberMin(double value)
{
    setStyleField(SpreadCellStyle::TypeNumberMin,
                  styleWith(SpreadCellStyle::TypeNumberMin, [&](auto &s) { s.numberMin = value; }));
}

void SpreadGrid::SetTypeNumberMax(double value)
{
    setStyleField(SpreadCellStyle::TypeNumberMax,
                  styleWith(SpreadCellStyle::TypeNumberMax, [&](auto &s) { s.numberMax = value; }));
}

void SpreadGrid::SetTypeHAlign(SpreadHAlign align)
{
    setStyleField(SpreadCellStyle::TypeHAlign,
                  styleWith(SpreadCellStyle::TypeHAlign, [&](auto &s) { s.hAlign = static_cast<qint8>(align); }));
}

void SpreadGrid::SetTypeVAlign(SpreadVAlign align)
{
    setStyleField(SpreadCellStyle::TypeVAlign,
                  styleWith(SpreadCellStyle::TypeVAlign, [&](auto &s) { s.vAlign = static_cast<qint8>(align); }));
}

void SpreadGrid::SetTypeNegRed(bool on)
{
    setStyleField(SpreadCellStyle::TypeNegRed, styleWith(SpreadCellStyle::TypeNegRed, [&](auto &s) { s.negRed = on; }));
}

QString SpreadGrid::TypeButtonText(int col, int row) const
{
    return m_model->data(m_model->index(row - 1, col - 1), SpreadGridModel::ButtonTextRole).toString();
}

void SpreadGrid::SetTypeButtonText(const QString &caption)
{
    setStyleField(SpreadCellStyle::TypeButtonText,
                  styleWith(SpreadCellStyle::TypeButtonText, [&](auto &s) { s.buttonText = caption; }));
}

bool SpreadGrid::Lock(int col, int row) const { return m_model->effectiveStyle(col, row).locked; }

void SpreadGrid::SetLock(bool locked)
{
    setStyleField(SpreadCellStyle::Lock, styleWith(SpreadCellStyle::Lock, [&](auto &s) { s.locked = locked; }));
}

// --- rows and columns ---

int SpreadGrid::pixelsForRowHeight(double points) const
{
    return std::max(1, qRound(points * m_view->logicalDpiY() / 72.0));
}

int SpreadGrid::pixelsForColWidth(double chars) const
{
    const QFontMetricsF metrics(m_model->baseFont());
    return std::max(1, qRound(chars * metrics.horizontalAdvance(QLatin1Char('0')) + 5));
}

double SpreadGrid::colWidthForPixels(int pixels) const
{
    const QFontMetricsF metrics(m_model->baseFont());
    const double chars = (pixels - 5) / metrics.horizontalAdvance(QLatin1Char('0'));
    return std::ceil(chars * 100) / 100; // the width stored in hundredths never rounds below pixels
}

double SpreadGrid::RowHeight(int row) const { return m_model->rowHeight(row); }

void SpreadGrid::SetRowHeight(int row, double points)
{
    const bool hadRowSizes = !m_model->rowHeights().empty();
    m_model->setRowHeight(row, points);
    if (m_model->signalsSuspended())
        return;
    if (row == AllCells && hadRowSizes) {
        // Drop the view's per-row sizes with a quiet reset.
        m_model->suspendSignals();
        m_model->resumeSignals();
        return;
    }
    applyRowHeights();
}

double SpreadGrid::ColWidth(int col) const { return m_model->colWidth(col); }

int SpreadGrid::ColWidthPixels(int col) const { return pixelsForColWidth(m_model->colWidth(col)); }

void SpreadGrid::SetColWidth(int col, double chars)
{
    if (chars < 0)
        return;
    m_model->setColWidth(col, chars);
    if (col == AllCells)
        applyViewMetrics();
    else
        applyColumn(col);
}

int SpreadGrid::TextWidthNeeded(int col, int row, const QString &value) const
{
    QStyle *style = m_view->style();
    const QFontMetrics metrics(CellFont(col, row));
    if (row == 0) {
        // Header text, its margins and the sort mark beside it.
        const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, m_view);
        const int mark = style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, m_view);
        return metrics.horizontalAdvance(value) + 4 * margin + mark;
    }
    // An item view indents its text by the focus frame margin and one pixel on
    // each side; the grid line takes one more.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
    return metrics.horizontalAdvance(value) + 2 * margin + 1 + CellTextSpare;
}

void SpreadGrid::SetStoredColWidth(int col, double chars)
{
    if (chars < 0 || col == AllCells)
        return;
    m_model->setStoredColWidth(col, chars);
    applyColumn(col);
}

// A figure cut short reads as another amount: a number column is at least as
// wide as the widest figure it holds, unless the operator chose its width.
void SpreadGrid::fitFigureCol(int col)
{
    if (col < 1 || col > MaxCols() || m_model->colWidthStored(col))
        return;
    const SpreadCellStyle style = m_model->columnStyle(col);
    const QString widest = m_model->widestText(col);
    if (style.cellType != CellTypeNumber || widest.isEmpty())
        return;
    const auto number = SpreadNumberFormat::parse(widest);
    const QString shown = number ? SpreadNumberFormat::format(*number, style.decPlaces, style.showSep) : widest;
    const int pixels = TextWidthNeeded(col, 1, shown);
    if (pixels > ColWidthPixels(col))
        SetColWidth(col, colWidthForPixels(pixels));
}

void SpreadGrid::FitColWidth(int col, const QString &longestText)
{
    int pixels = TextWidthNeeded(col, 1, longestText);
    if (m_colHeadersShow)
        pixels = std::max(pixels, TextWidthNeeded(col, 0, text(col, 0)));
    SetColWidth(col, colWidthForPixels(pixels));
}

int SpreadGrid::WidthForAllCols() const
{
    int width = 2 * m_view->frameWidth() + m_view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_view);
    if (m_rowHeadersShow)
        width += std::max(m_view->verticalHeader()->minimumWidth(), m_view->verticalHeader()->sizeHint().width());
    for (int col = 1; col <= m_model->maxCols(); ++col)
        if (!m_model->colHidden(col))
            width += pixelsForColWidth(m_model->colWidth(col));
    return width;
}

void SpreadGrid::SetStretchLastCol(bool on) { m_view->horizontalHeader()->setStretchLastSection(on); }

bool SpreadGrid::ColHidden(int col) const { return m_model->colHidden(col); }

void SpreadGrid::SetColHidden(int col, bool hidden)
{
    m_model->setColHidden(col, hidden);
    applyColumn(col);
}

QString SpreadGrid::ColID(int col) const { return m_model->colId(col); }

void SpreadGrid::SetColID(int col, const QString &id) { m_model->setColId(col, id); }

SpreadMerge SpreadGrid::ColMerge(int col) const { return m_model->colMerge(col); }

void SpreadGrid::SetColMerge(int col, SpreadMerge merge)
{
    m_model->setColMerge(col, merge);
    m_hasMerges = false;
    for (int c = 1; c <= MaxCols(); ++c)
        m_hasMerges = m_hasMerges || m_model->colMerge(c) != MergeNone;
    if (!m_model->signalsSuspended())
        applyMerges();
}

std::pair<int, int> SpreadGrid::mergedRange(int col, int row) const { return m_model->mergedRows(col, row); }

void SpreadGrid::SetRowHeadersShow(bool show)
{
    m_rowHeadersShow = show;
    m_view->verticalHeader()->setVisible(show);
}

void SpreadGrid::SetColHeadersShow(bool show)
{
    m_colHeadersShow = show;
    m_view->horizontalHeader()->setVisible(show);
}

// --- appearance ---

void SpreadGrid::SetSelBackColor(const QColor &color)
{
    m_selBackColor = color;
    applySelectionColors();
}

QColor SpreadGrid::ShadowColor() const { return QColor::fromRgb(m_model->headerBackColor()); }

void SpreadGrid::SetShadowColor(const QColor &color)
{
    m_model->setHeaderColors(color.rgb(), m_model->headerForeColor());
    applyHeaderStyle();
}

QColor SpreadGrid::ShadowText() const { return QColor::fromRgb(m_model->headerForeColor()); }

void SpreadGrid::SetShadowText(const QColor &color)
{
    m_model->setHeaderColors(m_model->headerBackColor(), color.rgb());
    applyHeaderStyle();
}

void SpreadGrid::SetOddEvenRowColor(const QColor &oddBack, const QColor &oddFore, const QColor &evenBack,
                                    const QColor &evenFore)
{
    m_model->setOddEvenRowColor(oddBack.rgb(), oddFore.rgb(), evenBack.rgb(), evenFore.rgb());
}

void SpreadGrid::SetCursorStyle(int style)
{
    m_cursorStyle = style;
    if (style == 2)
        m_view->viewport()->setCursor(Qt::ArrowCursor);
    else
        m_view->viewport()->unsetCursor();
}

void SpreadGrid::SetReDraw(bool on)
{
    if (on == m_reDraw)
        return;
    m_reDraw = on;
    if (!on) {
        m_heldSelection = GridSelection::of(*m_view->selectionModel());
        m_view->setUpdatesEnabled(false);
        m_model->suspendSignals();
        return;
    }
    m_model->resumeSignals(); // the reset re-applies sizes and the active cell
    for (int col = 1; col <= MaxCols(); ++col)
        fitFigureCol(col);
    if (!m_heldSelection.isEmpty())
        m_heldSelection.applyTo(*m_view->selectionModel());
    m_heldSelection = {};
    m_view->setUpdatesEnabled(true);
}

// --- behaviour ---

void SpreadGrid::SetOperationMode(int mode)
{
    m_operationMode = mode;
    const bool rows = mode == OperationModeRowMode || mode >= OperationModeSingleSelect;
    m_view->setSelectionBehavior(rows ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    QAbstractItemView::SelectionMode selection = QAbstractItemView::SingleSelection;
    if (mode == OperationModeMultiSelect)
        selection = QAbstractItemView::MultiSelection;
    else if (mode == OperationModeExtendedSelect || (mode == OperationModeNormal && m_selectBlockOptions != 0))
        selection = QAbstractItemView::ExtendedSelection;
    m_view->setSelectionMode(selection);
    SetEditModePermanent(m_editModePermanent);
}

void SpreadGrid::SetEditModePermanent(bool on)
{
    m_editModePermanent = on;
    const bool editable = m_operationMode == OperationModeNormal || m_operationMode == OperationModeRowMode;
    QAbstractItemView::EditTriggers triggers = QAbstractItemView::NoEditTriggers;
    if (editable) {
        triggers = QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed;
        if (on)
            triggers |= QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked;
    }
    m_view->setEditTriggers(triggers);
}

void SpreadGrid::SetSelectBlockOptions(int options)
{
    m_selectBlockOptions = options;
    SetOperationMode(m_operationMode);
}

void SpreadGrid::SetUserColAction(int action)
{
    m_userColAction = action;
    m_view->horizontalHeader()->setSectionsClickable(true);
    if (action != UserColActionSort) {
        m_view->horizontalHeader()->setSortIndicatorShown(false);
        m_sortSection = -1;
    }
}

void SpreadGrid::SetActionKey(int action, bool shift, bool ctrl, int key)
{
    if (action < ActionKeyClear || action > ActionKeyPopup)
        return;
    // The key as the screens number it (113 = F2); one that names no key
    // switches the action off.
    int combined = VirtualKeys::toQtKey(key);
    if (combined != 0) {
        if (shift)
            combined |= Qt::ShiftModifier;
        if (ctrl)
            combined |= Qt::ControlModifier;
    }
    m_actionKeys[action] = combined;
}

int SpreadGrid::ActionKey(int action) const
{
    return action >= ActionKeyClear && action <= ActionKeyPopup ? m_actionKeys[action] : 0;
}

// --- view ---

void SpreadGrid::applyColumn(int col)
{
    if (col == 0) {
        m_view->verticalHeader()->setMinimumWidth(pixelsForColWidth(m_model->colWidth(0)));
        return;
    }
    if (col < 1 || col > m_model->maxCols())
        return;
    m_view->setColumnWidth(col - 1, pixelsForColWidth(m_model->colWidth(col)));
    m_view->setColumnHidden(col - 1, m_model->colHidden(col));
}

void SpreadGrid::applyRowHeights()
{
    QHeaderView *rows = m_view->verticalHeader();
    rows->setDefaultSectionSize(pixelsForRowHeight(m_model->rowHeight(AllCells)));
    int header = 0;
    bool headerSet = false;
    for (const auto &[key, points] : m_model->rowHeights()) {
        if (key >= 1 && key <= m_model->maxRows())
            rows->resizeSection(key - 1, pixelsForRowHeight(points));
        else if (key <= 0)
            headerSet = true;
    }
    if (headerSet) {
        for (int k = 0; k < m_model->colHeaderRows(); ++k)
            header += pixelsForRowHeight(m_model->rowHeight(k == 0 ? 0 : HeaderRowBase + k));
        m_view->horizontalHeader()->setFixedHeight(header);
    }
}

void SpreadGrid::applyHeaderStyle()
{
    m_view->verticalHeader()->viewport()->update();
    m_view->horizontalHeader()->viewport()->update();
    update();
}

void SpreadGrid::applySelectionColors()
{
    QPalette palette = m_view->palette();
    palette.setColor(QPalette::Highlight, m_selBackColor);
    m_view->setPalette(palette);
}

void SpreadGrid::applyMerges()
{
    m_view->clearSpans();
    if (!m_hasMerges)
        return;
    const int rows = m_model->maxRows();
    for (int c = 1; c <= m_model->maxCols(); ++c) {
        if (m_model->colMerge(c) == MergeNone)
            continue;
        for (int r = 1; r <= rows;) {
            const int last = m_model->mergedRows(c, r).second;
            if (last > r)
                m_view->setSpan(r - 1, c - 1, last - r + 1, 1);
            r = last + 1;
        }
    }
}

void SpreadGrid::applyViewMetrics()
{
    m_view->verticalHeader()->setVisible(m_rowHeadersShow);
    m_view->horizontalHeader()->setVisible(m_colHeadersShow);
    for (int c = 0; c <= m_model->maxCols(); ++c)
        applyColumn(c);
    applyRowHeights();
    applyMerges();
}
