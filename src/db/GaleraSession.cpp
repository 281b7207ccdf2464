#include "GaleraSession.h"

#include <mysql.h>

#include <cstring>

bool GaleraSession::prepare(st_mysql *connection)
{
    bool failed = false;
    if (!isClusterNode(connection, failed))
        return !failed;
    static const char setting[] = "SET SESSION wsrep_sync_wait = 3";
    return mysql_real_query(connection, setting, sizeof setting - 1) == 0;
}

// A node replicates while wsrep_on is ON; a server built without the
// replication layer does not know the variable and shows no row.
bool GaleraSession::isClusterNode(st_mysql *connection, bool &failed)
{
    static const char question[] = "SHOW VARIABLES LIKE 'wsrep_on'";
    if (mysql_real_query(connection, question, sizeof question - 1) != 0) {
        failed = true;
        return false;
    }
    MYSQL_RES *result = mysql_store_result(connection);
    if (!result) {
        failed = true;
        return false;
    }
    const MYSQL_ROW row = mysql_fetch_row(result);
    const bool on = row && row[1] && std::strcmp(row[1], "ON") == 0;
    mysql_free_result(result);
    return on;
}
