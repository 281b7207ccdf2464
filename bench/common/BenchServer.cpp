#include "BenchServer.h"

#include "DBErrorBox.h"
#include "modMySQL_Func.h"

#include <mysql.h>

#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void fail(st_mysql *mysql, const char *what)
{
    std::fprintf(stderr, "bench server: %s: %s\n", what, mysql_error(mysql));
    std::exit(1);
}
} // namespace

QString BenchServer::address() { return qEnvironmentVariable("QD_TEST_DB"); }

bool BenchServer::missing(const char *bench)
{
    if (!address().isEmpty())
        return false;
    std::printf("%s: skipped, QD_TEST_DB is not set (run scripts/bench)\n", bench);
    return true;
}

bool BenchServer::connectProgram(const char *bench)
{
    if (DBInit(address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"), QStringLiteral("businesslog"),
               QString(), false, ShowDBError))
        return true;
    std::printf("%s: could not connect to %s\n", bench, qPrintable(address()));
    return false;
}

// The server's administrator, on the socket scripts/bench names: the benches
// empty and fill tables, which the program's own account may not.
BenchServer::BenchServer(const char *charset)
{
    const QByteArray socket = qgetenv("QD_TEST_DB_SOCKET");
    m_mysql = mysql_init(nullptr);
    mysql_options(m_mysql, MYSQL_SET_CHARSET_NAME, charset);
    if (!mysql_real_connect(m_mysql, nullptr, "root", nullptr, "businesslog", 0, socket.constData(), 0))
        fail(m_mysql, "connect");
}

BenchServer::~BenchServer() { mysql_close(m_mysql); }

void BenchServer::exec(const QByteArray &sql)
{
    if (mysql_real_query(m_mysql, sql.constData(), static_cast<unsigned long>(sql.size())) != 0)
        fail(m_mysql, sql.left(60).constData());
    if (MYSQL_RES *res = mysql_store_result(m_mysql))
        mysql_free_result(res);
}

void BenchServer::fillCustomers(int count)
{
    exec("TRUNCATE TABLE emailuser");
    exec(QStringLiteral("SET SESSION max_recursive_iterations = %1").arg(count + 1).toUtf8());
    // Trade names from the KS X 1001 syllables, so they survive an euckr connection.
    exec(QStringLiteral(
             "INSERT INTO emailuser (userid, userpw, username, restcnt, regdate, bigo, hpno, reguser) "
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
             "SELECT CONCAT('cust', LPAD(i, 6, '0')), CONCAT('pw', i), "
             "CONCAT(ELT(1 + i % 10, '가나', '다라', '마바', '사아', '자차', '카타', '파하', '한빛', '푸른', '가람'), "
             "' 상사 ', i), (i * 37) % 5000, "
             "DATE_FORMAT(DATE_SUB('2026-12-01', INTERVAL i % 3650 DAY), '%Y-%m-%d'), "
             "IF(i % 7 = 0, '정기 고객', ''), "
             "CONCAT('010-', LPAD(1000 + i % 9000, 4, '0'), '-', LPAD((i * 7919) % 10000, 4, '0')), 'bench' "
             "FROM n")
             .arg(count)
             .toUtf8());
}

PlainFetch BenchServer::fetch(const QByteArray &sql)
{
    PlainFetch out;
    QElapsedTimer timer;
    timer.start();
    if (mysql_real_query(m_mysql, sql.constData(), static_cast<unsigned long>(sql.size())) != 0)
        fail(m_mysql, "query");
    MYSQL_RES *res = mysql_store_result(m_mysql);
    if (!res)
        fail(m_mysql, "store result");
    const unsigned fields = mysql_num_fields(res);
    while (mysql_fetch_row(res)) {
        const unsigned long *lengths = mysql_fetch_lengths(res);
        for (unsigned i = 0; i < fields; ++i)
            out.textBytes += lengths[i];
        ++out.rows;
    }
    out.values = out.rows * fields;
    mysql_free_result(res);
    out.ms = timer.nsecsElapsed() / 1e6;
    return out;
}

QByteArray BenchServer::value(const QByteArray &sql, const QByteArray &column)
{
    if (mysql_real_query(m_mysql, sql.constData(), static_cast<unsigned long>(sql.size())) != 0)
        fail(m_mysql, sql.left(60).constData());
    MYSQL_RES *res = mysql_store_result(m_mysql);
    if (!res)
        fail(m_mysql, "store result");
    QByteArray out;
    const MYSQL_FIELD *fields = mysql_fetch_fields(res);
    const unsigned count = mysql_num_fields(res);
    if (MYSQL_ROW row = mysql_fetch_row(res)) {
        const unsigned long *lengths = mysql_fetch_lengths(res);
        for (unsigned i = 0; i < count; ++i)
            if (column == fields[i].name && row[i])
                out = QByteArray(row[i], static_cast<qsizetype>(lengths[i]));
    }
    mysql_free_result(res);
    return out;
}
