#include "FrmCalendar.h"

#include "Clock.h"
#include "DateText.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

FrmCalendar::FrmCalendar(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_monthView(new QCalendarWidget(this))
{
    setWindowTitle(QStringLiteral("날짜 선택"));
    m_monthView->setObjectName(QStringLiteral("MonthView1"));
    m_monthView->setFirstDayOfWeek(Qt::Sunday);
    m_monthView->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_monthView->setNavigationBarVisible(false);
    m_monthView->setSelectedDate(Clock::today());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(buildHeader());
    layout->addWidget(m_monthView);
    showMonthTitle();
    connect(m_monthView, &QCalendarWidget::currentPageChanged, this, &FrmCalendar::showMonthTitle);
    connect(m_monthView, &QCalendarWidget::clicked, this, &FrmCalendar::choose);
    connect(m_monthView, &QCalendarWidget::activated, this, &FrmCalendar::choose);
}

QWidget *FrmCalendar::buildHeader()
{
    auto *header = new QWidget(this);
    header->setAutoFillBackground(true);
    m_title = new QLabel(header);
    m_title->setObjectName(QStringLiteral("lblMonth"));
    m_title->setAlignment(Qt::AlignCenter);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    QToolButton *previous = monthArrow(Qt::LeftArrow, QStringLiteral("이전 달"));
    QToolButton *next = monthArrow(Qt::RightArrow, QStringLiteral("다음 달"));
    connect(previous, &QToolButton::clicked, m_monthView, &QCalendarWidget::showPreviousMonth);
    connect(next, &QToolButton::clicked, m_monthView, &QCalendarWidget::showNextMonth);
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(previous);
    row->addWidget(m_title, 1);
    row->addWidget(next);
    return header;
}

QToolButton *FrmCalendar::monthArrow(Qt::ArrowType type, const QString &name)
{
    auto *arrow = new QToolButton(this);
    arrow->setArrowType(type);
    arrow->setAutoRaise(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAccessibleName(name);
    return arrow;
}

QString FrmCalendar::monthTitle() const { return m_title->text(); }

void FrmCalendar::showMonthTitle()
{
    m_title->setText(QStringLiteral("%1년 %2월").arg(m_monthView->yearShown()).arg(m_monthView->monthShown()));
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
