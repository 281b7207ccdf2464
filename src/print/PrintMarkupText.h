#pragma once
#include <QDate>
#include <QString>

// The page header and footer mark-up that a print request builds.
class PrintMarkupText {
public:
    // The five fonts of the header and footer, stored as fonts 1 to 5.
    static QString fontTable(int titleSize);
    static QString header(const QString &title, const QString &left, const QString &center, int titleSize);
    // The caller's foot text (lines joined by "/n"), followed, when pageFooter
    // is set, by "Page: n/m" at the left and the print date in the centre.
    static QString footer(const QString &footText, bool pageFooter, int titleSize, const QDate &today);
    // Plain text as mark-up that prints it unchanged (a slash doubled).
    static QString literal(const QString &text);
};
