#include "DayUpDown.h"

#include "DateEdit.h"
#include "EnterPressesButton.h"

#include <QToolButton>

DayUpDown::DayUpDown(DateEdit *field, QWidget *parent)
    : QWidget(parent), m_field(field), m_up(arrow(Qt::UpArrow, 1)), m_down(arrow(Qt::DownArrow, -1))
{
    setObjectName(QStringLiteral("udMvDay"));
    setFocusPolicy(Qt::NoFocus);
}

QToolButton *DayUpDown::arrow(Qt::ArrowType type, int step)
{
    auto *button = new QToolButton(this);
    button->setArrowType(type);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    PressOnEnter(button);
    connect(button, &QToolButton::clicked, this, [this, step] { m_field->shiftDays(step); });
    return button;
}

void DayUpDown::resizeEvent(QResizeEvent *)
{
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}
