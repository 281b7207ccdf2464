#pragma once
#include "SingleDateControl.h"

class CalendarButton;

// The plain date box: the masked field "____-__-__" and the calendar button.
// The date check runs once the focus has left the field (message "날짜입력
// 확인", focus back). Properties, methods and events: SingleDateControl.
class HCDate : public SingleDateControl {
    Q_OBJECT
public:
    explicit HCDate(QWidget *parent = nullptr);

    CalendarButton *calendarButton() const { return m_calendar; }

protected:
    void setPartsEnabled(bool enabled) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    CalendarButton *m_calendar;
};
