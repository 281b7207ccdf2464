#pragma once
#include <QString>

// The number at the start of a text, as the version files hold it
// ("27", " 27.6 rev" -> 27.6); 0 when the text does not begin with one.
double LeadingNumber(const QString &text);
