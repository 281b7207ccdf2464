#include "SpreadGridDelegate.h"

#include "SpreadGrid.h"
#include "SpreadGridModel.h"

#include <QApplication>
#include <QDoubleValidator>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

SpreadGridDelegate::SpreadGridDelegate(SpreadGrid &grid, QObject *parent) : QStyledItemDelegate(parent), m_grid(grid) {}

void SpreadGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (index.data(SpreadGridModel::CellTypeRole).toInt() != CellTypeButton) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionButton button;
    button.rect = option.rect.adjusted(1, 1, -1, -1);
    button.text = index.data(SpreadGridModel::ButtonTextRole).toString();
    button.state = option.state | QStyle::State_Raised;
    button.fontMetrics = option.fontMetrics;
    QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, option.widget);
}

void SpreadGridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant fore = index.data(Qt::ForegroundRole);
    if (fore.canConvert<QBrush>())
        option->palette.setBrush(QPalette::HighlightedText, fore.value<QBrush>());
    if (index.data(SpreadGridModel::CellTypeRole).toInt() == CellTypeNumber)
        keepFigureWhole(option);
}

// A figure is never shortened to "987,654,32…", which reads as another
// amount: one too wide for its cell (a width the operator chose) shows as
// "#" marks, as spreadsheets do, until the column is widened.
void SpreadGridDelegate::keepFigureWhole(QStyleOptionViewItem *option)
{
    option->textElideMode = Qt::ElideNone;
    if (option->rect.width() <= 0)
        return; // measuring, not painting
    const QStyle *style = option->widget ? option->widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option->widget) + 1;
    const int room = option->rect.width() - 2 * margin;
    if (option->fontMetrics.horizontalAdvance(option->text) <= room)
        return;
    const int mark = std::max(1, option->fontMetrics.horizontalAdvance(QLatin1Char('#')));
    option->text = QString(std::max(1, room / mark), QLatin1Char('#'));
}

QWidget *SpreadGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        return editor;
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    const SpreadCellStyle s = m_grid.model()->effectiveStyle(col, row);
    if (s.cellType == CellTypeNumber) {
        auto *validator = new QDoubleValidator(s.numberMin, s.numberMax, s.decPlaces, line);
        validator->setNotation(QDoubleValidator::StandardNotation);
        validator->setLocale(QLocale::c());
        line->setValidator(validator);
    }
    return editor;
}

void SpreadGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    QStyledItemDelegate::setEditorData(editor, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        if (m_grid.EditModeReplace())
            line->selectAll();
        else
            line->deselect();
    }
}
