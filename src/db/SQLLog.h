#pragma once
#include "DBError.h"

#include <QDate>
#include <QString>

#include <optional>

// The daily SQL log: one encoded line per statement, in the program's data
// folder.

// Appends the encoded line of a statement to today's SQL log. A log that
// cannot be written never undoes the statement; the failure is returned once,
// for the operator to hear of, until the log can be written again.
std::optional<DBError> AppendSQLLog(const QString &sql);
// Encodes one SQL log line: the CP949 code of each character as four hex
// digits, halves of every group of four swapped.
QString ScrambleLogLine(const QString &line);
// "SQLLog_yymmdd.dat" in the program folder, for the given day.
QString SQLLogFile(const QDate &day);
