#include "ConnectionTls.h"
#include "CuttingProxy.h"
#include "DBErrorBox.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "TestServer.h"
#include "TestWorkspace.h"
#include "cMySQL.h"

#include <QProcess>
#include <QtTest>

// The connection's own safety: a reconnect ends only its own old session, and
// TLS is used when offered, required and verified when the settings say so,
// with nothing sent in clear when a connection is refused.
class TestConnectionSafety : public QObject {
    Q_OBJECT

private slots:
    void init() { m_workspace = std::make_unique<TestWorkspace>(); }
    void cleanup()
    {
        ConnectionTls::configure({});
        m_workspace.reset();
    }

    // After a restart thread ids start again: another program's new connection
    // gets the id this one had. This one's reconnect must leave it alone.
    void reconnectAfterRestartSparesTheSessionThatReusedOurId()
    {
        if (!TestServer::available())
            QSKIP("QD_TEST_DB_FOLDER does not name a running test server (run through scripts/test)");
        restartServer();
        MessageRecorder messages;
        cMySQL first(ShowDBError);
        QVERIFY(connect(first));
        const unsigned long oldId = first.thread_id();
        restartServer();

        // The second program connects until it holds the old id.
        auto second = std::make_unique<cMySQL>(ShowDBError);
        QVERIFY(connect(*second));
        for (int i = 0; i < 100 && second->thread_id() < oldId; ++i) {
            second = std::make_unique<cMySQL>(ShowDBError);
            QVERIFY(connect(*second));
        }
        if (second->thread_id() != oldId)
            QSKIP("the restarted server did not hand out the old thread id again");

        RecordsetPtr rows = first.query(QStringLiteral("SELECT 1"));
        QVERIFY(rows);
        QVERIFY(first.thread_id() != oldId);
        rows = second->query(QStringLiteral("SELECT CONNECTION_ID()"));
        QVERIFY(rows);
        QCOMPARE(rows->Fields(0), QString::number(oldId)); // no reconnect: the session survived
        QCOMPARE(messages.count(), 0);
    }

    // Another program's session on the restarted server holds this one's old
    // thread id and comes from the very address and port this one came
    // from: the same session in every way but the server's run. This one's
    // reconnect must leave it alone.
    void reconnectSparesTheSessionWithOurIdAndAddressOnANewServerRun()
    {
        if (!TestServer::available())
            QSKIP("QD_TEST_DB_FOLDER does not name a running test server (run through scripts/test)");
        restartServer();
        CuttingProxy ours(TestDatabase::address());
        CuttingProxy theirs(TestDatabase::address());
        MessageRecorder messages;
        cMySQL first(ShowDBError);
        QVERIFY(first.real_connect(ours.address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
                                   QStringLiteral("businesslog")));
        const unsigned long oldId = first.thread_id();
        const QString oldClient = TestDatabase().value(
            QStringLiteral("SELECT HOST FROM information_schema.PROCESSLIST WHERE ID = %1").arg(oldId));
        restartServer();
        // The other program connects from the old port until it holds the old id.
        auto second = std::make_unique<cMySQL>(ShowDBError);
        for (int i = 0; i < 100 && (i == 0 || second->thread_id() < oldId); ++i) {
            second = std::make_unique<cMySQL>(ShowDBError);
            theirs.connectNextFrom(ours.lastSourcePort());
            QVERIFY(second->real_connect(theirs.address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
                                         QStringLiteral("businesslog")));
        }
        const QString secondClient = TestDatabase().value(
            QStringLiteral("SELECT HOST FROM information_schema.PROCESSLIST WHERE ID = %1").arg(second->thread_id()));
        if (second->thread_id() != oldId || secondClient != oldClient)
            QSKIP("the restarted server did not give the old thread id to a session from the old address");

        QVERIFY(first.query(QStringLiteral("SELECT 1")));
        RecordsetPtr rows = second->query(QStringLiteral("SELECT CONNECTION_ID()"));
        QVERIFY(rows);
        QCOMPARE(rows->Fields(0), QString::number(oldId)); // no reconnect: the session survived
        QCOMPARE(messages.count(), 0);
    }

    // MySQL ends a session idle past its timeout with error 4031 before
    // closing it: the connection is lost and made again. MariaDB uses the
    // number for an error of the statement itself.
    void idleSessionEndedByTheServer_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<bool>("reconnects");
        QTest::newRow("MySQL") << QByteArray("8.0.36") << true;
        QTest::newRow("MariaDB") << QByteArray() << false;
    }
    void idleSessionEndedByTheServer()
    {
        QFETCH(QByteArray, version);
        QFETCH(bool, reconnects);
        CuttingProxy proxy(TestDatabase::address());
        proxy.hideTls(true);
        proxy.presentVersion(version);
        MessageRecorder messages;
        cMySQL c(ShowDBError);
        QVERIFY(c.real_connect(proxy.address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
                               QStringLiteral("businesslog")));
        proxy.failAt("SELECT 41", 4031, CuttingProxy::Fail::InsteadOfAndClose);
        RecordsetPtr rows = c.query(QStringLiteral("SELECT 41 + 1"));
        QVERIFY(proxy.cutDone());
        QCOMPARE(bool(rows), reconnects);
        QCOMPARE(messages.count(), reconnects ? 0 : 1);
    }

    void tlsIsUsedWhenOffered()
    {
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        QVERIFY(!c.ssl_cipher().isEmpty());
        RecordsetPtr rows = c.query(QStringLiteral("SHOW STATUS LIKE 'Ssl_cipher'"));
        QVERIFY(rows && !rows->Eof());
        QCOMPARE(rows->Fields(1), c.ssl_cipher());
    }

    void verifiedConnectionKeepsItsSettingsThroughAReconnect()
    {
        ConnectionTls::configure({true, testCa()});
        MessageRecorder messages;
        cMySQL c(ShowDBError);
        QVERIFY(connect(c));
        QVERIFY(!c.ssl_cipher().isEmpty());
        TestDatabase().kill(c.thread_id());
        QVERIFY2(c.query(QStringLiteral("SELECT 1")), qPrintable(messages.count() ? messages.last().text : QString()));
        QVERIFY(!c.ssl_cipher().isEmpty());
        QCOMPARE(messages.count(), 0);
    }

    void refusedConnections_data()
    {
        QTest::addColumn<bool>("wrongCa");
        QTest::addColumn<bool>("plainServer");
        QTest::newRow("certificate from another authority") << true << false;
        QTest::newRow("server without TLS") << false << true;
    }
    void refusedConnections()
    {
        QFETCH(bool, wrongCa);
        QFETCH(bool, plainServer);
        CuttingProxy proxy(TestDatabase::address());
        proxy.hideTls(plainServer);
        ConnectionTls::configure({true, wrongCa ? otherCa() : testCa()});
        MessageRecorder messages;
        cMySQL c(ShowDBError);
        QVERIFY(!c.real_connect(proxy.address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
                                QStringLiteral("businesslog")));
        QCOMPARE(messages.count(), 1);
        const QString text = messages.last().text;
        QVERIFY2(text.startsWith(QStringLiteral("Error 20")), qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral("\r\n\r\n데이터베이스 서버에 접속할 수 없습니다.")), qPrintable(text));
        QVERIFY(!proxy.clientBytes().contains("twbusiness"));
    }

    void withoutRequirementAPlainServerIsStillReached()
    {
        CuttingProxy proxy(TestDatabase::address());
        proxy.hideTls(true);
        cMySQL c(ShowDBError);
        QVERIFY(c.real_connect(proxy.address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
                               QStringLiteral("businesslog")));
        QCOMPARE(c.ssl_cipher(), QString());
    }

private:
    static bool connect(cMySQL &c)
    {
        return c.real_connect(TestDatabase::address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
                              QStringLiteral("businesslog"));
    }
    static void restartServer()
    {
        TestServer::stop();
        TestServer::start();
    }
    static QString testCa() { return qEnvironmentVariable("QD_TEST_DB_CA"); }
    // A certificate authority that never signed the server's certificate.
    QString otherCa()
    {
        const QString ca = m_workspace->file(QStringLiteral("other-ca.pem"));
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                       QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                       QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=Another CA"),
                       QStringLiteral("-keyout"), m_workspace->file(QStringLiteral("other-ca-key.pem")),
                       QStringLiteral("-out"), ca});
        if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
            qFatal("openssl could not make a CA");
        return ca;
    }

    std::unique_ptr<TestWorkspace> m_workspace;
};

QTEST_MAIN(TestConnectionSafety)
#include "TestConnectionSafety.moc"
