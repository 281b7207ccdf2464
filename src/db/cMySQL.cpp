#include "cMySQL.h"

#include "ConnectionTls.h"
#include "Cp949.h"
#include "DataFolder.h"
#include "GaleraSession.h"
#include "MySQLError.h"
#include "ProfileFile.h"
#include "ServerErrors.h"
#include "ServerValue.h"

#include <QElapsedTimer>

#include <errmsg.h>
#include <mysql.h>

#include <poll.h>

#include <cstring>

namespace {

// While a statement's answer is awaited, the caller's wait runs this often.
constexpr int WaitSliceMs = 40;

QByteArray cp949(const QString &text) { return Cp949::encode(text); }

QString configFile() { return DataFolder::file(QStringLiteral("config.ini")); }

// "host:port" splits into both and is true; a plain host keeps the given port.
bool splitHostPort(const QString &hostText, QString &host, int &port)
{
    const qsizetype colon = hostText.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const int parsed = colon > 0 ? hostText.mid(colon + 1).toInt(&ok) : 0;
    if (ok && parsed > 0 && !hostText.left(colon).contains(QLatin1Char(':'))) {
        host = hostText.left(colon);
        port = parsed;
        return true;
    }
    host = hostText;
    return false;
}

// Bytes of one value as the row set keeps them: cut at the first NUL, trailing
// blanks removed (a CP949 trail byte is never a blank, so this is safe).
qsizetype valueLength(const char *data, unsigned long length)
{
    const void *nul = std::memchr(data, '\0', length);
    qsizetype n = nul ? static_cast<const char *>(nul) - data : static_cast<qsizetype>(length);
    while (n > 0 && data[n - 1] == ' ')
        --n;
    return n;
}

bool isAscii(const char *data, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i) {
        if (static_cast<unsigned char>(data[i]) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

cMySQL::cMySQL(DBErrorReporter reporter) : m_report(std::move(reporter)), m_mysql(mysql_init(nullptr))
{
    if (!m_mysql)
        throw MySQLError(512, QStringLiteral("cMysql::Initialize"),
                         QStringLiteral("Cannot Initialize a mysql record::Fatal"));
}

cMySQL::~cMySQL()
{
    if (m_mysql)
        mysql_close(m_mysql);
}

bool cMySQL::real_connect(const QString &hostArg, const QString &userArg, const QString &passwordArg,
                          const QString &databaseArg, int portArg, const QString &socketArg, unsigned flagsArg,
                          bool noMessage)
{
    if (!hostArg.isEmpty())
        host = hostArg;
    if (!userArg.isEmpty())
        user = userArg;
    if (!passwordArg.isEmpty())
        password = passwordArg;
    if (!databaseArg.isEmpty())
        db = databaseArg;
    if (!socketArg.isEmpty())
        unix_socket = socketArg;
    if (portArg != 3306)
        port = portArg;
    if (flagsArg != 0)
        ClientFlags = flagsArg;
    m_noMessage = noMessage;

    if (!m_mysql)
        m_mysql = mysql_init(nullptr);
    // Text goes both ways in the Korean code page.
    mysql_options(m_mysql, MYSQL_SET_CHARSET_NAME, "euckr");
    // query_in_chunks waits for an answer without blocking; every other call blocks as ever.
    mysql_options(m_mysql, MYSQL_OPT_NONBLOCK, nullptr);
    ConnectionTls::apply(m_mysql);

    QString connectHost;
    int connectPort = portArg;
    const bool portGiven = splitHostPort(host, connectHost, connectPort);
    // Without a host the client library would quietly use this machine's
    // server; the program has no server then.
    if (connectHost.trimmed().isEmpty())
        return connectFailed(ServerErrors::UnknownHost, QStringLiteral("No database server host is set"));
    // A port given with the host is the server's TCP port, "localhost" included.
    if (portGiven) {
        const unsigned protocol = MYSQL_PROTOCOL_TCP;
        mysql_options(m_mysql, MYSQL_OPT_PROTOCOL, &protocol);
    }
    const QByteArray h = cp949(connectHost), u = cp949(user), p = cp949(password), d = cp949(db),
                     s = cp949(unix_socket);
    if (mysql_real_connect(m_mysql, h.constData(), u.constData(), p.constData(), d.constData(),
                           static_cast<unsigned>(connectPort), s.isEmpty() ? nullptr : s.constData(), ClientFlags)
        && GaleraSession::prepare(m_mysql)) {
        m_connected = true;
        m_inTransaction = false;
        m_mariaDB = QByteArray(mysql_get_server_info(m_mysql)).contains("MariaDB");
        m_keepsTransactions.clear();
        recordConnection(userArg);
        m_session = SessionIdentity::of(m_mysql).value_or(SessionIdentity());
        return true;
    }
    // A connection the program could not prepare is never used.
    const unsigned number = mysql_errno(m_mysql);
    const QString text = Cp949::decode(mysql_error(m_mysql));
    mysql_close(m_mysql);
    m_mysql = mysql_init(nullptr);
    return connectFailed(number, text);
}

bool cMySQL::connectFailed(unsigned number, const QString &clientText)
{
    m_lastError = number;
    if (!m_noMessage && m_report)
        m_report({DBError::Kind::Connection, number, clientText, {}, {}});
    return false;
}

// "config.ini" keeps, per user name, the server thread of the newest connection
// (LPID) and the one before it (LPID2).
void cMySQL::recordConnection(const QString &userKey)
{
    const QString file = configFile();
    const QString previous = ProfileFile::read(file, QStringLiteral("LPID"), userKey, QString(), 99);
    ProfileFile::write(file, QStringLiteral("LPID2"), userKey, previous);
    ProfileFile::write(file, QStringLiteral("LPID"), userKey, QString::number(mysql_thread_id(m_mysql)));
}

RecordsetPtr cMySQL::query(const QString &statement) { return run(cp949(statement)); }

RecordsetPtr cMySQL::query_quietly(const QString &statement)
{
    if (m_streaming) {
        m_lastError = ServerErrors::CommandsOutOfSync;
        return nullptr;
    }
    return runOnce(cp949(statement));
}

// Sends one statement and takes its whole result; m_lastError tells how it went.
RecordsetPtr cMySQL::runOnce(const QByteArray &statement)
{
    m_lastError = 0;
    if (mysql_real_query(m_mysql, statement.constData(), static_cast<unsigned long>(statement.size())) == 0) {
        if (MYSQL_RES *result = mysql_store_result(m_mysql))
            return takeResult(result);
        if (mysql_field_count(m_mysql) == 0)
            return nullptr; // a statement without rows
    }
    m_lastError = mysql_errno(m_mysql);
    return nullptr;
}

RecordsetPtr cMySQL::run(const QByteArray &statement)
{
    if (refusedWhileStreaming())
        return nullptr;
    bool retried = false;
    for (;;) {
        RecordsetPtr rows = runOnce(statement);
        if (m_lastError == 0)
            return rows;
        const unsigned number = m_lastError;
        const bool lost = isConnectionLoss(number);
        if (lost && !retried && !m_inTransaction) {
            if (!reconnectForRetry())
                return nullptr;
            retried = true;
            continue;
        }
        if (!leftToCaller(number))
            reportStatementError(number, Cp949::decode(mysql_error(m_mysql)));
        return nullptr;
    }
}

void cMySQL::reportStatementError(unsigned number, const QString &text)
{
    if (m_report)
        m_report({DBError::Kind::Statement, number, text, {}, {}});
}

bool cMySQL::failed()
{
    m_lastError = mysql_errno(m_mysql);
    if (m_lastError != 0 && !leftToCaller(m_lastError))
        reportStatementError(m_lastError, Cp949::decode(mysql_error(m_mysql)));
    return m_lastError != 0;
}

bool cMySQL::refusedWhileStreaming()
{
    if (!m_streaming)
        return false;
    m_lastError = ServerErrors::CommandsOutOfSync;
    reportStatementError(m_lastError, QStringLiteral("Commands out of sync; you can't run this command now"));
    return true;
}

bool cMySQL::query_in_chunks(const QString &statement, const ChunkReader &reader)
{
    if (refusedWhileStreaming())
        return false;
    const QByteArray sql = cp949(statement);
    for (bool retried = false;; retried = true) {
        m_streaming = true;
        const int sent = sendWaiting(sql, reader.whileWaiting);
        m_streaming = false;
        if (sent == 0)
            return readInChunks(reader);
        m_lastError = mysql_errno(m_mysql);
        if (!connection_lost() || retried || m_inTransaction)
            return !failed();
        if (!reconnectForRetry())
            return false;
    }
}

int cMySQL::sendWaiting(const QByteArray &sql, const std::function<void()> &whileWaiting)
{
    int result = 0;
    int status = mysql_real_query_start(&result, m_mysql, sql.constData(), static_cast<unsigned long>(sql.size()));
    QElapsedTimer waited; // since the library last asked to wait
    waited.start();
    while (status != 0) {
        pollfd socket{mysql_get_socket(m_mysql), 0, 0};
        if (status & MYSQL_WAIT_READ)
            socket.events |= POLLIN;
        if (status & MYSQL_WAIT_WRITE)
            socket.events |= POLLOUT;
        if (status & MYSQL_WAIT_EXCEPT)
            socket.events |= POLLPRI;
        const int ready = poll(&socket, 1, WaitSliceMs);
        int happened = 0;
        if (ready > 0)
            happened = ((socket.revents & (POLLIN | POLLHUP | POLLERR)) ? MYSQL_WAIT_READ : 0)
                       | ((socket.revents & (POLLOUT | POLLHUP | POLLERR)) ? MYSQL_WAIT_WRITE : 0)
                       | ((socket.revents & POLLPRI) ? MYSQL_WAIT_EXCEPT : 0);
        if (happened == 0 && (status & MYSQL_WAIT_TIMEOUT)
            && waited.elapsed() >= qint64{mysql_get_timeout_value_ms(m_mysql)})
            happened = MYSQL_WAIT_TIMEOUT;
        if (happened == 0) {
            if (whileWaiting)
                whileWaiting();
            continue;
        }
        status = mysql_real_query_cont(&result, m_mysql, happened & status);
        waited.restart();
    }
    return result;
}

// Rows come off the connection one by one (mysql_use_result): the client never
// holds the whole result. Until the last row has been read the connection is
// busy and refuses every other statement. A row that cannot be read ends the
// read as a failure, however many rows came before it.
bool cMySQL::readInChunks(const ChunkReader &reader)
{
    MYSQL_RES *result = mysql_use_result(m_mysql);
    if (!result)
        return !failed(); // no error: a statement without rows
    m_streaming = true;
    Recordset chunk;
    addColumns(chunk, result);
    const unsigned n = mysql_num_fields(result);
    bool broken = false;
    for (bool reading = true; reading;) {
        chunk.clearRows();
        while (chunk.RecordCount() < reader.rowsPerChunk) {
            MYSQL_ROW row = mysql_fetch_row(result);
            if (!row)
                break;
            appendRow(chunk, row, mysql_fetch_lengths(result), n);
        }
        const bool more = chunk.RecordCount() == reader.rowsPerChunk;
        broken = !more && mysql_errno(m_mysql) != 0;
        if (broken)
            break;
        chunk.MoveFirst();
        const bool wanted = chunk.RecordCount() == 0 || reader.take(chunk);
        reading = more && wanted;
    }
    bool ok = !(broken && failed()); // the error is read before freeing the result
    mysql_free_result(result);       // reads and drops the rows of a reader that stopped early
    m_streaming = false;
    if (!broken)
        ok = !failed();
    return ok;
}

bool cMySQL::leftToCaller(unsigned errorNumber) const
{
    if (!m_inTransaction)
        return false;
    return errorNumber == ServerErrors::LockWaitTimeout || errorNumber == ServerErrors::Deadlock || answer_lost();
}

bool cMySQL::isConnectionLoss(unsigned errorNumber) const
{
    return errorNumber == ServerErrors::ServerGone || errorNumber == ServerErrors::ServerLost
           || errorNumber == ServerErrors::Tls || (!m_mariaDB && errorNumber == ServerErrors::MySQLIdleClosed);
}

bool cMySQL::connection_lost() const { return isConnectionLoss(m_lastError); }

bool cMySQL::answer_lost() const
{
    return connection_lost() || m_lastError == ServerErrors::ConnectionKilled
           || m_lastError == ServerErrors::ServerShutdown;
}

bool cMySQL::reconnect()
{
    mysql_close(m_mysql);
    m_mysql = nullptr;
    m_connected = false;
    return real_connect(host, user, password, db, 3306, QString(), 0, m_noMessage);
}

bool cMySQL::reconnectForRetry()
{
    const SessionIdentity old = m_session;
    if (!reconnect())
        return false;
    killIfOurs(old);
    return true;
}

bool cMySQL::reopen_after_loss()
{
    const SessionIdentity old = m_session;
    if (!reconnect())
        return false;
    m_previousSession = old;
    return true;
}

void cMySQL::end_previous_session() { killIfOurs(m_previousSession); }

// Ends the old session only while the same server run still shows it as
// ours: after a restart, or on another node of a cluster, its thread id may
// belong to another workstation's connection.
void cMySQL::killIfOurs(const SessionIdentity &session)
{
    if (session.showsOn(m_mysql, m_session))
        mysql_kill(m_mysql, session.threadId);
}

bool cMySQL::keeps_transactions(const QStringList &tables)
{
    bool all = true;
    for (const QString &table : tables) {
        if (!m_keepsTransactions.contains(table)) {
            const auto engine = ReadServerValue(
                m_mysql, "SELECT e.TRANSACTIONS FROM information_schema.TABLES t JOIN information_schema.ENGINES e "
                         "ON e.ENGINE = t.ENGINE WHERE t.TABLE_SCHEMA = DATABASE() AND t.TABLE_NAME = '"
                             + cp949(table) + '\'');
            if (!engine)
                return false; // not read: not cached, asked again next time
            m_keepsTransactions.insert(table, *engine == "YES");
        }
        all = all && m_keepsTransactions.value(table);
    }
    return all;
}

RecordsetPtr cMySQL::takeResult(MYSQL_RES *result)
{
    auto rows = std::make_unique<Recordset>();
    addColumns(*rows, result);
    rows->reserveRows(static_cast<std::size_t>(mysql_num_rows(result)));
    const unsigned n = mysql_num_fields(result);
    while (MYSQL_ROW row = mysql_fetch_row(result))
        appendRow(*rows, row, mysql_fetch_lengths(result), n);
    mysql_free_result(result);
    rows->MoveFirst();
    return rows;
}

// A name repeated by a later field is qualified with its table, in both places.
void cMySQL::addColumns(Recordset &rows, MYSQL_RES *result)
{
    const unsigned n = mysql_num_fields(result);
    const MYSQL_FIELD *fields = mysql_fetch_fields(result);
    std::vector<QString> names(n);
    for (unsigned i = 0; i < n; ++i) {
        names[i] = Cp949::decode(fields[i].name);
        int matches = 0;
        for (unsigned j = 0; j < i; ++j) {
            if (names[j] != names[i])
                continue;
            ++matches;
            const QString bare = Cp949::decode(fields[j].name);
            if (names[j] == bare)
                names[j] = Cp949::decode(fields[j].table) + QLatin1Char('.') + bare;
        }
        if (matches > 0)
            names[i] = Cp949::decode(fields[i].table) + QLatin1Char('.') + names[i];
    }
    for (unsigned i = 0; i < n; ++i)
        rows.addColumn(names[i], fields[i].length);
}

void cMySQL::appendRow(Recordset &rows, char **row, const unsigned long *lengths, unsigned n)
{
    for (unsigned i = 0; i < n; ++i) {
        if (!row[i]) {
            rows.appendValue(QLatin1StringView());
            continue;
        }
        const qsizetype len = valueLength(row[i], lengths[i]);
        if (isAscii(row[i], len))
            rows.appendValue(QLatin1StringView(row[i], len));
        else
            rows.appendValue(QStringView(Cp949::decode(QByteArray::fromRawData(row[i], len))));
    }
    rows.endRow();
}

int cMySQL::affected_rows() const { return static_cast<int>(mysql_affected_rows(m_mysql)); }

int cMySQL::insert_id() const { return static_cast<int>(mysql_insert_id(m_mysql)); }

bool cMySQL::begin_transaction()
{
    query(QStringLiteral("START TRANSACTION"));
    m_inTransaction = m_lastError == 0;
    return m_inTransaction;
}

bool cMySQL::commit()
{
    query(QStringLiteral("COMMIT"));
    m_inTransaction = false;
    return m_lastError == 0;
}

// After a lost connection the server undoes the transaction itself, but not
// the changes to tables without transactions: those are not known undone.
bool cMySQL::rollback()
{
    m_inTransaction = false;
    if (answer_lost())
        return false;
    query(QStringLiteral("ROLLBACK"));
    if (m_lastError != 0)
        return false;
    return mysql_warning_count(m_mysql) == 0 || !warned(ServerErrors::NotRolledBack);
}

bool cMySQL::warned(unsigned code)
{
    const QByteArray sql = "SHOW WARNINGS";
    if (mysql_real_query(m_mysql, sql.constData(), sql.size()) != 0)
        return true;
    bool found = false;
    if (MYSQL_RES *result = mysql_store_result(m_mysql)) {
        while (MYSQL_ROW row = mysql_fetch_row(result))
            found = found || (row[1] && QByteArray(row[1]).toUInt() == code);
        mysql_free_result(result);
    }
    return found;
}

void cMySQL::raise(const char *source) const
{
    throw MySQLError(mysql_errno(m_mysql), QString::fromLatin1(source), Cp949::decode(mysql_error(m_mysql)));
}

void cMySQL::debug_push(const QString &text) { mysql_debug(cp949(text).constData()); }

void cMySQL::dump_debug_info()
{
    if (mysql_dump_debug_info(m_mysql) != 0)
        raise("cMysql::dump_debug_info");
}

bool cMySQL::eof() const { return mysql_errno(m_mysql) == 0; }

unsigned cMySQL::err_no() const { return mysql_errno(m_mysql); }

QString cMySQL::err_description() const { return Cp949::decode(mysql_error(m_mysql)); }

QString cMySQL::get_client_info() const { return QString::fromLatin1(mysql_get_client_info()); }

QString cMySQL::get_host_info() const
{
    const char *text = mysql_get_host_info(m_mysql);
    if (!text || !*text)
        raise("cMysql::get_host_info");
    return Cp949::decode(text);
}

QString cMySQL::get_server_info() const
{
    const char *text = mysql_get_server_info(m_mysql);
    if (!text || !*text)
        raise("cMysql::get_server_info");
    return Cp949::decode(text);
}

QString cMySQL::info() const
{
    const char *text = mysql_info(m_mysql);
    if (!text || !*text)
        raise("cMysql::info");
    return Cp949::decode(text);
}

RecordsetPtr cMySQL::list_fields(const QString &table, const QString &pattern)
{
    MYSQL_RES *r = mysql_list_fields(m_mysql, cp949(table).constData(),
                                     pattern.isEmpty() ? nullptr : cp949(pattern).constData());
    return r ? takeResult(r) : nullptr;
}

RecordsetPtr cMySQL::list_processes()
{
    MYSQL_RES *r = mysql_list_processes(m_mysql);
    return r ? takeResult(r) : nullptr;
}

unsigned cMySQL::num_fields() const { return mysql_field_count(m_mysql); }

void cMySQL::ping()
{
    if (mysql_ping(m_mysql) != 0)
        raise("cMysql::ping");
}

RecordsetPtr cMySQL::real_query(const QString &statement, unsigned long length)
{
    const QByteArray sql = cp949(statement).left(static_cast<qsizetype>(length));
    if (mysql_real_query(m_mysql, sql.constData(), sql.size()) != 0)
        raise("cMysql::real_query");
    MYSQL_RES *r = mysql_store_result(m_mysql);
    return r ? takeResult(r) : nullptr;
}

void cMySQL::Refresh(unsigned options)
{
    if (mysql_refresh(m_mysql, options) != 0)
        raise("cMysql::refresh");
}

void cMySQL::select_db(const QString &name)
{
    if (mysql_select_db(m_mysql, cp949(name).constData()) != 0)
        raise("cMysql::select_db");
    db = name;
}

void cMySQL::shutdown()
{
    if (mysql_shutdown(m_mysql, SHUTDOWN_DEFAULT) != 0)
        raise("cMysql::shutdown");
}

QString cMySQL::stat()
{
    const char *text = mysql_stat(m_mysql);
    if (!text || !*text)
        raise("cMysql::stat");
    return Cp949::decode(text);
}

unsigned long cMySQL::thread_id() const
{
    const unsigned long id = mysql_thread_id(m_mysql);
    if (id == 0)
        raise("cMysql::thread_id");
    return id;
}

QString cMySQL::ssl_cipher() const
{
    const char *cipher = mysql_get_ssl_cipher(m_mysql);
    return cipher ? QString::fromLatin1(cipher) : QString();
}
