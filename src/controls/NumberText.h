#pragma once
#include "LeadingNumber.h"

#include <QString>

// Numbers typed as text, as every screen and control reads them.

// True for optional blanks, an optional sign, digits with optional ","
// group separators and an optional decimal part ("." and digits), optional
// trailing blanks. At least one digit is needed, so a single character passes
// only if it is a digit.
bool IsNumericText(const QString &text);

// Formats a number with a pattern of the form "#,##0", "0", "00" or "#,##0.00":
// the zeros before the point give the least count of integer digits, a ","
// asks for thousands separators, the zeros after the point the decimals.
// Rounds half away from zero; a result of zero carries no sign.
QString FormatNumber(double value, const QString &pattern);

// The same for a text: a numeric text (IsNumericText) is formatted exactly from
// its digits, any other text is returned unchanged.
QString FormatNumberText(const QString &text, const QString &pattern);
