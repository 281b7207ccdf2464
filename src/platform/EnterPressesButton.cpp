#include "EnterPressesButton.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class EnterKeyFilter : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (!button || !button->isEnabled() || !button->isVisible())
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept(); // keep Enter from a window-wide shortcut
            return true;
        }
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

EnterKeyFilter &filter()
{
    static EnterKeyFilter instance;
    return instance;
}

} // namespace

void PressOnEnter(QAbstractButton *button)
{
    if (auto *push = qobject_cast<QPushButton *>(button)) {
        push->setAutoDefault(false);
        push->setDefault(false);
    }
    button->removeEventFilter(&filter());
    button->installEventFilter(&filter());
}

void PressButtonsOnEnter(QWidget *window)
{
    for (QPushButton *button : window->findChildren<QPushButton *>())
        PressOnEnter(button);
}
