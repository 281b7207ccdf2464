#include "GaleraSession.h"

#include "ServerValue.h"

#include <mysql.h>

bool GaleraSession::prepare(st_mysql *connection)
{
    // A node replicates while wsrep_on is ON; a server built without the
    // replication layer does not know the variable and shows no row.
    const auto replicating = ReadServerValue(connection, "SHOW VARIABLES LIKE 'wsrep_on'", 1);
    if (!replicating)
        return false;
    if (*replicating != "ON")
        return true;
    static const char setting[] = "SET SESSION wsrep_sync_wait = 3";
    return mysql_real_query(connection, setting, sizeof setting - 1) == 0;
}
