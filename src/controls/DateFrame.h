#pragma once
#include <QWidget>

class CalendarButton;
class DateEdit;
class DayUpDown;

// A date field with its day up/down and calendar button inside a grey frame
// (the frame is this widget's outline). Only the field grows or shrinks with
// the frame: 30 twips margin inside the frame and between the parts.
class DateFrame : public QWidget {
    Q_OBJECT
public:
    explicit DateFrame(QWidget *parent = nullptr);

    DateEdit *field() const { return m_field; }
    DayUpDown *upDown() const { return m_upDown; }
    CalendarButton *calendarButton() const { return m_calendar; }
    // The field and its buttons together.
    void setPartsEnabled(bool enabled);
    // Names the field and its buttons for assistive tools after the field's caption.
    void setPartNames(const QString &fieldName);

signals:
    void DateClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    DateEdit *m_field;
    DayUpDown *m_upDown;
    CalendarButton *m_calendar;
};
