#pragma once
#include <QLabel>

class SpreadGrid;

// How many rows a fill has brought so far, in the lower right corner of the
// grid's cells, over the rows, until it is destroyed.
class FillProgress : public QLabel {
    Q_OBJECT
public:
    explicit FillProgress(SpreadGrid &grid);
    void showRows(int rows);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
};
