#include "CustomerFixture.h"
#include "CuttingProxy.h"
#include "FrmFill_Save.h"
#include "LabelledFields.h"
#include "modMySQL_Func.h"

#include <QPushButton>
#include <QtTest>

#include <thread>

namespace {
const QString ProcessingFailed = QStringLiteral("데이터 처리중 문제가 발생하였습니다. 다시 처리하여 주시기 바랍니다.");
const QString SavedNotice = QStringLiteral("자료가 저장되었습니다. /T500");
} // namespace

// The top-up under faults of the database: tables without transactions, the
// connection cut around COMMIT, rows held by another session, a deadlock. In
// every case the operator's message says what the database holds, and the
// balance equals the sum of the logged counts.
class TestTopUpSafety : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<CustomerFixture>(); }
    void cleanup()
    {
        m_fixture.reset();
        TestDatabase root;
        root.exec(QStringLiteral("ALTER TABLE emaillog ENGINE=InnoDB"));
        root.exec(QStringLiteral("ALTER TABLE emailuser ENGINE=InnoDB"));
    }

    void tableWithoutTransactions_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("emaillog") << QStringLiteral("emaillog");
        QTest::newRow("emailuser") << QStringLiteral("emailuser");
    }
    void tableWithoutTransactions()
    {
        QFETCH(QString, table);
        m_fixture->db.exec(QStringLiteral("ALTER TABLE %1 ENGINE=MyISAM").arg(table));
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 0);
        QCOMPARE(save(code + 1000, "5"), false); // no such customer: the raise is refused
        QCOMPARE(m_fixture->messages->last().text, ProcessingFailed);
        QCOMPARE(logRows(), QStringLiteral("0"));
        QCOMPARE(save(code, "4"), true);
        QCOMPARE(logRows(), QStringLiteral("1"));
        QCOMPARE(balance(code), QStringLiteral("4"));
        QVERIFY(consistent(code));
    }

    void transactionStatementsAreLogged()
    {
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 0);
        QCOMPARE(save(code + 1000, "5"), false);
        const QStringList refused = CustomerFixture::sqlLog();
        QCOMPARE(refused.first(), QStringLiteral("START TRANSACTION;"));
        QVERIFY(refused.at(1).startsWith(QStringLiteral("INSERT INTO emaillog")));
        QCOMPARE(refused.last(), QStringLiteral("ROLLBACK;"));
        QCOMPARE(save(code, "5"), true);
        const QStringList saved = CustomerFixture::sqlLog();
        QCOMPARE(saved.size(), refused.size() + 4);
        QCOMPARE(saved.last(), QStringLiteral("COMMIT;"));
    }

    // The connection drops once COMMIT is on its way to the server, before or
    // after the server answered. The program reconnects and looks the log row
    // up; the top-up never runs twice.
    void connectionCutAtCommit_data()
    {
        QTest::addColumn<int>("cut");
        QTest::newRow("before the answer") << static_cast<int>(CuttingProxy::Cut::BeforeAnswer);
        QTest::newRow("after the answer") << static_cast<int>(CuttingProxy::Cut::AfterAnswer);
    }
    void connectionCutAtCommit()
    {
        QFETCH(int, cut);
        CuttingProxy proxy(TestDatabase::address());
        proxy.hideTls(true); // the proxy reads the statements
        reconnectThrough(proxy.address());
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 0);
        for (int round = 1; round <= 5; ++round) {
            proxy.cutAtCommit(static_cast<CuttingProxy::Cut>(cut));
            const qsizetype told = m_fixture->messages->count();
            const bool closed = save(code, "3");
            QVERIFY(proxy.cutDone());
            const bool inDatabase = logRows() == QString::number(round);
            QCOMPARE(closed, inDatabase);
            if (inDatabase)
                QCOMPARE(m_fixture->messages->count(), told);
            else
                QCOMPARE(m_fixture->messages->last().text, ProcessingFailed);
            QVERIFY(consistent(code));
            if (!inDatabase)
                return;
        }
        QCOMPARE(balance(code), QStringLiteral("15"));
        QCOMPARE(DBGetValue(QStringLiteral("SELECT restcnt FROM emailuser WHERE code = %1").arg(code)),
                 QStringLiteral("15"));
    }

    // A COMMIT that never reached the server, and no connection afterwards to
    // learn that; the operator presses Save again. Meanwhile another program's
    // top-up took the same key, as on a cluster whose nodes deal out keys anew
    // after losing one: that row is not the lost top-up.
    void lostTopUpIsNotTakenForAnotherRowWithItsKey()
    {
        CuttingProxy proxy(TestDatabase::address());
        proxy.hideTls(true);
        reconnectThrough(proxy.address());
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 0);
        const QString key = m_fixture->db.value(
            QStringLiteral("SELECT AUTO_INCREMENT FROM information_schema.TABLES WHERE TABLE_SCHEMA = DATABASE() "
                           "AND TABLE_NAME = 'emaillog'"));
        FrmFill_Save fill;
        proxy.cutAtCommit(CuttingProxy::Cut::InsteadOfCommit);
        proxy.refuseConnections(true);
        QCOMPARE(save(fill, code, "3"), false);
        QVERIFY(proxy.cutDone());
        QCOMPARE(m_fixture->messages->last().text, ProcessingFailed);
        m_fixture->db.exec(QStringLiteral("INSERT INTO emaillog (idx, regdate, regtime, gubun, inprice, appcnt, ucode, "
                                          "recuserid, recusername, bigo) VALUES (%1, '2011-05-23', '14:25', 1, 0, 3, "
                                          "%2, 'boss', '사장', 'another office')")
                               .arg(key)
                               .arg(code));
        m_fixture->db.exec(QStringLiteral("UPDATE emailuser SET restcnt = restcnt + 3 WHERE code = %1").arg(code));
        proxy.refuseConnections(false);
        QCOMPARE(save(fill, code, "3"), true);
        QCOMPARE(logRows(), QStringLiteral("2"));
        QCOMPARE(balance(code), QStringLiteral("6"));
        QVERIFY(consistent(code));
    }

    // A top-up whose COMMIT landed unseen stays pending in its window; the
    // same window set up for the next top-up writes that one, it does not
    // report the earlier one in its place.
    void windowSetUpAnewStartsANewTopUp()
    {
        CuttingProxy proxy(TestDatabase::address());
        proxy.hideTls(true);
        reconnectThrough(proxy.address());
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 0);
        FrmFill_Save fill;
        proxy.cutAtCommit(CuttingProxy::Cut::BeforeAnswer);
        proxy.refuseConnections(true);
        QCOMPARE(save(fill, code, "3"), false);
        QCOMPARE(m_fixture->messages->last().text, ProcessingFailed);
        proxy.refuseConnections(false);
        QCOMPARE(save(fill, code, "5"), true);
        QCOMPARE(logRows(), QStringLiteral("2"));
        QCOMPARE(balance(code), QStringLiteral("8"));
        QVERIFY(consistent(code));
    }

    // Another session holds the customer's row past the lock wait: tried
    // twice, then refused; released during the second try: saved once.
    void rowHeldByAnotherSession_data()
    {
        QTest::addColumn<int>("holdMs");
        QTest::addColumn<bool>("saved");
        QTest::newRow("past both tries") << 4000 << false;
        QTest::newRow("released during the retry") << 1500 << true;
    }
    void rowHeldByAnotherSession()
    {
        QFETCH(int, holdMs);
        QFETCH(bool, saved);
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 0);
        g_DB[0]->query(QStringLiteral("SET SESSION innodb_lock_wait_timeout = 1"));
        TestDatabase holder;
        holder.exec(QStringLiteral("START TRANSACTION"));
        holder.exec(QStringLiteral("SELECT * FROM emailuser WHERE code = %1 FOR UPDATE").arg(code));
        std::thread release([&holder, holdMs] {
            std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
            holder.exec(QStringLiteral("COMMIT"));
        });
        const bool closed = save(code, "6");
        release.join();
        QCOMPARE(closed, saved);
        QCOMPARE(logRows(), saved ? QStringLiteral("1") : QStringLiteral("0"));
        if (!saved)
            QCOMPARE(m_fixture->messages->last().text, ProcessingFailed);
        QCOMPARE(m_fixture->messages->count(), saved ? 0 : 1);
        QVERIFY(consistent(code));
    }

    // The program's transaction and another one wait for each other; the
    // server ends the program's (the lighter one), which tries once more.
    void deadlockIsRetriedOnce()
    {
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 0);
        for (int i = 0; i < 20; ++i)
            m_fixture->addCustomer(QStringLiteral("other%1").arg(i), QStringLiteral("다른"), QString(), 0);
        TestDatabase other;
        other.exec(QStringLiteral("START TRANSACTION"));
        other.exec(QStringLiteral("UPDATE emailuser SET bigo = 'heavy' WHERE code <> %1").arg(code));
        other.exec(QStringLiteral("SELECT * FROM emailuser WHERE code = %1 FOR UPDATE").arg(code));
        std::thread closeTheCircle([&other] {
            TestDatabase watcher;
            for (int i = 0; i < 500; ++i) {
                if (!watcher
                         .value(QStringLiteral("SELECT ID FROM information_schema.PROCESSLIST "
                                               "WHERE INFO LIKE 'UPDATE emailuser SET restcnt%'"))
                         .isEmpty())
                    break;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            // Waits for the program's new log row, which waits for this session.
            other.exec(QStringLiteral("SELECT * FROM emaillog WHERE idx = 1 FOR UPDATE"));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            other.exec(QStringLiteral("COMMIT"));
        });
        const bool closed = save(code, "2");
        closeTheCircle.join();
        QVERIFY(closed);
        QCOMPARE(m_fixture->messages->count(), 0);
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT GROUP_CONCAT(idx) FROM emaillog")), QStringLiteral("2"));
        QCOMPARE(balance(code), QStringLiteral("2"));
        QVERIFY(consistent(code));
    }

private:
    // Saves a top-up through the window; true when it closed (saved).
    bool save(int code, const char *count)
    {
        FrmFill_Save fill;
        return save(fill, code, count);
    }
    bool save(FrmFill_Save &fill, int code, const char *count)
    {
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), 1, nullptr, 0);
        fill.show();
        fill.fields().setText(FrmFill_Save::FieldCount, QString::fromLatin1(count));
        m_fixture->launches.clear();
        QTest::mouseClick(fill.btnSave, Qt::LeftButton);
        const bool closed = !fill.isVisible();
        if (closed != m_fixture->notices().contains(SavedNotice))
            qWarning("the saved notice does not match the window's state");
        return closed && m_fixture->notices().contains(SavedNotice);
    }
    void reconnectThrough(const QString &address)
    {
        g_DB[0].reset();
        DBInit(address, QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"), QStringLiteral("businesslog"),
               QString(), true);
    }
    QString logRows() { return m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emaillog")); }
    QString balance(int code)
    {
        return m_fixture->db.value(QStringLiteral("SELECT restcnt FROM emailuser WHERE code = %1").arg(code));
    }
    bool consistent(int code)
    {
        return balance(code)
               == m_fixture->db.value(
                   QStringLiteral("SELECT COALESCE(SUM(appcnt), 0) FROM emaillog WHERE ucode = %1").arg(code));
    }

    std::unique_ptr<CustomerFixture> m_fixture;
};

QTEST_MAIN(TestTopUpSafety)
#include "TestTopUpSafety.moc"
