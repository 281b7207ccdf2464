#include "DateFrame.h"

#include "CalendarButton.h"
#include "DateColor.h"
#include "DateEdit.h"
#include "DateLayout.h"
#include "DayUpDown.h"

#include <QPainter>
#include <QToolButton>

DateFrame::DateFrame(QWidget *parent)
    : QWidget(parent), m_field(new DateEdit(this)), m_upDown(new DayUpDown(m_field, this)),
      m_calendar(new CalendarButton(m_field, this))
{
    setObjectName(QStringLiteral("RectRound"));
    m_field->setObjectName(QStringLiteral("meDate"));
    setFocusProxy(m_field);
    connect(m_calendar, &CalendarButton::DateClick, this, &DateFrame::DateClick);
    resize(DateLayout::toPixels(QRectF(0, 0, DateLayout::FrameWidth, DateLayout::FrameHeight)).size());
}

void DateFrame::setPartsEnabled(bool enabled)
{
    m_field->setEnabled(enabled);
    m_upDown->setEnabled(enabled);
    m_calendar->setEnabled(enabled);
}

void DateFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(DateColor::toQColor(DateColor::Grey));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DateFrame::resizeEvent(QResizeEvent *)
{
    const DateLayout::Framed layout = DateLayout::framed(QRectF(QPointF(0, 0), DateLayout::toTwips(size())));
    m_field->setGeometry(DateLayout::toPixels(layout.field));
    m_upDown->setGeometry(DateLayout::toPixels(layout.upDown));
    m_calendar->setGeometry(DateLayout::toPixels(layout.calendar));
}

void DateFrame::setPartNames(const QString &fieldName)
{
    m_field->setAccessibleName(fieldName);
    m_upDown->upButton()->setAccessibleName(fieldName + QStringLiteral(" 다음 날"));
    m_upDown->downButton()->setAccessibleName(fieldName + QStringLiteral(" 전날"));
    m_calendar->setAccessibleName(fieldName + QStringLiteral(" 달력"));
}
