#include "modMySQL_Func.h"

#include "MessageBoxes.h"
#include "MySQLError.h"
#include "SQLLog.h"

std::array<std::unique_ptr<cMySQL>, 2> g_DB;
int g_nDB = 0;
bool g_bSQLLog = false;

namespace {

cMySQL *readConnection() { return g_DB[static_cast<std::size_t>(g_nDB)].get(); }
cMySQL *writeConnection() { return g_DB[0].get(); }

} // namespace

void DBLogStatement(const QString &sql)
{
    if (g_bSQLLog)
        AppendSQLLog(sql);
}

bool DBInit(const QString &host, const QString &user, const QString &password, const QString &database,
            const QString &host2, bool logOn)
{
    bool result = false;
    g_nDB = 0;
    g_bSQLLog = logOn;
    try {
        g_DB[0] = std::make_unique<cMySQL>();
        result = g_DB[0]->real_connect(host, user, password, database, 3306, QString(), 0, false);
        if (!host2.isEmpty() && host2 != host) {
            g_nDB = 1;
            g_DB[1] = std::make_unique<cMySQL>();
            result = g_DB[1]->real_connect(host2, user, password, database, 3306, QString(), 0, false);
        }
    } catch (const MySQLError &e) {
        ShowProcError(e.number(), e.description(), QStringLiteral("DBInit"), QStringLiteral("Module modMySQL_Func"));
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
    if (g_bSQLLog)
        AppendSQLLog(sql);
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

bool CheckDuplicate(const QString &table, const QString &column, QString value, const QString &extra, bool ask,
                    const QString &label, const QString &display)
{
    QString condition = column + QStringLiteral("='") + SQLEscape(value) + QLatin1Char('\'');
    if (!extra.isEmpty())
        condition += QStringLiteral(" AND ") + extra;
    const int count = DBCount(table, condition);
    if (count == 0)
        return false;
    if (!ask || count < 0)
        return true; // taken, or not known to be free
    const QString shown = display.isEmpty() ? value : display;
    const MsgAnswer answer = MessageBoxes::show(
        {QStringLiteral("『") + shown + QStringLiteral("』는 이미 등록된 ") + label
             + QStringLiteral("입니다.\r\n\r\n그래도, 등록하시겠습니까?"),
         QStringLiteral("동일 ") + label + QStringLiteral(" 발견"), MsgButtons::YesNo, MsgIcon::Question, MsgNo});
    return answer == MsgNo;
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
