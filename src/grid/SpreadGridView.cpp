#include "SpreadGridView.h"

#include "MessageBoxes.h"
#include "SpreadGrid.h"
#include "SpreadGridModel.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QToolTip>

SpreadGridView::SpreadGridView(SpreadGrid &grid) : QTableView(&grid), m_grid(grid)
{
    if (auto *corner = findChild<QAbstractButton *>())
        corner->installEventFilter(this);
}

int SpreadGridView::actionOf(const QKeyEvent *event) const
{
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    const int combined = event->key() | static_cast<int>(mods);
    for (int action = ActionKeyClear; action <= ActionKeyPopup; ++action)
        if (m_grid.m_actionKeys[action] != 0 && m_grid.m_actionKeys[action] == combined)
            return action;
    return -1;
}

bool SpreadGridView::isButtonCell(const QModelIndex &index) const
{
    return index.isValid() && index.data(SpreadGridModel::CellTypeRole).toInt() == CellTypeButton;
}

void SpreadGridView::runAction(int action)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const bool editable = editTriggers() != NoEditTriggers && (model()->flags(current) & Qt::ItemIsEditable);
    switch (action) {
    case ActionKeyClear:
    case ActionKeyCurrent:
        if (!editable) {
            if (m_grid.beepAllowed())
                MessageBoxes::beep();
            return;
        }
        if (action == ActionKeyClear)
            model()->setData(current, QString());
        QTableView::edit(current, EditKeyPressed, nullptr);
        break;
    case ActionKeyPopup:
        if (isButtonCell(current))
            emit m_grid.ButtonClicked(current.column() + 1, current.row() + 1);
        break;
    }
}

void SpreadGridView::keyPressEvent(QKeyEvent *event)
{
    const int action = actionOf(event);
    if (action >= 0) {
        runAction(action);
        event->accept();
        return;
    }
    if (event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F35) {
        event->ignore(); // function keys without a grid action belong to the window
        return;
    }
    const QModelIndex current = currentIndex();
    const bool typing = !event->text().isEmpty() && event->text().at(0).isPrint()
                        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typing && current.isValid()
        && (editTriggers() == NoEditTriggers || !(model()->flags(current) & Qt::ItemIsEditable))) {
        if (m_grid.beepAllowed())
            MessageBoxes::beep();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void SpreadGridView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    m_pressedButton = event->button() == Qt::LeftButton && isButtonCell(index) ? index : QModelIndex();
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::RightButton && index.isValid()) {
        setCurrentIndex(index);
        emit m_grid.RightClick(index.column() + 1, index.row() + 1);
    }
}

void SpreadGridView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (m_pressedButton.isValid() && index == m_pressedButton)
        emit m_grid.ButtonClicked(index.column() + 1, index.row() + 1);
    m_pressedButton = QModelIndex();
}

void SpreadGridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && !isButtonCell(index))
        emit m_grid.DblClick(index.column() + 1, index.row() + 1);
    QTableView::mouseDoubleClickEvent(event);
}

bool SpreadGridView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        showTextTip(help->pos(), help->globalPos());
        return true;
    }
    return QTableView::viewportEvent(event);
}

void SpreadGridView::showTextTip(const QPoint &pos, const QPoint &globalPos)
{
    const QModelIndex index = indexAt(pos);
    if (m_grid.TextTip() == 0 || !index.isValid()) {
        QToolTip::hideText();
        return;
    }
    const SpreadCellLook look = m_grid.cellLook(index.column() + 1, index.row() + 1);
    const int needed = QFontMetrics(look.font).horizontalAdvance(look.text) + 6;
    if (needed > visualRect(index).width())
        QToolTip::showText(globalPos, look.text, viewport(), visualRect(index));
    else
        QToolTip::hideText();
}

bool SpreadGridView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const bool started = QTableView::edit(index, trigger, event);
    if (started && trigger != NoEditTriggers)
        emit m_grid.EditModeOn(index.column() + 1, index.row() + 1);
    return started;
}

bool SpreadGridView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        if (auto *corner = qobject_cast<QAbstractButton *>(watched)) {
            paintCorner(corner);
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

void SpreadGridView::paintCorner(QWidget *corner)
{
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = m_grid.text(0, 0);
    option.textAlignment = Qt::AlignCenter;
    option.palette.setColor(QPalette::Button, m_grid.ShadowColor());
    option.palette.setColor(QPalette::Window, m_grid.ShadowColor());
    option.palette.setColor(QPalette::ButtonText, m_grid.ShadowText());
    QPainter painter(corner);
    style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}
