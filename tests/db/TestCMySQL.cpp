#include "DBErrorBox.h"
#include "MessageRecorder.h"
#include "ProfileFile.h"
#include "TestDatabase.h"
#include "TestWorkspace.h"
#include "cMySQL.h"

#include <QtTest>

// The connection class against the real server.
class TestCMySQL : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_workspace = std::make_unique<TestWorkspace>();
        m_db.exec(QStringLiteral("DROP TABLE IF EXISTS t1, t2, t3, texts"));
    }
    void cleanup() { m_workspace.reset(); }

    void repeatedColumnNamesAreQualified()
    {
        for (const char *t : {"t1", "t2", "t3"})
            m_db.exec(QStringLiteral("CREATE TABLE %1 (code INT, name VARCHAR(10))").arg(QLatin1String(t)));
        m_db.exec(QStringLiteral("INSERT INTO t1 VALUES (1,'a')"));
        m_db.exec(QStringLiteral("INSERT INTO t2 VALUES (1,'b')"));
        m_db.exec(QStringLiteral("INSERT INTO t3 VALUES (1,'c')"));
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        RecordsetPtr rows = c.query(QStringLiteral(
            "SELECT t1.code, t1.name AS n1, t2.code, t3.code FROM t1 JOIN t2 USING (code) JOIN t3 USING (code)"));
        QVERIFY(rows);
        QStringList names;
        for (int i = 0; i < rows->FieldCount(); ++i)
            names << rows->FieldName(i);
        QCOMPARE(names, (QStringList{"t1.code", "n1", "t2.code", "code"}));
        QCOMPARE(rows->Fields(QStringLiteral("T2.CODE")), QStringLiteral("1"));
        QCOMPARE(rows->Fields(QStringLiteral("n1")), QStringLiteral("a"));
    }

    void valuesAreCutTrimmedAndNullIsEmpty()
    {
        m_db.exec(QStringLiteral("CREATE TABLE texts (id INT, v VARCHAR(20) NULL)"));
        m_db.exec(
            QStringLiteral("INSERT INTO texts VALUES (1,'ab  '),(2,NULL),(3,CONCAT('x',CHAR(0),'y')),(4,'  lead')"));
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        RecordsetPtr rows = c.query(QStringLiteral("SELECT v FROM texts ORDER BY id"));
        QVERIFY(rows);
        QStringList values;
        for (; !rows->Eof(); rows->MoveNext())
            values << rows->Fields(0);
        QCOMPARE(values, (QStringList{"ab", "", "x", "  lead"}));
        QCOMPARE(rows->RecordCount(), 4);
    }

    void emptySelectGivesEmptySetAndUpdateGivesCount()
    {
        m_db.exec(QStringLiteral("CREATE TABLE texts (id INT, v VARCHAR(20))"));
        m_db.exec(QStringLiteral("INSERT INTO texts VALUES (1,'a'),(2,'b')"));
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        RecordsetPtr none = c.query(QStringLiteral("SELECT v FROM texts WHERE id = 99"));
        QVERIFY(none);
        QVERIFY(none->Eof());
        QCOMPARE(none->Fields(0), QString());
        QVERIFY(!c.query(QStringLiteral("UPDATE texts SET v = 'z'")));
        QCOMPARE(c.affected_rows(), 2);
    }

    void lostConnectionIsReopenedSilently()
    {
        MessageRecorder messages;
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        const unsigned long first = c.thread_id();
        const QString config = m_workspace->file(QStringLiteral("config.ini"));
        QCOMPARE(ProfileFile::read(config, QStringLiteral("LPID"), QStringLiteral("twbusiness")),
                 QString::number(first));

        m_db.kill(first);
        RecordsetPtr rows = c.query(QStringLiteral("SELECT 41 + 1"));
        QVERIFY(rows);
        QCOMPARE(rows->Fields(0), QStringLiteral("42"));
        QCOMPARE(messages.count(), 0);
        const unsigned long second = c.thread_id();
        QVERIFY(second != first);
        QCOMPARE(ProfileFile::read(config, QStringLiteral("LPID"), QStringLiteral("twbusiness")),
                 QString::number(second));
        QCOMPARE(ProfileFile::read(config, QStringLiteral("LPID2"), QStringLiteral("twbusiness")),
                 QString::number(first));
    }

    // Reads wait for the cluster only on a cluster node; a single server's
    // sessions keep the server's own setting.
    void singleServerSessionIsLeftAsItIs()
    {
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        RecordsetPtr rows = c.query(
            QStringLiteral("SELECT @@wsrep_on, @@session.wsrep_sync_wait = @@global.wsrep_sync_wait"));
        QVERIFY(rows && !rows->Eof());
        QCOMPARE(rows->Fields(0), QStringLiteral("0"));
        QCOMPARE(rows->Fields(1), QStringLiteral("1"));
    }

    // The transaction's owner learns what became of it and tells the operator.
    void lostConnectionInsideTransactionIsLeftToItsOwner()
    {
        m_db.exec(QStringLiteral("CREATE TABLE texts (id INT, v VARCHAR(20)) ENGINE=InnoDB"));
        MessageRecorder messages;
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        QVERIFY(c.begin_transaction());
        c.query(QStringLiteral("INSERT INTO texts VALUES (1,'half')"));
        m_db.kill(c.thread_id());
        QVERIFY(!c.query(QStringLiteral("INSERT INTO texts VALUES (2,'other half')")));
        QVERIFY(c.connection_lost());
        QCOMPARE(messages.count(), 0);
        c.rollback();
        QCOMPARE(m_db.value(QStringLiteral("SELECT COUNT(*) FROM texts")), QStringLiteral("0"));
        // Outside the transaction the next statement reconnects again.
        RecordsetPtr rows = c.query(QStringLiteral("SELECT 7"));
        QVERIFY(rows);
        QCOMPARE(rows->Fields(0), QStringLiteral("7"));
    }

    void connectionFailureMessages_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("networkAdvice");
        QTest::newRow("no server (2003)") << QStringLiteral("127.0.0.1:1") << QStringLiteral("kpvr5820") << true;
        QTest::newRow("wrong password") << TestDatabase::address() << QStringLiteral("wrong") << false;
    }
    void connectionFailureMessages()
    {
        QFETCH(QString, host);
        QFETCH(QString, password);
        QFETCH(bool, networkAdvice);
        MessageRecorder messages;
        cMySQL c(ShowDBError);
        QVERIFY(!c.real_connect(host, QStringLiteral("twbusiness"), password, QStringLiteral("businesslog")));
        QCOMPARE(messages.count(), 1);
        const QString text = messages.last().text;
        const QString expectedTail =
            networkAdvice ? QStringLiteral(
                "\r\n\r\n데이터베이스 서버에 접속할 수 없습니다.\r\n\r\n"
                "인터넷이 연결되어 있는지 확인 해 주세요.\r\n\r\n"
                "인터넷이 연결되어 있다면 방화벽이나 각종 스파이웨어 차단 프로그램이 가동중인지 확인해 주세요.\r\n"
                "관련 프로그램이 데이터베이스 접속을 방해하는 경우 일 수도 있습니다.")
                          : QStringLiteral("\r\n\r\n데이터베이스 서버에 접속할 수 없습니다.");
        QVERIFY2(text.endsWith(expectedTail), qPrintable(text));
        QVERIFY(networkAdvice ? QRegularExpression(QStringLiteral("^Error 200[23] [^(]")).match(text).hasMatch()
                              : text.startsWith(QStringLiteral("Error 1045 Access denied")));

        MessageRecorder quiet;
        cMySQL silent(ShowDBError);
        QVERIFY(!silent.real_connect(host, QStringLiteral("twbusiness"), password, QStringLiteral("businesslog"), 3306,
                                     QString(), 0, true));
        QCOMPARE(quiet.count(), 0);
    }

    // The host setting decides where the connection goes. The local socket
    // handed to the connection is the test server's, so a connection that
    // wrongly falls back to it would succeed.
    void hostSettingChoosesTheConnection()
    {
        const QString socket = qEnvironmentVariable("QD_TEST_DB_SOCKET");
        if (socket.isEmpty())
            QSKIP("QD_TEST_DB_SOCKET (set by scripts/test) names no server socket");
        const QString port = TestDatabase::address().section(QLatin1Char(':'), -1);
        MessageRecorder messages;

        cMySQL noHost(ShowDBError);
        QVERIFY(!connectTo(noHost, QString(QLatin1String("")), socket));
        QCOMPARE(noHost.last_error(), 2005u);
        QCOMPARE(messages.count(), 1);
        QVERIFY2(messages.last().text.endsWith(QStringLiteral("\r\n\r\n데이터베이스 서버에 접속할 수 없습니다.")),
                 qPrintable(messages.last().text));

        cMySQL local(ShowDBError);
        QVERIFY(connectTo(local, QStringLiteral("localhost"), socket));
        QVERIFY2(local.get_host_info().contains(QStringLiteral("socket"), Qt::CaseInsensitive),
                 qPrintable(local.get_host_info()));

        cMySQL localPort(ShowDBError);
        QVERIFY(connectTo(localPort, QStringLiteral("localhost:") + port, QStringLiteral("/nonexistent/mysqld.sock")));
        QVERIFY2(localPort.get_host_info().contains(QStringLiteral("TCP/IP")), qPrintable(localPort.get_host_info()));
        QCOMPARE(messages.count(), 1);
    }

    // The connection shows nothing itself: each failure reaches the reporter
    // it was made with as a value, and without one only last_error() tells.
    void failuresAreReportedAsValues()
    {
        MessageRecorder messages;
        QList<DBError> reported;
        cMySQL c([&reported](const DBError &error) { reported << error; });
        QVERIFY(!c.real_connect(TestDatabase::address(), QStringLiteral("twbusiness"), QStringLiteral("wrong"),
                                QStringLiteral("businesslog")));
        QVERIFY(connect(c));
        QVERIFY(!c.query(QStringLiteral("SELECT * FROM no_such_table")));
        QCOMPARE(reported.size(), 2);
        QCOMPARE(reported.at(0).kind, DBError::Kind::Connection);
        QCOMPARE(reported.at(0).number, 1045u);
        QCOMPARE(reported.at(1).kind, DBError::Kind::Statement);
        QCOMPARE(reported.at(1).number, 1146u);
        QCOMPARE(reported.at(1).text(), QStringLiteral("Error 1146 (%1)").arg(reported.at(1).description));

        cMySQL unreported({});
        QVERIFY(connect(unreported));
        QVERIFY(!unreported.query(QStringLiteral("SELECT * FROM no_such_table")));
        QCOMPARE(unreported.last_error(), 1146u);
        QCOMPARE(messages.count(), 0);
    }

    void failedStatementShowsErrorBox()
    {
        MessageRecorder messages;
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        QVERIFY(!c.query(QStringLiteral("SELECT * FROM no_such_table")));
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.startsWith(QStringLiteral("Error 1146 (")));
        QVERIFY(messages.last().text.endsWith(QLatin1Char(')')));
        QCOMPARE(c.affected_rows(), -1);
    }

    // A read in lots hands over every row the stored read gives, in order,
    // a lot at a time.
    void readInChunksGivesEveryRowInLots()
    {
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        const QString sql = QStringLiteral("SELECT seq, CONCAT('가', seq) FROM seq_1_to_2500");
        RecordsetPtr stored = c.query(sql);
        QVERIFY(stored);
        QList<int> lots;
        bool same = true;
        const auto take = [&](Recordset &chunk) {
            lots << chunk.RecordCount();
            for (; !chunk.Eof(); chunk.MoveNext(), stored->MoveNext())
                same = same && chunk.Fields(0) == stored->Fields(0) && chunk.Fields(1) == stored->Fields(1);
            return true;
        };
        QVERIFY(c.query_in_chunks(sql, ChunkReader{1000, take, {}}));
        QCOMPARE(lots, (QList<int>{1000, 1000, 500}));
        QVERIFY(same);
        QVERIFY(stored->Eof());
    }

    void readFailingMidwayIsAFailure_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("killed");
        QTest::newRow("a row the server cannot make")
            << "SELECT seq, IF(seq = 150000, (SELECT 1 UNION SELECT 2), seq) FROM seq_1_to_300000" << false;
        QTest::newRow("connection killed") << "SELECT seq FROM seq_1_to_300000" << true;
    }
    // Rows handed over before the failure are never taken for the whole
    // answer: the read fails, with its error box, and the connection serves
    // the next statement.
    void readFailingMidwayIsAFailure()
    {
        QFETCH(QString, sql);
        QFETCH(bool, killed);
        MessageRecorder messages;
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        int rows = 0;
        const auto take = [&](Recordset &chunk) {
            if (killed && rows == 0)
                m_db.kill(c.thread_id());
            rows += chunk.RecordCount();
            return true;
        };
        QVERIFY(!c.query_in_chunks(sql, ChunkReader{1000, take, {}}));
        QVERIFY(rows < 300000);
        QVERIFY(c.last_error() != 0);
        QCOMPARE(messages.count(), 1);
        QVERIFY2(messages.last().text.startsWith(QStringLiteral("Error %1 (").arg(c.last_error())),
                 qPrintable(messages.last().text));
        QVERIFY(c.query(QStringLiteral("SELECT 1")));
        QCOMPARE(messages.count(), 1);
    }

    // While rows are being read the connection takes no other statement; the
    // read goes on to its last row.
    void statementDuringAReadIsRefused()
    {
        MessageRecorder messages;
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        int rows = 0;
        bool refused = true;
        const auto take = [&](Recordset &chunk) {
            refused = refused && !c.query(QStringLiteral("SELECT 1")) && c.last_error() == 2014;
            rows += chunk.RecordCount();
            return true;
        };
        QVERIFY(c.query_in_chunks(QStringLiteral("SELECT seq FROM seq_1_to_3000"), ChunkReader{1000, take, {}}));
        QVERIFY(refused);
        QCOMPARE(rows, 3000);
        QCOMPARE(messages.texts(), QStringList(3, QStringLiteral("Error 2014 (Commands out of sync; you can't run "
                                                                 "this command now)")));
        QCOMPARE(c.last_error(), 0u);
    }

    void everyHangulSyllableRoundTrips()
    {
        m_db.exec(QStringLiteral("CREATE TABLE texts (id INT, v VARCHAR(200)) CHARSET=utf8mb4"));
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        // 11,172 syllables: the 2,350 of the base set and the 8,822 extension syllables.
        QString expected;
        for (char16_t u = 0xAC00; u <= 0xD7A3; ++u)
            expected += QChar(u);
        for (qsizetype at = 0, id = 0; at < expected.size(); at += 100, ++id)
            c.query(QStringLiteral("INSERT INTO texts VALUES (%1, '%2')").arg(id).arg(expected.mid(at, 100)));
        RecordsetPtr rows = c.query(QStringLiteral("SELECT v FROM texts ORDER BY id"));
        QVERIFY(rows);
        QString actual;
        for (; !rows->Eof(); rows->MoveNext())
            actual += rows->Fields(0);
        QCOMPARE(actual.size(), expected.size());
        QVERIFY(actual == expected);
        // The server stored real hangul, not bytes of another character set.
        QCOMPARE(m_db.value(QStringLiteral("SELECT v FROM texts WHERE v LIKE '%똠%'")).contains(QStringLiteral("똠")),
                 true);
    }

private:
    static bool connectTo(cMySQL &c, const QString &host, const QString &socket)
    {
        return c.real_connect(host, QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
                              QStringLiteral("businesslog"), 3306, socket);
    }
    static bool connect(cMySQL &c)
    {
        return c.real_connect(TestDatabase::address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
                              QStringLiteral("businesslog"));
    }

    TestDatabase m_db;
    std::unique_ptr<TestWorkspace> m_workspace;
};

QTEST_MAIN(TestCMySQL)
#include "TestCMySQL.moc"
