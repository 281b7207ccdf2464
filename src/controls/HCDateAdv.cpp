#include "HCDateAdv.h"

#include "DateEdit.h"
#include "DateFrame.h"

HCDateAdv::HCDateAdv(QWidget *parent) : HCDateAdv(new DateFrame, parent) {}

HCDateAdv::HCDateAdv(DateFrame *frame, QWidget *parent)
    : SingleDateControl(frame->field(), frame->size(), parent), m_frame(frame)
{
    m_frame->setParent(this);
    field()->setCheck(DateEdit::Check::BeforeLeaving);
    connect(m_frame, &DateFrame::DateClick, this, &HCDateAdv::DateClick);
}

void HCDateAdv::setPartsEnabled(bool enabled) { m_frame->setPartsEnabled(enabled); }

void HCDateAdv::resizeEvent(QResizeEvent *) { m_frame->setGeometry(rect()); }
