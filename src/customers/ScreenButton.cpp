#include "ScreenButton.h"

#include "EnterPressesButton.h"

#include <QPushButton>

QPushButton *ScreenButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    PressOnEnter(button);
    return button;
}
