#pragma once
#include <QString>

// The number a text begins with: leading blanks, an optional sign, digits and
// an optional decimal part; reading stops at the first other character. A text
// that does not begin with a number reads as 0.
double LeadingNumber(const QString &text);
