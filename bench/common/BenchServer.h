#pragma once
#include <QByteArray>
#include <QString>

struct st_mysql;

// What one plain client-library fetch saw.
struct PlainFetch {
    double ms = 0;
    unsigned long long rows = 0;
    unsigned long long values = 0;
    unsigned long long textBytes = 0; // sum of the lengths of all values
};

// A connection to the bench server (QD_TEST_DB, "host:port") through the bare
// client library: fills the customer table and gives the baseline fetch that
// the program's own code is measured against.
class BenchServer {
public:
    explicit BenchServer(const char *charset);
    ~BenchServer();
    BenchServer(const BenchServer &) = delete;
    BenchServer &operator=(const BenchServer &) = delete;

    static QString address(); // empty when QD_TEST_DB is not set
    // True, with a line saying so, when there is no server to measure against.
    static bool missing(const char *bench);
    // Connects the program's own database code to the server; says why not.
    static bool connectProgram(const char *bench);

    // Replaces every customer with count generated ones in one statement.
    void fillCustomers(int count);
    // mysql_real_query + mysql_store_result + mysql_fetch_row over every row;
    // sql is already in the connection's character set.
    PlainFetch fetch(const QByteArray &sql);
    // Runs a statement and drops any result; ends the bench on an error.
    void exec(const QByteArray &sql);
    // The value of the named column in the first row ("" when there is no row).
    QByteArray value(const QByteArray &sql, const QByteArray &column);

private:
    st_mysql *m_mysql = nullptr;
};
