#pragma once
#include <QString>

// Live reformatting of a number field with thousands separators: run on every
// change of its text, it gives the text to show and where the caret goes.
class HCTextLiveNumber {
public:
    struct Result {
        QString text;
        int caret = 0;
    };

    // "#,##0" or "#,##0." followed by decPlace zeros.
    static QString displayFormat(int decPlace);
    // "0" or "0." followed by decPlace zeros: the value without separators.
    static QString valueFormat(int decPlace);

    static Result reformat(const QString &text, int caret, int decPlace);

private:
    static int excessDecimals(const QString &text, int decPlace);
    static QString formatted(const QString &text, int excess, int decPlace);
    static int movedCaret(const QString &oldText, const QString &newText, int caret, int excess, int decPlace);
};
