#include "modMySQL_Func.h"

#include "Clock.h"
#include "Cp949.h"
#include "DataFolder.h"
#include "MessageBoxes.h"
#include "MySQLError.h"

#include <QFile>

std::array<std::unique_ptr<cMySQL>, 2> g_DB;
int g_nDB = 0;
bool g_bSQLLog = false;

namespace {

cMySQL *readConnection() { return g_DB[static_cast<std::size_t>(g_nDB)].get(); }
cMySQL *writeConnection() { return g_DB[0].get(); }

bool logFailureReported = false;

// Appends the encoded line of a statement to today's SQL log. A log that
// cannot be written never undoes the statement; the operator hears of it once
// until the log can be written again.
void appendSQLLog(const QString &sql)
{
    const QDateTime now = Clock::now();
    const QString line = now.toString(QStringLiteral("yyMMddHHmmss")) + QLatin1Char('\t') + sql + QLatin1Char(';');
    QFile file(SQLLogFile(now.date()));
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Append)
                         && file.write(ScrambleLogLine(line).toLatin1() + "\r\n") >= 0 && file.flush();
    if (written)
        logFailureReported = false;
    if (written || logFailureReported)
        return;
    logFailureReported = true;
    MessageBoxes::show(
        {QStringLiteral("SQL 로그 파일을 기록할 수 없습니다.\r\n\r\n") + file.fileName()
             + QStringLiteral("\r\n\r\n처리한 자료는 저장되었으며, 이후 로그는 기록되지 않을 수 있습니다."),
         QString(), MsgButtons::Ok, MsgIcon::Exclamation, MsgOk});
}

} // namespace

void DBLogStatement(const QString &sql)
{
    if (g_bSQLLog)
        appendSQLLog(sql);
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
        appendSQLLog(sql);
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

QString SQLEscape(QString &value)
{
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0)
        value.truncate(nul);
    value.replace(QLatin1Char('\''), QLatin1String("''"));
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return escaped;
}

QString SQLEscaped(QString value) { return SQLEscape(value); }

QString SQLEscapedLike(QString value) { return SQLEscaped(value.replace(QLatin1Char('\\'), QLatin1String("\\\\"))); }

void CloseRecordset(RecordsetPtr &rows)
{
    if (rows && rows->GetState() == Recordset::Open)
        rows->Close();
    rows.reset();
}

QString ScrambleLogLine(const QString &line)
{
    QString out;
    out.reserve(line.size() * 4);
    for (QChar c : line) {
        int code = Cp949::codeOf(c);
        if (code < 0)
            code = '?';
        const QString hex = QString::number(code, 16).toUpper();
        QString group;
        if (hex.size() == 2)
            group = hex + QLatin1String("00");
        else if (hex.size() == 1)
            group = QLatin1String("000") + hex;
        else
            group = hex.rightJustified(4, QLatin1Char('0'));
        // The two halves of every group of four change places.
        out += group.mid(2, 2) + group.left(2);
    }
    return out;
}

QString SQLLogFile(const QDate &day)
{
    return DataFolder::file(QStringLiteral("SQLLog_") + day.toString(QStringLiteral("yyMMdd"))
                            + QStringLiteral(".dat"));
}

DBTransaction::DBTransaction()
{
    if (!writeConnection())
        return;
    m_started = writeConnection()->begin_transaction();
    if (m_started)
        DBLogStatement(QStringLiteral("START TRANSACTION"));
}

DBTransaction::~DBTransaction()
{
    if (m_started && !m_done)
        rollback();
}

DBTransaction::Outcome DBTransaction::commit()
{
    if (!m_started || m_done)
        return Outcome::NotCommitted;
    m_done = true;
    cMySQL *connection = writeConnection();
    if (connection->commit()) {
        DBLogStatement(QStringLiteral("COMMIT"));
        return Outcome::Committed;
    }
    if (connection->answer_lost())
        return Outcome::AnswerLost;
    DBLogStatement(QStringLiteral("ROLLBACK"));
    return Outcome::NotCommitted;
}

bool DBTransaction::rollback()
{
    if (!m_started || m_done)
        return true;
    m_done = true;
    const bool undone = writeConnection()->rollback();
    DBLogStatement(QStringLiteral("ROLLBACK"));
    return undone;
}

void DBTransaction::logOutcome(bool committed)
{
    DBLogStatement(committed ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK"));
}

bool DBTransaction::lastStatementFailed() { return !writeConnection() || writeConnection()->last_error() != 0; }

bool DBTransaction::lastAnswerLost() { return writeConnection() && writeConnection()->answer_lost(); }

bool DBTransaction::lastStatementMayRetry()
{
    constexpr unsigned LockWaitTimeout = 1205, Deadlock = 1213;
    const unsigned error = writeConnection() ? writeConnection()->last_error() : 0;
    return error == LockWaitTimeout || error == Deadlock;
}
