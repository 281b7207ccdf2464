#include "CustomerFixture.h"
#include "FrmFill_Save.h"
#include "FrmMain.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "SpreadGrid.h"
#include "TestServer.h"
#include "WindowParts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <atomic>
#include <thread>

// The database server going away under open windows: stopped and started
// again between two searches, and stopped while a top-up waits on its raise.
class TestServerFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!TestServer::available())
            QSKIP("QD_TEST_DB_FOLDER does not name a running test server (run through scripts/test)");
    }
    void init() { m_fixture = std::make_unique<CustomerFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void restartBetweenSearchesReconnectsSilently()
    {
        m_fixture->addCustomer("first", "가나");
        FrmMain main;
        HCText *htFind = part<HCText>(main, "htFind");
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        main.show();
        QTest::keyClick(htFind->txtBox(), Qt::Key_F5);
        QCOMPARE(spList->MaxRows(), 1);

        TestServer::stop();
        TestServer::start();
        m_fixture->addCustomer("second", "다라");
        QTest::keyClick(htFind->txtBox(), Qt::Key_F5);
        QCOMPARE(m_fixture->messages->count(), 0);
        QCOMPARE(spList->MaxRows(), 2);
        QCOMPARE(spList->text(FrmMain::ColName, 2), QStringLiteral("다라"));
    }

    // The log row is in, the raise waits for a row lock, and the server stops:
    // the operator is told, and after the restart the balance and the history
    // agree (neither change remains). The next top-up goes through.
    void serverStoppedDuringATopUpLeavesNothingHalfDone()
    {
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 10);
        auto locker = std::make_unique<TestDatabase>();
        locker->exec(QStringLiteral("START TRANSACTION"));
        locker->exec(QStringLiteral("SELECT * FROM emailuser WHERE code = %1 FOR UPDATE").arg(code));
        std::atomic<bool> stopped{false};
        std::thread stopper([&stopped] {
            TestDatabase watcher;
            for (int i = 0; i < 500; ++i) {
                if (!watcher
                         .value(QStringLiteral("SELECT ID FROM information_schema.PROCESSLIST "
                                               "WHERE INFO LIKE 'UPDATE emailuser SET restcnt%'"))
                         .isEmpty()) {
                    TestServer::stop();
                    stopped = true;
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
        FrmFill_Save fill;
        QPushButton *btnSave = part<QPushButton>(fill, "btnSave");
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
        fill.show();
        part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setText(QStringLiteral("5"));
        QTest::mouseClick(btnSave, Qt::LeftButton);
        stopper.join();
        QVERIFY(stopped);
        QVERIFY(fill.isVisible());
        // With the server gone the program cannot learn what became of it.
        QVERIFY(m_fixture->messages->last().text.startsWith(
            QStringLiteral("데이터베이스 연결 문제로 충전 결과를 확인하지 못하였습니다.")));

        locker.reset();
        TestServer::start();
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emaillog")), QStringLiteral("0"));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT restcnt FROM emailuser")), QStringLiteral("10"));
        // Save asks again and learns the truth: not saved.
        QTest::mouseClick(btnSave, Qt::LeftButton);
        QVERIFY(fill.isVisible());
        QCOMPARE(m_fixture->messages->last().text,
                 QStringLiteral("데이터 처리중 문제가 발생하였습니다. 다시 처리하여 주시기 바랍니다."));

        const int told = m_fixture->messages->count();
        QTest::mouseClick(btnSave, Qt::LeftButton);
        QCOMPARE(m_fixture->messages->count(), told);
        QVERIFY(!fill.isVisible());
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT CONCAT(COUNT(*), '|', SUM(appcnt)) FROM emaillog")),
                 QStringLiteral("1|5"));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT restcnt FROM emailuser")), QStringLiteral("15"));
    }

    // Saved while the server is down: refused with a message, and saved once
    // it is back, without restarting the program.
    void serverDownAtSaveRefusesThenSavesOnceBack()
    {
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 10);
        FrmFill_Save fill;
        QPushButton *btnSave = part<QPushButton>(fill, "btnSave");
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
        fill.show();
        part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setText(QStringLiteral("7"));
        TestServer::stop();
        QTest::mouseClick(btnSave, Qt::LeftButton);
        QVERIFY(fill.isVisible());
        QCOMPARE(m_fixture->messages->last().text,
                 QStringLiteral("데이터 처리중 문제가 발생하였습니다. 다시 처리하여 주시기 바랍니다."));
        TestServer::start();
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emaillog")), QStringLiteral("0"));
        QTest::mouseClick(btnSave, Qt::LeftButton);
        QVERIFY(!fill.isVisible());
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT restcnt FROM emailuser")), QStringLiteral("17"));
    }

private:
    std::unique_ptr<CustomerFixture> m_fixture;
};

QTEST_MAIN(TestServerFaults)
#include "TestServerFaults.moc"
