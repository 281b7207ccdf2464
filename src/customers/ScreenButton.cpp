#include "ScreenButton.h"

#include "EnterPressesButton.h"

#include <QPushButton>

QPushButton *ScreenButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    PressOnEnter(button);
    return button;
}
