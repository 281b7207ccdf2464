#include "CalendarButton.h"

#include "CalendarIcon.h"
#include "DateEdit.h"
#include "EnterPressesButton.h"
#include "FrmCalendar.h"

CalendarButton::CalendarButton(DateEdit *field, QWidget *parent) : QToolButton(parent), m_field(field)
{
    setObjectName(QStringLiteral("cmdCaln"));
    setFocusPolicy(Qt::NoFocus);
    PressOnEnter(this);
    setIcon(CalendarIcon());
    connect(this, &QToolButton::clicked, this, &CalendarButton::pick);
}

void CalendarButton::pick()
{
    if (!DateEdit::focusedFieldPasses(m_field))
        return;
    const QString before = m_field->rawText();
    FrmCalendar popup(window());
    popup.setText(before);
    popup.placeUnder(QRect(m_field->mapToGlobal(QPoint(0, 0)), QSize(m_field->width(), height())));
    popup.exec();

    m_field->setRawText(popup.text());
    m_field->setFocus(Qt::OtherFocusReason);
    m_field->applyFocusGained();
    if (m_field->rawText() != before)
        emit DateClick();
}
