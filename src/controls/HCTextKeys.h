#pragma once
#include <QKeyEvent>

// Translation of toolkit key events into the key values the host forms see:
// platform key codes (Down = 40, decimal key of the numeric pad = 110, full
// stop = 190), the shift state (1 Shift, 2 Ctrl, 4 Alt) and the typed character.
namespace HCTextKeys {
constexpr int Up = 38;
constexpr int Down = 40;
constexpr int PadDecimal = 110;
constexpr int FullStop = 190;

int keyCode(const QKeyEvent &event);
int shiftState(Qt::KeyboardModifiers modifiers);
// The character code the key types: Backspace 8, Enter 13, or the printable
// character; 0 for keys that type nothing (arrows, Escape, Ctrl shortcuts), so
// that Escape and the clipboard shortcuts keep working in every field.
int keyAscii(const QKeyEvent &event);
} // namespace HCTextKeys
