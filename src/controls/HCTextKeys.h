#pragma once
#include "VirtualKeys.h"

#include <QKeyEvent>

// Translation of toolkit key events into the key values the host forms see:
// the code of the key pressed (VirtualKeys: Down = 40, decimal key of the
// numeric pad = 110, full stop = 190; a typed "(" is the 9 key, never Down),
// the shift state (1 Shift, 2 Ctrl, 4 Alt) and the typed character.
namespace HCTextKeys {
constexpr int Up = VirtualKeys::Up;
constexpr int Down = VirtualKeys::Down;
constexpr int PadDecimal = VirtualKeys::PadDecimal;
constexpr int FullStop = VirtualKeys::FullStop;

// Never 0: 0 is what a host writes to cancel a key.
int keyCode(const QKeyEvent &event);
int shiftState(Qt::KeyboardModifiers modifiers);
// The character code the key types: Backspace 8, Enter 13, or the printable
// character; 0 for keys that type nothing (arrows, Escape, Ctrl shortcuts), so
// that Escape and the clipboard shortcuts keep working in every field.
int keyAscii(const QKeyEvent &event);
} // namespace HCTextKeys
