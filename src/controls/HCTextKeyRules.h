#pragma once

// The key-press rules of the formatted text box: which typed characters each
// AcceptType admits, case conversion, and Enter, which is never typed.
class HCTextKeyRules {
public:
    enum AcceptType { AnyText = 0, Number = 1, Letters = 2, Telephone = 3, Time = 4, DashedDigits = 5 };
    enum ConvertCase { NoConversion = 0, UpperCase = 1, LowerCase = 2 };
    enum class Outcome {
        Typed,     // keyAscii (possibly converted) goes into the box
        Cancelled, // the host set the key to 0 before the rules ran
        Refused,   // keyAscii set to 0; the caller beeps
        Enter      // keyAscii set to 0; the caller moves the focus when AutoTab is on
    };

    static constexpr int Backspace = 8;
    static constexpr int EnterKey = 13;
    static constexpr int Minus = 45;

    static Outcome apply(int &keyAscii, int acceptType, int convertCase);

    // Number, telephone, time and dashed digits: digits only, no case conversion.
    static bool isDigitType(int acceptType);

private:
    static bool alwaysAllowed(int keyAscii, int acceptType);
    static bool admitted(int keyAscii, int acceptType);
    static int converted(int keyAscii, int convertCase);
};
