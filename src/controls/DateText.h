#pragma once
#include <QDate>
#include <QString>

// The date texts of the date controls: a date reads and writes "yyyy-mm-dd",
// an empty field shows the pattern "____-__-__".
class DateText {
public:
    static const QString EmptyPattern;

    // The calendar date written year-month-day ("2011-05-03", "2011-5-3",
    // "2011/5/3", "2011.05.03"); an invalid QDate when the text is not a real
    // date (half-typed, 2011-02-30, 2011-13-01, ...).
    static QDate toDate(const QString &text);
    static bool isDate(const QString &text) { return toDate(text).isValid(); }
    static QString format(const QDate &date);
    // A date rewritten "yyyy-mm-dd"; anything else becomes the empty pattern.
    static QString normalized(const QString &text);
    static QString today();

    // The two-line message of a failed date check, titled "날짜입력 확인".
    static void showCheckMessage();
};
