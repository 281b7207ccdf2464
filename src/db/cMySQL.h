#pragma once
#include "ChunkReader.h"
#include "DBError.h"
#include "Recordset.h"
#include "SessionIdentity.h"

#include <QHash>
#include <QString>
#include <QStringList>

struct st_mysql;
struct st_mysql_res;

// One connection to the database server. query() hands back whole results as
// disconnected row sets of text; each failure the operator must hear of goes,
// as a DBError, to the reporter the connection was made with (none: the
// failure is only in last_error()). Statement text is sent, and results read,
// in CP949.
class cMySQL {
public:
    explicit cMySQL(DBErrorReporter reporter);
    ~cMySQL();
    cMySQL(const cMySQL &) = delete;
    cMySQL &operator=(const cMySQL &) = delete;

    // Opens the connection and keeps the values for reconnection. The host may
    // carry a port ("host:port"), which then wins over the port argument.
    bool real_connect(const QString &host, const QString &user, const QString &password, const QString &database,
                      int port = 3306, const QString &socket = QString(), unsigned clientFlags = 0,
                      bool noMessage = false);
    // Runs one statement: a row set for statements that produce rows, nothing
    // otherwise or on failure. A lost connection is reopened and the statement
    // run once more, except inside a transaction.
    RecordsetPtr query(const QString &statement);
    int affected_rows() const;
    int insert_id() const;

    // Runs a read and hands its rows over as they arrive, reader.rowsPerChunk
    // at a time (fewer in the last lot), without ever holding the whole
    // result; while the server prepares its answer, reader.whileWaiting runs
    // every few tens of milliseconds. Until the last row has been read the
    // connection refuses every other statement with error 2014. False, with
    // the error reported, when the statement failed, also after some of its
    // rows were handed over: those were then not all of them. A connection
    // lost before the answer is reopened and the statement run once more, as
    // query() does.
    bool query_in_chunks(const QString &statement, const ChunkReader &reader);

    // Runs one statement and leaves every failure to the caller: no report,
    // no reconnect. The error number is last_error().
    RecordsetPtr query_quietly(const QString &statement);

    // Transactions: while one is open a lost connection is reported, never
    // silently reopened, so a half-applied change cannot be retried. A
    // deadlock or lock wait inside one, and an answer lost inside one, are
    // left to the transaction's owner to report: it may retry, or must first
    // find out whether the transaction committed.
    bool begin_transaction();
    bool commit();
    // False when the server reported changes it could not undo (tables
    // without transactions).
    bool rollback();
    bool in_transaction() const { return m_inTransaction; }
    // Error number of the last statement (0 when it succeeded).
    unsigned last_error() const { return m_lastError; }
    bool connection_lost() const;
    // True when the last statement may have taken effect without its answer
    // arriving: the connection was lost, killed, or the server was shutting down.
    bool answer_lost() const;
    // Opens a new connection after a loss; the old session is remembered, so
    // that end_previous_session() can end it. False when no connection could
    // be made.
    bool reopen_after_loss();
    // Ends the session this connection had before its last reopening, when the
    // server still shows it, on the same server run, as this program's.
    void end_previous_session();
    // False when a table keeps no transactions (its changes survive a
    // rollback), or its engine could not be read. Read once per connection.
    bool keeps_transactions(const QStringList &tables);

    // Thin wrappers of the client library; failures raise MySQLError.
    void debug_push(const QString &text);
    void dump_debug_info();
    bool eof() const;
    unsigned err_no() const;
    QString err_description() const;
    QString get_client_info() const;
    QString get_host_info() const;
    QString get_server_info() const;
    QString info() const;
    RecordsetPtr list_fields(const QString &table, const QString &pattern);
    RecordsetPtr list_processes();
    unsigned num_fields() const;
    void ping();
    RecordsetPtr real_query(const QString &statement, unsigned long length);
    void Refresh(unsigned options);
    void select_db(const QString &name);
    void shutdown();
    QString stat();
    unsigned long thread_id() const;
    // The TLS cipher of the connection, or "" when it runs in clear.
    QString ssl_cipher() const;

    // The connection values, readable and writable.
    QString user, password, host, db, unix_socket;
    unsigned ClientFlags = 0;
    int port = 0;

private:
    // Notes the failure of a connection and, unless silenced, reports it.
    bool connectFailed(unsigned number, const QString &clientText);
    RecordsetPtr run(const QByteArray &statement);
    RecordsetPtr runOnce(const QByteArray &statement);
    RecordsetPtr takeResult(st_mysql_res *result);
    static void addColumns(Recordset &rows, st_mysql_res *result);
    static void appendRow(Recordset &rows, char **row, const unsigned long *lengths, unsigned fields);
    bool readInChunks(const ChunkReader &reader);
    // Sends a statement and waits for its answer in short slices, running
    // whileWaiting between them; mysql_real_query's result.
    int sendWaiting(const QByteArray &sql, const std::function<void()> &whileWaiting);
    // Notes the error of the last call and reports it unless it is the caller's to report.
    bool failed();
    void reportStatementError(unsigned number, const QString &text);
    bool refusedWhileStreaming();
    bool reconnect();
    bool reconnectForRetry();
    void recordConnection(const QString &userKey);
    void killIfOurs(const SessionIdentity &session);
    bool leftToCaller(unsigned errorNumber) const;
    bool isConnectionLoss(unsigned errorNumber) const;
    // True when the last statement's warnings include the code (or cannot be read).
    bool warned(unsigned code);
    [[noreturn]] void raise(const char *source) const;

    DBErrorReporter m_report;
    st_mysql *m_mysql = nullptr;
    bool m_noMessage = false;
    bool m_connected = false;
    bool m_inTransaction = false;
    bool m_streaming = false; // a result is being read row by row
    bool m_mariaDB = true;
    unsigned m_lastError = 0;
    SessionIdentity m_session;
    SessionIdentity m_previousSession;
    QHash<QString, bool> m_keepsTransactions;
};
