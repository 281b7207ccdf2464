#pragma once
#include <QString>

// Values of a statement, escaped where the statement is built.
// Cuts at the first NUL and doubles every "'" (kept in value); returns that
// text with every "\" doubled as well.
QString SQLEscape(QString &value);
// The escaped form of a value that the caller does not need back.
QString SQLEscaped(QString value);
// A search text for LIKE '%...%': a backslash (LIKE's escape character) is
// doubled so it matches itself, then the text is escaped as any value; "%"
// and "_" stay wildcards.
QString SQLEscapedLike(QString value);
