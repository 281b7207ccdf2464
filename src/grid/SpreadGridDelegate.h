#pragma once
#include <QStyledItemDelegate>

class SpreadGrid;

// Paints button cells, keeps each cell's own text colour on the selection's
// background, and gives number cells an editor that takes only numbers within
// the cell's range. A figure is never elided.
class SpreadGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    SpreadGridDelegate(SpreadGrid &grid, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    // What a cell paints: its text and colours as this grid shows them.
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    static void keepFigureWhole(QStyleOptionViewItem *option);

    SpreadGrid &m_grid;
};
