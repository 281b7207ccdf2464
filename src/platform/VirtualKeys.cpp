#include "VirtualKeys.h"

#include <Qt>

#include <array>
#include <utility>

namespace {

constexpr int VkF1 = 112;
constexpr int VkF24 = 135;

// Keys that type nothing, with their codes.
constexpr std::array<std::pair<int, int>, 30> NamedKeys{{
    {Qt::Key_Backspace, 8},     {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},       {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},       {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},        {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},          {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},     {Qt::Key_Hangul, 21},
    {Qt::Key_Hangul_Hanja, 25}, {Qt::Key_Escape, 27},
    {Qt::Key_PageUp, 33},       {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},          {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},         {Qt::Key_Up, VirtualKeys::Up},
    {Qt::Key_Right, 39},        {Qt::Key_Down, VirtualKeys::Down},
    {Qt::Key_Print, 44},        {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},       {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},         {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},  {Qt::Key_Space, 32},
}};

// Characters other than letters and digits, by the key that types them on
// the standard (US) layout, shifted or not.
constexpr std::array<std::pair<char, int>, 32> CharacterKeys{{
    {';', 186},
    {':', 186},
    {'=', 187},
    {'+', 187},
    {',', 188},
    {'<', 188},
    {'-', 189},
    {'_', 189},
    {'.', VirtualKeys::FullStop},
    {'>', VirtualKeys::FullStop},
    {'/', 191},
    {'?', 191},
    {'`', 192},
    {'~', 192},
    {'[', 219},
    {'{', 219},
    {'\\', 220},
    {'|', 220},
    {']', 221},
    {'}', 221},
    {'\'', 222},
    {'"', 222},
    {')', '0'},
    {'!', '1'},
    {'@', '2'},
    {'#', '3'},
    {'$', '4'},
    {'%', '5'},
    {'^', '6'},
    {'&', '7'},
    {'*', '8'},
    {'(', '9'},
}};

int padKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VirtualKeys::PadDecimal;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

bool isCharacter(int qtKey) { return qtKey >= 0 && qtKey < Qt::Key_Escape; }

int characterKeyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey == Qt::Key_Space)
        return 32;
    for (const auto &[character, code] : CharacterKeys)
        if (qtKey == character)
            return code;
    return VirtualKeys::ProcessKey; // hangul, accented letters: typed through the input method
}

int namedKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VkF1 + (qtKey - Qt::Key_F1);
    for (const auto &[key, code] : NamedKeys)
        if (qtKey == key)
            return code;
    return VirtualKeys::NoCode;
}

} // namespace

namespace VirtualKeys {

int ofQtKey(int qtKey, bool keypad)
{
    if (keypad) {
        if (const int code = padKeyCode(qtKey))
            return code;
    }
    return isCharacter(qtKey) ? characterKeyCode(qtKey) : namedKeyCode(qtKey);
}

int toQtKey(int code)
{
    if (code >= VkF1 && code <= VkF24)
        return Qt::Key_F1 + (code - VkF1);
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return code;
    for (const auto &[key, named] : NamedKeys)
        if (named == code)
            return key;
    return 0;
}

} // namespace VirtualKeys
