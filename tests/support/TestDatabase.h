#pragma once
#include <QString>
#include <QStringList>

struct st_mysql;

// Direct access to the test server that scripts/test starts (its address comes
// in QD_TEST_DB as host:port, its socket in QD_TEST_DB_SOCKET), as the server's
// root user and independent of the program's own database code: tests prepare
// and inspect rows and tables with it.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    static bool available();
    static QString address(); // "host:port", as the database host setting holds it

    // Empties the four tables.
    void reset();
    // Runs a statement (UTF-8 text); fails the test run loudly on error.
    void exec(const QString &sql);
    QString value(const QString &sql);
    QList<QStringList> rows(const QString &sql);
    unsigned long insertId();
    // Ends another connection's session on the server.
    void kill(unsigned long threadId);

private:
    st_mysql *m_mysql = nullptr;
};

// Writes the database host setting so the program connects to the test server.
void PointProgramAtTestDatabase();
