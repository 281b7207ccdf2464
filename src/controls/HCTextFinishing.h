#pragma once
#include <QString>

// What a formatted text box makes of its text when the operator leaves the
// field, as pure functions: each gives the finished text, and the ones that
// can refuse an entry also what to tell the operator about it.
class HCTextFinishing {
public:
    struct Result {
        QString text;
        QString failure; // the message for the operator; empty when there is nothing to tell
    };

    // Trailing blanks removed (other white space stays).
    static QString withoutTrailingBlanks(QString text);
    // A number field shows at least "0": a text whose leading number is 0, or
    // that has none, becomes "0"; any other stays as it is.
    static QString number(const QString &text);
    // Area part, middle group and last four digits with dashes (01012345678 ->
    // 010-1234-5678, 0212345678 -> 02-1234-5678); a text that is not numeric is
    // taken by its digits. Entries too short for the groups are kept.
    static QString telephone(const QString &text);
    // "HH:MM" from a short time entry (9, 14, 1425, 14:25). An entry of another
    // length gives "" at once; one that reads as no valid time gives "" and the
    // message that names it.
    static Result time(const QString &text);
    // Dashes removed, then a whole number laid out as "000-000-0000": at least
    // ten digits, the last four after the second dash, the three before them
    // after the first. A text that is not numeric stays as it is (without dashes).
    static QString dashedDigits(const QString &text);
    // The finishing of a field by its AcceptType: telephone, time or dashed
    // digits; any other type keeps its text.
    static Result formatted(int acceptType, const QString &text);
    // A text over maxLength bytes of CP949 (hangul counts 2) cut to the limit,
    // never halving a character, with the message that tells the operator;
    // maxLength 0 sets no limit.
    static Result withinByteLimit(const QString &text, int maxLength);
};
