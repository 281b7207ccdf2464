#include "HCTextKeys.h"

#include "VirtualKeys.h"

namespace HCTextKeys {

int keyCode(const QKeyEvent &event)
{
    return VirtualKeys::ofQtKey(event.key(), event.modifiers() & Qt::KeypadModifier);
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

int keyAscii(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    default: break;
    }
    const QString text = event.text();
    if (text.size() != 1 || event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return 0;
    const QChar c = text.at(0);
    return c.unicode() < 32 || c.unicode() == 127 ? 0 : c.unicode();
}

} // namespace HCTextKeys
