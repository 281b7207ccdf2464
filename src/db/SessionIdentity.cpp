#include "SessionIdentity.h"

#include "ServerValue.h"

#include <mysql.h>

#include <cstdlib>

namespace {

// server_id, host name, port and (on a cluster) node name, in that order.
std::optional<QByteArray> serverName(st_mysql *connection)
{
    static const QByteArray sql = "SHOW VARIABLES WHERE Variable_name IN "
                                  "('server_id', 'hostname', 'port', 'wsrep_node_name')";
    if (mysql_real_query(connection, sql.constData(), static_cast<unsigned long>(sql.size())) != 0)
        return std::nullopt;
    MYSQL_RES *result = mysql_store_result(connection);
    if (!result)
        return std::nullopt;
    QByteArray name;
    while (const MYSQL_ROW row = mysql_fetch_row(result))
        name += QByteArray(row[0]) + '=' + QByteArray(row[1] ? row[1] : "") + ';';
    mysql_free_result(result);
    return name;
}

// The second the server started, from its clock and its uptime.
std::optional<long long> serverStart(st_mysql *connection)
{
    const auto uptime = ReadServerValue(connection, "SHOW GLOBAL STATUS LIKE 'Uptime'", 1);
    const auto now = ReadServerValue(connection, "SELECT UNIX_TIMESTAMP()");
    if (!uptime || !now || uptime->isEmpty() || now->isEmpty())
        return std::nullopt;
    return now->toLongLong() - uptime->toLongLong();
}

QByteArray processListUser(st_mysql *connection, unsigned long threadId)
{
    const auto user = ReadServerValue(connection, "SELECT CONCAT(USER, '@', HOST) FROM information_schema.PROCESSLIST "
                                                  "WHERE ID = "
                                                      + QByteArray::number(static_cast<qulonglong>(threadId)));
    return user.value_or(QByteArray());
}

// Two readings of one server's start may differ by the second between them.
bool sameServer(const QByteArray &a, const QByteArray &b)
{
    const qsizetype at = a.lastIndexOf('@'), bt = b.lastIndexOf('@');
    if (at < 0 || bt < 0 || a.left(at) != b.left(bt))
        return false;
    return std::llabs(a.mid(at + 1).toLongLong() - b.mid(bt + 1).toLongLong()) <= 1;
}

} // namespace

std::optional<SessionIdentity> SessionIdentity::of(st_mysql *connection)
{
    const auto name = serverName(connection);
    const auto start = serverStart(connection);
    if (!name || !start)
        return std::nullopt;
    SessionIdentity identity;
    identity.server = *name + '@' + QByteArray::number(*start);
    identity.threadId = mysql_thread_id(connection);
    identity.user = processListUser(connection, identity.threadId);
    return identity;
}

bool SessionIdentity::showsOn(st_mysql *connection, const SessionIdentity &connectionIdentity) const
{
    if (!known() || !connectionIdentity.known() || !sameServer(server, connectionIdentity.server))
        return false;
    return !user.isEmpty() && processListUser(connection, threadId) == user;
}
