#pragma once
#include <QWidget>

class DateEdit;
class QToolButton;

// The up/down arrow pair beside a date field: up moves the date a day
// forward, down a day back (an empty field becomes today, a half-typed one is
// left alone). Neither arrow is a tab stop.
class DayUpDown : public QWidget {
    Q_OBJECT
public:
    DayUpDown(DateEdit *field, QWidget *parent);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *arrow(Qt::ArrowType type, int step);

    DateEdit *m_field;
    QToolButton *m_up;
    QToolButton *m_down;
};
