#pragma once

// The key codes the screens number keys with (Windows virtual-key codes:
// Up 38, Down 40, F2 113, the letter keys their capitals), from and to the
// toolkit's key values. A toolkit key value below 0x01000000 is a character,
// not a key: "(" has the value 0x28, which is the code of Down. Such values
// are looked up as characters and never taken as codes.
namespace VirtualKeys {
constexpr int Up = 38;
constexpr int Down = 40;
constexpr int PadDecimal = 110;
constexpr int FullStop = 190;
// The code of a key typed through the input method (hangul and the like).
constexpr int ProcessKey = 229;
// The code of a key that has none of its own.
constexpr int NoCode = 255;

// The code of the key behind a toolkit key value; keypad tells a key of the
// numeric pad. Never 0.
int ofQtKey(int qtKey, bool keypad);
// The toolkit key value of a code; 0 when the code names no key.
int toQtKey(int code);
} // namespace VirtualKeys
