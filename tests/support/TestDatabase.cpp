#include "TestDatabase.h"

#include "SettingsStore.h"

#include <mysql.h>

#include <QtTest>

bool TestDatabase::available() { return !address().isEmpty(); }

QString TestDatabase::address() { return qEnvironmentVariable("QD_TEST_DB"); }

// The server's administrator: the tests create, empty and drop tables, which
// the program's own account may not.
TestDatabase::TestDatabase()
{
    const QByteArray socket = qgetenv("QD_TEST_DB_SOCKET");
    if (!available() || socket.isEmpty())
        qFatal("QD_TEST_DB or QD_TEST_DB_SOCKET is not set: run the tests through scripts/test");
    m_mysql = mysql_init(nullptr);
    mysql_options(m_mysql, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    // Tests that restart the server go on with the same helper connection.
    const my_bool reconnect = 1;
    mysql_options(m_mysql, MYSQL_OPT_RECONNECT, &reconnect);
    if (!mysql_real_connect(m_mysql, nullptr, "root", nullptr, "businesslog", 0, socket.constData(), 0))
        qFatal("test database: %s", mysql_error(m_mysql));
}

TestDatabase::~TestDatabase() { mysql_close(m_mysql); }

void TestDatabase::reset()
{
    for (const char *table : {"emailuser", "emaillog", "`user`", "user_mac", "topup_request"})
        exec(QStringLiteral("TRUNCATE TABLE %1").arg(QLatin1String(table)));
}

void TestDatabase::exec(const QString &sql)
{
    const QByteArray utf8 = sql.toUtf8();
    if (mysql_real_query(m_mysql, utf8.constData(), utf8.size()) != 0)
        qFatal("test database: %s in %s", mysql_error(m_mysql), utf8.constData());
    if (MYSQL_RES *res = mysql_store_result(m_mysql))
        mysql_free_result(res);
}

QList<QStringList> TestDatabase::rows(const QString &sql)
{
    const QByteArray utf8 = sql.toUtf8();
    if (mysql_real_query(m_mysql, utf8.constData(), utf8.size()) != 0)
        qFatal("test database: %s in %s", mysql_error(m_mysql), utf8.constData());
    QList<QStringList> out;
    MYSQL_RES *res = mysql_store_result(m_mysql);
    if (!res)
        return out;
    const unsigned n = mysql_num_fields(res);
    while (MYSQL_ROW row = mysql_fetch_row(res)) {
        const unsigned long *lengths = mysql_fetch_lengths(res);
        QStringList values;
        for (unsigned i = 0; i < n; ++i)
            values << (row[i] ? QString::fromUtf8(row[i], static_cast<qsizetype>(lengths[i])) : QString());
        out << values;
    }
    mysql_free_result(res);
    return out;
}

QString TestDatabase::value(const QString &sql)
{
    const auto all = rows(sql);
    return all.isEmpty() || all.first().isEmpty() ? QString() : all.first().first();
}

unsigned long TestDatabase::insertId() { return static_cast<unsigned long>(mysql_insert_id(m_mysql)); }

void TestDatabase::kill(unsigned long threadId) { exec(QStringLiteral("KILL CONNECTION %1").arg(threadId)); }

void PointProgramAtTestDatabase()
{
    SaveSetting(QStringLiteral("Tallow 업무관리"), QStringLiteral("Config"), QStringLiteral("DB_IP"),
                TestDatabase::address());
}
