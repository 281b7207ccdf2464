#include "HCTextKeys.h"

#include <QHash>

namespace {

int padKeyCode(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return 96 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return HCTextKeys::PadDecimal;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

int mainKeyCode(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    static const QHash<int, int> codes = {
        {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},
        {Qt::Key_Return, 13},    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},   {Qt::Key_Alt, 18},      {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},     {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},       {Qt::Key_Home, 36},     {Qt::Key_Left, 37},
        {Qt::Key_Up, HCTextKeys::Up}, {Qt::Key_Right, 39}, {Qt::Key_Down, HCTextKeys::Down},
        {Qt::Key_Insert, 45},    {Qt::Key_Delete, 46},   {Qt::Key_Semicolon, 186},
        {Qt::Key_Equal, 187},    {Qt::Key_Comma, 188},   {Qt::Key_Minus, 189},
        {Qt::Key_Period, HCTextKeys::FullStop}, {Qt::Key_Slash, 191},
    };
    return codes.value(key, key & 0xFFFF);
}

} // namespace

namespace HCTextKeys {

int keyCode(const QKeyEvent &event)
{
    if (event.modifiers() & Qt::KeypadModifier) {
        if (const int code = padKeyCode(event.key()))
            return code;
    }
    return mainKeyCode(event.key());
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
