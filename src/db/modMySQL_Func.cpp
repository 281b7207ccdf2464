#include "modMySQL_Func.h"

#include "MySQLError.h"
#include "SQLLog.h"

std::array<std::unique_ptr<cMySQL>, 2> g_DB;
int g_nDB = 0;
bool g_bSQLLog = false;

namespace {

DBErrorReporter reporter;

cMySQL *readConnection() { return g_DB[static_cast<std::size_t>(g_nDB)].get(); }
cMySQL *writeConnection() { return g_DB[0].get(); }

} // namespace

void DBLogStatement(const QString &sql)
{
    if (!g_bSQLLog)
        return;
    const std::optional<DBError> failure = AppendSQLLog(sql);
    if (failure && reporter)
        reporter(*failure);
}

bool DBInit(const QString &host, const QString &user, const QString &password, const QString &database,
            const QString &host2, bool logOn, DBErrorReporter errorReporter)
{
    bool result = false;
    g_nDB = 0;
    g_bSQLLog = logOn;
    reporter = std::move(errorReporter);
    try {
        g_DB[0] = std::make_unique<cMySQL>(reporter);
        result = g_DB[0]->real_connect(host, user, password, database, 3306, QString(), 0, false);
        if (!host2.isEmpty() && host2 != host) {
            g_nDB = 1;
            g_DB[1] = std::make_unique<cMySQL>(reporter);
            result = g_DB[1]->real_connect(host2, user, password, database, 3306, QString(), 0, false);
        }
    } catch (const MySQLError &e) {
        if (reporter)
            reporter({DBError::Kind::Procedure, e.number(), e.description(), QStringLiteral("DBInit"),
                      QStringLiteral("Module modMySQL_Func")});
    }
    return result;
}

int DBQuery(RecordsetPtr &rows, const QString &sql)
{
    cMySQL *connection = readConnection();
    rows = connection ? connection->query(sql) : nullptr;
    return connection ? connection->affected_rows() : -1;
}

bool DBQueryInChunks(const QString &sql, const ChunkReader &reader)
{
    cMySQL *connection = readConnection();
    return connection && connection->query_in_chunks(sql, reader);
}

QString DBGetValue(const QString &sql)
{
    RecordsetPtr rows;
    DBQuery(rows, sql);
    return rows && !rows->Eof() ? rows->Fields(0) : QString(QLatin1String(""));
}

int DBExecute(const QString &sql)
{
    cMySQL *connection = writeConnection();
    int count = 0;
    if (connection) {
        RecordsetPtr rows = connection->query(sql);
        count = std::max(0, connection->affected_rows());
    }
    DBLogStatement(sql);
    return count;
}

int DBCount(const QString &table, const QString &condition)
{
    QString sql = QStringLiteral("SELECT COUNT(*) FROM ") + table;
    if (!condition.isEmpty())
        sql += QStringLiteral(" WHERE ") + condition;
    RecordsetPtr rows;
    DBQuery(rows, sql);
    if (!rows || rows->Eof())
        return -1;
    return rows->Fields(0).toInt();
}

int DBInsertId() { return writeConnection() ? writeConnection()->insert_id() : 0; }

bool DBKeepsTransactions(const QStringList &tables)
{
    return writeConnection() && writeConnection()->keeps_transactions(tables);
}

void CloseRecordset(RecordsetPtr &rows)
{
    if (rows && rows->GetState() == Recordset::Open)
        rows->Close();
    rows.reset();
}
