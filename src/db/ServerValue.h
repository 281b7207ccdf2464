#pragma once
#include <QByteArray>

#include <optional>

struct st_mysql;

// One value of a statement's first row, read straight on a connection: not
// written to the SQL log and never shown as an error box. Nothing when the
// statement failed; an empty value when there was no row or the value is NULL.
std::optional<QByteArray> ReadServerValue(st_mysql *connection, const QByteArray &sql, unsigned column = 0);
