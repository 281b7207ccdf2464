#pragma once
#include <QToolButton>

class DateEdit;

// The calendar button beside a date field: opens the calendar popup directly
// under the field, puts the chosen date in (or empties the field when the
// popup returns nothing), gives the field the focus and raises DateClick when
// that changed the field's text. Not a tab stop.
class CalendarButton : public QToolButton {
    Q_OBJECT
public:
    CalendarButton(DateEdit *field, QWidget *parent);

signals:
    void DateClick();

private:
    void pick();

    DateEdit *m_field;
};
