#pragma once
#include <QString>

#include <optional>

// Number cells: reading the stored text as a number and showing it with a
// fixed number of decimals, optionally with thousands separators.
class SpreadNumberFormat {
public:
    // The number a cell text holds (separators allowed), or none.
    static std::optional<double> parse(const QString &text);
    static QString format(double value, int decPlaces, bool showSep);
    // The stored form of a number: plain digits, "." for decimals, no separators.
    static QString plain(double value, int decPlaces);
    // The number format code of a spreadsheet file ("#,##0.00", "0").
    static QString formatCode(int decPlaces, bool showSep, bool negRed);
};
