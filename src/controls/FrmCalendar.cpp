#include "FrmCalendar.h"

#include "Clock.h"
#include "DateText.h"

#include <QCalendarWidget>

FrmCalendar::FrmCalendar(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint),
      m_monthView(new QCalendarWidget(this))
{
    setWindowTitle(QStringLiteral("날짜 선택"));
    m_monthView->setObjectName(QStringLiteral("MonthView1"));
    m_monthView->setFirstDayOfWeek(Qt::Sunday);
    m_monthView->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_monthView->setSelectedDate(Clock::today());
    m_monthView->move(0, 0);
    m_monthView->resize(m_monthView->sizeHint());
    setFixedSize(m_monthView->size());
    connect(m_monthView, &QCalendarWidget::clicked, this, &FrmCalendar::choose);
    connect(m_monthView, &QCalendarWidget::activated, this, &FrmCalendar::choose);
}

void FrmCalendar::setText(const QString &text)
{
    const QDate date = DateText::toDate(text);
    if (!date.isValid())
        return;
    m_text = text;
    m_monthView->setSelectedDate(date);
}

void FrmCalendar::choose(const QDate &date)
{
    m_text = DateText::format(date);
    accept();
}
