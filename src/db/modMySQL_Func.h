#pragma once
#include "DBError.h"
#include "DBTransaction.h"
#include "Recordset.h"
#include "SQLEscape.h"
#include "cMySQL.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

// The program-wide connections and the calls every screen reads and writes
// through. Reads go to connection g_nDB, changes always to connection 0.
// Every failure the operator must hear of goes to the reporter DBInit was
// given.

extern std::array<std::unique_ptr<cMySQL>, 2> g_DB;
extern int g_nDB;
extern bool g_bSQLLog;

bool DBInit(const QString &host, const QString &user, const QString &password, const QString &database,
            const QString &host2, bool logOn, DBErrorReporter reporter);
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
int DBInsertId();
// False when one of the tables keeps no transactions on connection 0, or its
// engine could not be read.
bool DBKeepsTransactions(const QStringList &tables);
void CloseRecordset(RecordsetPtr &rows);

// Appends a statement that ran outside DBExecute to the SQL log (when on).
void DBLogStatement(const QString &sql);
