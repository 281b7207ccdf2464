#include "CustomerFixture.h"
#include "CuttingProxy.h"
#include "DBErrorBox.h"
#include "FrmFill_Save.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "LoginValues.h"
#include "TopUpRequests.h"
#include "WindowParts.h"
#include "modMySQL_Func.h"
#include <QLineEdit>

#include <QPushButton>
#include <QtTest>

#include <thread>

namespace {
const QString SaveFailed = QStringLiteral("수정된 내용이 없거나, 자료저장을 실패하였습니다.");
const QString ProcessingFailed = QStringLiteral("데이터 처리중 문제가 발생하였습니다. 다시 처리하여 주시기 바랍니다.");
const QString SavedNotice = QStringLiteral("자료가 저장되었습니다. /T500");
const QString Unconfirmed = QStringLiteral("데이터베이스 연결 문제로 충전 결과를 확인하지 못하였습니다.\r\n\r\n"
                                           "충전 내역을 확인하기 전에는 다시 처리하지 마시기 바랍니다.\r\n\r\n"
                                           "저장을 다시 누르면 이 충전의 결과를 다시 확인합니다.");
using Cut = CuttingProxy::Cut;
using Fail = CuttingProxy::Fail;
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
        QCOMPARE(saved.size(), refused.size() + 5);
        QVERIFY(saved.at(saved.size() - 3).startsWith(QStringLiteral("INSERT INTO topup_request")));
        QCOMPARE(saved.last(), QStringLiteral("COMMIT;"));
    }

    // The answer to one statement of the top-up is lost (or replaced by the
    // error of a session killed or a server shutting down); the top-up is
    // decided by its token. The operator's answer is the database's truth, the
    // operator ID is stored as typed, a top-up told not saved is saved once
    // when Save is pressed again, and a log row that another program wrote
    // meanwhile under the lost row's key stays.
    void answerLostAnywhere_data()
    {
        QTest::addColumn<QByteArray>("statement");
        QTest::addColumn<int>("cut");
        QTest::addColumn<int>("error"); // answered with this error after the server's answer
        QTest::addColumn<QString>("operatorId");
        QTest::addColumn<bool>("landed");
        QTest::addColumn<bool>("keyTaken");
        const QByteArray commit("COMMIT"), update("UPDATE emailuser"), token("INSERT INTO topup_request");
        const QByteArray log("INSERT INTO emaillog");
        const auto row = [](const char *name) -> QTestData & { return QTest::newRow(name); };
        row("COMMIT answered, apostrophe")
            << commit << int(Cut::AfterAnswer) << 0 << QStringLiteral("o'k") << true << false;
        row("COMMIT answered, backslash")
            << commit << int(Cut::AfterAnswer) << 0 << QStringLiteral("b\\s") << true << false;
        row("COMMIT sent, percent") << commit << int(Cut::BeforeAnswer) << 0 << QStringLiteral("100%") << true << false;
        row("COMMIT never sent") << commit << int(Cut::InsteadOf) << 0 << QStringLiteral("o'k") << false << false;
        row("COMMIT killed (1927)") << commit << int(Cut::Never) << 1927 << QStringLiteral("o'k") << true << false;
        row("COMMIT at shutdown (1053)") << commit << int(Cut::Never) << 1053 << QStringLiteral("clerk") << true
                                         << false;
        row("UPDATE answered, key taken")
            << update << int(Cut::AfterAnswer) << 0 << QStringLiteral("clerk") << false << true;
        row("token answered") << token << int(Cut::AfterAnswer) << 0 << QStringLiteral("o'k") << false << false;
        row("log row never sent") << log << int(Cut::InsteadOf) << 0 << QStringLiteral("clerk") << false << false;
    }
    void answerLostAnywhere()
    {
        QFETCH(QByteArray, statement);
        QFETCH(int, cut);
        QFETCH(int, error);
        QFETCH(QString, operatorId);
        QFETCH(bool, landed);
        QFETCH(bool, keyTaken);
        CuttingProxy proxy(TestDatabase::address());
        proxy.hideTls(true);
        reconnectThrough(proxy.address());
        g_sOperID = operatorId;
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 0);
        const int other = m_fixture->addCustomer("other", "다른", QString(), 0);
        if (error != 0)
            proxy.failAt(statement, static_cast<unsigned short>(error), Fail::AfterAnswerAndClose);
        else
            proxy.cutAt(statement, static_cast<Cut>(cut));
        if (keyTaken)
            proxy.afterCut([this, other] { anotherProgramTakesTheNextKey(other); });
        FrmFill_Save fill;
        QCOMPARE(save(fill, code, "3"), landed);
        QVERIFY(proxy.cutDone());
        QCOMPARE(logRows(code), landed ? QStringLiteral("1") : QStringLiteral("0"));
        if (!landed) {
            QCOMPARE(m_fixture->messages->last().text, ProcessingFailed);
            QVERIFY(save(fill, code, "3"));
            QCOMPARE(logRows(code), QStringLiteral("1"));
        }
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT recuserid FROM emaillog WHERE ucode = %1").arg(code)),
                 operatorId);
        QCOMPARE(balance(code), QStringLiteral("3"));
        QVERIFY(consistent(code));
        QCOMPARE(logRows(other), keyTaken ? QStringLiteral("1") : QStringLiteral("0"));
        QVERIFY(consistent(other));
    }

    // The commit is held on the server (a backup blocks commits) while the
    // program stops waiting for its answer (as on a read timeout); the old
    // session is still committing when the program asks what became of its
    // top-up. Its answer waits for the
    // truth, over a local socket as over TCP.
    void commitStillOnItsWay_data()
    {
        QTest::addColumn<bool>("socket");
        QTest::newRow("local socket") << true;
        QTest::newRow("TCP") << false;
    }
    void commitStillOnItsWay()
    {
        QFETCH(bool, socket);
        CuttingProxy proxy(socket ? qEnvironmentVariable("QD_TEST_DB_SOCKET") : TestDatabase::address());
        proxy.hideTls(true);
        if (socket)
            connectOverSocket(proxy.address());
        else
            reconnectThrough(proxy.address());
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 0);
        TestDatabase backup;
        backup.exec(QStringLiteral("BACKUP STAGE START"));
        backup.exec(QStringLiteral("BACKUP STAGE BLOCK_COMMIT"));
        std::thread release([&backup] {
            std::this_thread::sleep_for(std::chrono::seconds(3));
            backup.exec(QStringLiteral("BACKUP STAGE END"));
        });
        proxy.cutAtCommit(Cut::LeaveServerWaiting);
        FrmFill_Save fill;
        const bool saved = save(fill, code, "3");
        release.join();
        QVERIFY(proxy.cutDone());
        QTest::qWait(500); // anything still on its way lands now
        QCOMPARE(logRows(code), saved ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(balance(code), saved ? QStringLiteral("3") : QStringLiteral("0"));
        if (!saved)
            QCOMPARE(m_fixture->messages->last().text, ProcessingFailed);
    }

    // Whether the top-up landed cannot be learned (no connection): the
    // operator is told so, the top-up stays in the window as it was sent, and
    // Save, or closing the window, decides that top-up by its token once the
    // server is back, whatever was typed meanwhile.
    void unconfirmedTopUpIsDecidedLater_data()
    {
        QTest::addColumn<int>("cut");
        QTest::addColumn<bool>("byClosing");
        QTest::addColumn<bool>("landed");
        QTest::newRow("landed, Save") << int(Cut::BeforeAnswer) << false << true;
        QTest::newRow("landed, closed") << int(Cut::BeforeAnswer) << true << true;
        QTest::newRow("not landed, Save") << int(Cut::InsteadOf) << false << false;
        QTest::newRow("not landed, closed") << int(Cut::InsteadOf) << true << false;
    }
    void unconfirmedTopUpIsDecidedLater()
    {
        QFETCH(int, cut);
        QFETCH(bool, byClosing);
        QFETCH(bool, landed);
        CuttingProxy proxy(TestDatabase::address());
        proxy.hideTls(true);
        reconnectThrough(proxy.address());
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 0);
        FrmFill_Save fill;
        proxy.cutAtCommit(static_cast<Cut>(cut));
        proxy.refuseConnections(true);
        QCOMPARE(save(fill, code, "3"), false);
        QCOMPARE(m_fixture->messages->last().text, Unconfirmed);
        HCText *count = part<HCText>(fill, "htField", FrmFill_Save::FieldCount);
        count->setFocus();
        QTest::keyClicks(count->txtBox(), QStringLiteral("500"));
        QCOMPARE(part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->text(), QStringLiteral("3"));
        proxy.refuseConnections(false);
        const qsizetype told = m_fixture->messages->count();
        if (byClosing)
            QTest::mouseClick(part<QPushButton>(fill, "btnClose"), Qt::LeftButton);
        else
            QTest::mouseClick(part<QPushButton>(fill, "btnSave"), Qt::LeftButton);
        QCOMPARE(m_fixture->notices().contains(SavedNotice), landed);
        QCOMPARE(fill.isVisible(), !landed && !byClosing);
        if (!landed)
            QCOMPARE(m_fixture->messages->last().text, byClosing ? SaveFailed : ProcessingFailed);
        else
            QCOMPARE(m_fixture->messages->count(), told);
        QCOMPARE(logRows(code), landed ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(balance(code), landed ? QStringLiteral("3") : QStringLiteral("0"));
    }

    // A table without transactions keeps what it was given when the
    // connection breaks: an abandoned token proves nothing then, and the
    // top-up is never told "process again", nor written a second time.
    void withoutTransactionsALostAnswerIsUnconfirmed_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QByteArray>("statement");
        QTest::addColumn<int>("cut");
        QTest::addColumn<QString>("balanceAfter");
        QTest::addColumn<QString>("rowsAfter");
        QTest::newRow("emailuser, UPDATE answered")
            << QStringLiteral("emailuser") << QByteArray("UPDATE emailuser") << int(Cut::AfterAnswer)
            << QStringLiteral("3") << QStringLiteral("0");
        QTest::newRow("emaillog, COMMIT never sent")
            << QStringLiteral("emaillog") << QByteArray("COMMIT") << int(Cut::InsteadOf) << QStringLiteral("0")
            << QStringLiteral("1");
    }
    void withoutTransactionsALostAnswerIsUnconfirmed()
    {
        QFETCH(QString, table);
        QFETCH(QByteArray, statement);
        QFETCH(int, cut);
        QFETCH(QString, balanceAfter);
        QFETCH(QString, rowsAfter);
        m_fixture->db.exec(QStringLiteral("ALTER TABLE %1 ENGINE=MyISAM").arg(table));
        CuttingProxy proxy(TestDatabase::address());
        proxy.hideTls(true);
        reconnectThrough(proxy.address());
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 0);
        proxy.cutAt(statement, static_cast<Cut>(cut));
        FrmFill_Save fill;
        QCOMPARE(save(fill, code, "3"), false);
        QCOMPARE(m_fixture->messages->last().text, Unconfirmed);
        QCOMPARE(pressSave(fill), false);
        QCOMPARE(m_fixture->messages->last().text, Unconfirmed);
        QCOMPARE(balance(code), balanceAfter);
        QCOMPARE(logRows(code), rowsAfter);
    }

    // The connection drops once COMMIT is on its way to the server, before or
    // after the server answered. The program reconnects and looks the log row
    // up; the top-up never runs twice.
    void connectionCutAtCommit_data()
    {
        QTest::addColumn<int>("cut");
        QTest::newRow("before the answer") << static_cast<int>(Cut::BeforeAnswer);
        QTest::newRow("after the answer") << static_cast<int>(Cut::AfterAnswer);
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
        proxy.cutAtCommit(Cut::InsteadOf);
        proxy.refuseConnections(true);
        QCOMPARE(save(fill, code, "3"), false);
        QVERIFY(proxy.cutDone());
        QCOMPARE(m_fixture->messages->last().text, Unconfirmed);
        m_fixture->db.exec(QStringLiteral("INSERT INTO emaillog (idx, regdate, regtime, gubun, inprice, appcnt, ucode, "
                                          "recuserid, recusername, bigo) VALUES (%1, '2011-05-23', '14:25', 1, 0, 3, "
                                          "%2, 'boss', '사장', 'another office')")
                               .arg(key)
                               .arg(code));
        m_fixture->db.exec(QStringLiteral("UPDATE emailuser SET restcnt = restcnt + 3 WHERE code = %1").arg(code));
        proxy.refuseConnections(false);
        QCOMPARE(pressSave(fill), false);
        QCOMPARE(m_fixture->messages->last().text, ProcessingFailed);
        QCOMPARE(pressSave(fill), true);
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
        proxy.cutAtCommit(Cut::BeforeAnswer);
        proxy.refuseConnections(true);
        QCOMPARE(save(fill, code, "3"), false);
        QCOMPARE(m_fixture->messages->last().text, Unconfirmed);
        proxy.refuseConnections(false);
        QCOMPARE(save(fill, code, "5"), true);
        QCOMPARE(logRows(), QStringLiteral("2"));
        QCOMPARE(balance(code), QStringLiteral("8"));
        QVERIFY(consistent(code));
    }

    // A database without the program's table of top-ups is named at start-up
    // with the file that makes it.
    void missingTokenTableIsTold()
    {
        m_fixture->db.exec(QStringLiteral("RENAME TABLE topup_request TO topup_request_kept"));
        const bool installed = TopUpRequests::checkInstalled();
        m_fixture->db.exec(QStringLiteral("RENAME TABLE topup_request_kept TO topup_request"));
        QVERIFY(!installed);
        QVERIFY(m_fixture->messages->last().text.contains(QStringLiteral("02_topup_request.sql")));
        QVERIFY(TopUpRequests::checkInstalled());
        QCOMPARE(m_fixture->messages->count(), 1);
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
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
        fill.show();
        part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setText(QString::fromLatin1(count));
        return pressSave(fill);
    }
    bool pressSave(FrmFill_Save &fill)
    {
        m_fixture->launches.clear();
        QTest::mouseClick(part<QPushButton>(fill, "btnSave"), Qt::LeftButton);
        const bool closed = !fill.isVisible();
        if (closed != m_fixture->notices().contains(SavedNotice))
            qWarning("the saved notice does not match the window's state");
        return closed && m_fixture->notices().contains(SavedNotice);
    }
    // Another program's top-up of 7 for the customer under the key the
    // program's lost log row had.
    void anotherProgramTakesTheNextKey(int customer)
    {
        TestDatabase other;
        const QString key = other.value(QStringLiteral("SELECT MAX(idx) + 1 FROM emaillog"));
        other.exec(QStringLiteral("INSERT INTO emaillog (idx, regdate, regtime, gubun, inprice, appcnt, ucode, "
                                  "recuserid, recusername, bigo) VALUES (%1, '2011-05-23', '14:25', 1, 0, 7, %2, "
                                  "'boss', '사장', 'another office')")
                       .arg(key.isEmpty() ? QStringLiteral("1") : key)
                       .arg(customer));
        other.exec(QStringLiteral("UPDATE emailuser SET restcnt = restcnt + 7 WHERE code = %1").arg(customer));
    }
    void connectOverSocket(const QString &socket)
    {
        g_DB[0] = std::make_unique<cMySQL>(ShowDBError);
        QVERIFY(g_DB[0]->real_connect(QStringLiteral("localhost"), QStringLiteral("twbusiness"),
                                      QStringLiteral("kpvr5820"), QStringLiteral("businesslog"), 3306, socket));
    }
    void reconnectThrough(const QString &address)
    {
        g_DB[0].reset();
        DBInit(address, QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"), QStringLiteral("businesslog"),
               QString(), true, ShowDBError);
    }
    QString logRows() { return m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emaillog")); }
    QString logRows(int code)
    {
        return m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emaillog WHERE ucode = %1").arg(code));
    }
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
