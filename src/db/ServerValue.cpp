#include "ServerValue.h"

#include <mysql.h>

std::optional<QByteArray> ReadServerValue(st_mysql *connection, const QByteArray &sql, unsigned column)
{
    if (mysql_real_query(connection, sql.constData(), static_cast<unsigned long>(sql.size())) != 0)
        return std::nullopt;
    MYSQL_RES *result = mysql_store_result(connection);
    if (!result)
        return std::nullopt;
    QByteArray value;
    if (const MYSQL_ROW row = mysql_fetch_row(result); row && column < mysql_num_fields(result) && row[column])
        value = row[column];
    mysql_free_result(result);
    return value;
}
