#include "HCDate.h"

#include "CalendarButton.h"
#include "DateEdit.h"
#include "DateLayout.h"

namespace {
QSize designSize()
{
    const qreal width = DateLayout::FieldWidth + DateLayout::Gap + DateLayout::CalendarWidth;
    return DateLayout::toPixels(QRectF(0, 0, width, DateLayout::FieldHeight)).size();
}
} // namespace

HCDate::HCDate(QWidget *parent)
    : SingleDateControl(new DateEdit, designSize(), parent), m_calendar(new CalendarButton(field(), this))
{
    field()->setParent(this);
    field()->setCheck(DateEdit::Check::AfterLeaving);
    connect(m_calendar, &CalendarButton::DateClick, this, &HCDate::DateClick);
}

void HCDate::setPartsEnabled(bool enabled)
{
    field()->setEnabled(enabled);
    m_calendar->setEnabled(enabled);
}

void HCDate::resizeEvent(QResizeEvent *)
{
    const DateLayout::Single layout = DateLayout::single(DateLayout::toTwips(size()));
    field()->setGeometry(DateLayout::toPixels(layout.field));
    m_calendar->setGeometry(DateLayout::toPixels(layout.calendar));
}
