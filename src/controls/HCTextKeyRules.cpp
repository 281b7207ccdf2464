#include "HCTextKeyRules.h"

#include <QChar>

HCTextKeyRules::Outcome HCTextKeyRules::apply(int &keyAscii, int acceptType, int convertCase)
{
    if (keyAscii == 0)
        return Outcome::Cancelled;
    if (!alwaysAllowed(keyAscii, acceptType) && !admitted(keyAscii, acceptType)) {
        keyAscii = 0;
        return Outcome::Refused;
    }
    if (!isDigitType(acceptType))
        keyAscii = converted(keyAscii, convertCase);
    if (keyAscii == EnterKey) {
        keyAscii = 0;
        return Outcome::Enter;
    }
    return Outcome::Typed;
}

bool HCTextKeyRules::isDigitType(int acceptType)
{
    return acceptType == Number || acceptType == Telephone || acceptType == Time || acceptType == DashedDigits;
}

bool HCTextKeyRules::alwaysAllowed(int keyAscii, int acceptType)
{
    return keyAscii == Backspace || keyAscii == EnterKey || (keyAscii == Minus && acceptType == Number);
}

bool HCTextKeyRules::admitted(int keyAscii, int acceptType)
{
    if (acceptType == Letters)
        return (keyAscii >= 'A' && keyAscii <= 'Z') || (keyAscii >= 'a' && keyAscii <= 'z');
    if (isDigitType(acceptType))
        return keyAscii >= '0' && keyAscii <= '9';
    return true;
}

int HCTextKeyRules::converted(int keyAscii, int convertCase)
{
    if (keyAscii < 0 || keyAscii > 0xFFFF)
        return keyAscii;
    const QChar c(static_cast<char16_t>(keyAscii));
    if (convertCase == UpperCase)
        return c.toUpper().unicode();
    if (convertCase == LowerCase)
        return c.toLower().unicode();
    return keyAscii;
}
