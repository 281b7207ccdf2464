#pragma once
#include <QDialog>

class QCalendarWidget;

// The calendar popup "날짜 선택": one month view, the window sized to it.
// Clicking a day or pressing Enter stores the date in Text and closes; Esc and
// the close box close without storing. Shown modally; read Text afterwards.
class FrmCalendar : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)
public:
    explicit FrmCalendar(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    // A date is stored and shown in the month view; anything else changes nothing.
    void setText(const QString &text);
    QCalendarWidget *monthView() const { return m_monthView; }

private:
    void choose(const QDate &date);

    QCalendarWidget *m_monthView;
    QString m_text;
};
