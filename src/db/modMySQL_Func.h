#pragma once
#include "Recordset.h"
#include "cMySQL.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

// The program-wide connections and the calls every screen reads and writes
// through. Reads go to connection g_nDB, changes always to connection 0.

extern std::array<std::unique_ptr<cMySQL>, 2> g_DB;
extern int g_nDB;
extern bool g_bSQLLog;

bool DBInit(const QString &host, const QString &user, const QString &password, const QString &database,
            const QString &host2, bool logOn);
// Runs a read; rows receives the row set (or nothing). Returns the affected-row
// count of the read connection: the number of rows, or -1 after a failure.
int DBQuery(RecordsetPtr &rows, const QString &sql);
// Runs a read on the same connection and hands its rows over as they arrive
// (see cMySQL::query_in_chunks); false when it failed, also midway.
bool DBQueryInChunks(const QString &sql, const ChunkReader &reader);
// First column of the first row, or "" (no row, or a failed statement).
QString DBGetValue(const QString &sql);
// Runs a change on connection 0 and logs it; rows affected, never below 0.
int DBExecute(const QString &sql);
// Matching rows, or -1 when the count could not be read.
int DBCount(const QString &table, const QString &condition);
// True when the value is taken (or could not be checked) and the caller must not save.
bool CheckDuplicate(const QString &table, const QString &column, QString value, const QString &extra, bool ask,
                    const QString &label, const QString &display);
int DBInsertId();
// False when one of the tables keeps no transactions on connection 0, or its
// engine could not be read.
bool DBKeepsTransactions(const QStringList &tables);
// Cuts at the first NUL and doubles every "'" (kept in value); returns that
// text with every "\" doubled as well.
QString SQLEscape(QString &value);
// The escaped form of a value that the caller does not need back.
QString SQLEscaped(QString value);
// A search text for LIKE '%...%': a backslash (LIKE's escape character) is
// doubled so it matches itself, then the text is escaped as any value; "%"
// and "_" stay wildcards.
QString SQLEscapedLike(QString value);
void CloseRecordset(RecordsetPtr &rows);

// Appends a statement that ran outside DBExecute to the SQL log (when on).
void DBLogStatement(const QString &sql);

// Encodes one SQL log line: the CP949 code of each character as four hex
// digits, halves of every group of four swapped.
QString ScrambleLogLine(const QString &line);
// "SQLLog_yymmdd.dat" in the program folder, for the given day.
QString SQLLogFile(const QDate &day);

// A transaction on connection 0 that rolls back unless committed. Its
// statements go into the SQL log like any other; the line that ends it says
// what became of it (COMMIT or ROLLBACK), also when its answer was lost and
// the outcome had to be learned afterwards (logOutcome).
class DBTransaction {
public:
    enum class Outcome { Committed, NotCommitted, AnswerLost };

    DBTransaction();
    ~DBTransaction();
    DBTransaction(const DBTransaction &) = delete;
    DBTransaction &operator=(const DBTransaction &) = delete;

    bool started() const { return m_started; }
    // Commits; AnswerLost when the COMMIT may have landed unseen.
    Outcome commit();
    // False when a change may have stayed behind (tables without transactions,
    // or a lost connection).
    bool rollback();
    // The line that ends a transaction whose outcome was learned afterwards.
    static void logOutcome(bool committed);
    // True when the last statement on connection 0 failed.
    static bool lastStatementFailed();
    // True when the last statement may have taken effect unseen (see cMySQL::answer_lost).
    static bool lastAnswerLost();
    // True when it failed on a deadlock or a lock wait: worth one more try.
    static bool lastStatementMayRetry();

private:
    bool m_started = false;
    bool m_done = false;
};
