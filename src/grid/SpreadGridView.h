#pragma once
#include <QTableView>

class SpreadGrid;

// The table view inside a SpreadGrid: turns mouse and key input into the
// grid's events and honours its action keys, text tips and beeps.
class SpreadGridView : public QTableView {
    Q_OBJECT
public:
    explicit SpreadGridView(SpreadGrid &grid);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int actionOf(const QKeyEvent *event) const;
    void runAction(int action);
    bool isButtonCell(const QModelIndex &index) const;
    void showTextTip(const QPoint &pos, const QPoint &globalPos);
    void paintCorner(QWidget *corner);

    SpreadGrid &m_grid;
    QPersistentModelIndex m_pressedButton;
};
