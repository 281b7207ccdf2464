#include "FrmCalendar.h"

#include "Clock.h"
#include "DateText.h"

#include <QCalendarWidget>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

FrmCalendar::FrmCalendar(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_monthView(new QCalendarWidget(this))
{
    setWindowTitle(QStringLiteral("날짜 선택"));
    m_monthView->setObjectName(QStringLiteral("MonthView1"));
    m_monthView->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
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

void FrmCalendar::placeUnder(const QRect &anchor)
{
    m_anchor = anchor;
    applyPlacement();
}

QPoint FrmCalendar::frameOriginUnder(const QRect &anchor, const QSize &frameSize, const QRect &area)
{
    const int x = std::max(area.left(), std::min(anchor.left(), area.right() + 1 - frameSize.width()));
    const int y = std::max(area.top(), std::min(anchor.bottom() + 1, area.bottom() + 1 - frameSize.height()));
    return {x, y};
}

void FrmCalendar::applyPlacement()
{
    if (!m_anchor.isValid())
        return;
    const QScreen *screen = QGuiApplication::screenAt(m_anchor.center());
    if (!screen)
        screen = this->screen();
    adjustSize();
    m_placedFrame = QMargins(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                             frameGeometry().right() - geometry().right(),
                             frameGeometry().bottom() - geometry().bottom());
    move(frameOriginUnder(m_anchor, size().grownBy(m_placedFrame), screen->availableGeometry()));
}

void FrmCalendar::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    applyPlacement();
}

// The window manager adds its frame (title bar) once the window is mapped;
// the popup is placed again then, so that the frame never covers the field.
void FrmCalendar::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QMargins now(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                       frame.bottom() - inner.bottom());
    if (isVisible() && now != m_placedFrame)
        applyPlacement();
}
