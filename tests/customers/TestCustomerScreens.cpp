#include "CustomerFixture.h"
#include "FrmFill_Save.h"
#include "FrmMain.h"
#include "FrmUser_Add.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "ProfileFile.h"
#include "SpreadGrid.h"
#include "WindowParts.h"
#include "modMySQL_Func.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <atomic>
#include <thread>

// The customer list, registration and top-up against the real tables.
class TestCustomerScreens : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<CustomerFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void searchMatchesIdNameAndPhoneDigits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("everyone, by name") << QString() << QStringList{"가나", "다라", "마바", "O'Neil"};
        QTest::newRow("phone digits") << "1234" << QStringList{"가나"};
        QTest::newRow("phone with hyphen") << "010-1234" << QStringList{};
        QTest::newRow("id") << "id2" << QStringList{"다라"};
        QTest::newRow("apostrophe") << "O'N" << QStringList{"O'Neil"};
        QTest::newRow("backslash") << "a\\" << QStringList{};
        QTest::newRow("wildcard stays wildcard") << "i_3" << QStringList{"마바"};
    }
    void searchMatchesIdNameAndPhoneDigits()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        m_fixture->addCustomer("id3", "마바", "02-555-0000");
        m_fixture->addCustomer("id1", "가나", "010-1234-5678");
        m_fixture->addCustomer("id2", "다라", "010-9999-0000", -5);
        m_fixture->addCustomer("id4", "O''Neil");
        FrmMain main;
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        part<HCText>(main, "htFind")->setText(text);
        main.Search();
        QStringList shown;
        for (int row = 1; row <= spList->MaxRows(); ++row)
            shown << spList->text(FrmMain::ColName, row);
        std::sort(names.begin(), names.end());
        QCOMPARE(shown.size(), names.size());
        for (const QString &n : names)
            QVERIFY(shown.contains(n));
        QCOMPARE(m_fixture->messages->count(), 0);
        QVERIFY(m_fixture->notices().contains(QStringLiteral("조회 완료 하였습니다. /T500")));
    }

    void listShowsColumnsColoursAndOrder()
    {
        m_fixture->addCustomer("idB", "나", "02-1", 1234567);
        m_fixture->addCustomer("idA", "가", "02-2", -5);
        FrmMain main;
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        QTest::keyClick(part<HCText>(main, "htFind")->txtBox(), Qt::Key_F5); // the window sees F5 first
        QCOMPARE(spList->MaxRows(), 2);
        QCOMPARE(spList->text(FrmMain::ColName, 1), QStringLiteral("가"));
        QCOMPARE(spList->text(FrmMain::ColId, 1), QStringLiteral("idA"));
        QCOMPARE(spList->displayText(FrmMain::ColRest, 2), QStringLiteral("1,234,567"));
        QCOMPARE(spList->ForeColor(FrmMain::ColId, 1), QColor(0, 0, 255));
        QCOMPARE(spList->ForeColor(FrmMain::ColRest, 2), QColor(255, 0, 0));
        QVERIFY(main.windowTitle().startsWith(QStringLiteral("Quotadesk Ver.1.0.")));
        QVERIFY(main.windowTitle().endsWith(QStringLiteral(" (HOST: ") + TestDatabase::address()
                                            + QStringLiteral(") [직원]")));
    }

    // The list's stored layout applies to the designed grid of 8 columns.
    void listTakesItsStoredLayout()
    {
        const QString ini = m_fixture->workspace->file(QStringLiteral("FormIni/FrmMain.ini"));
        QDir().mkpath(QFileInfo(ini).absolutePath());
        ProfileFile::write(ini, QStringLiteral("spList_ColsWidth"), QString::number(FrmMain::ColName),
                           QStringLiteral("30"));
        ProfileFile::write(ini, QStringLiteral("spList_ColsWidth"), QString::number(FrmMain::ColMemo),
                           QStringLiteral("41.5"));
        ProfileFile::write(ini, QStringLiteral("spList_General"), QStringLiteral("RowHeight"), QStringLiteral("20"));
        ProfileFile::write(ini, QStringLiteral("FormPosition"), QStringLiteral("Width"), QStringLiteral("12000"));
        FrmMain main;
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        QCOMPARE(spList->MaxCols(), int(FrmMain::ColumnCount));
        QCOMPARE(spList->ColWidth(FrmMain::ColName), 30.0);
        QCOMPARE(spList->ColWidth(FrmMain::ColMemo), 41.5);
        QCOMPARE(spList->RowHeight(1), 20.0);
        QCOMPARE(main.width(), 800);
    }

    void cursorReturnsToTheSameOrLastRow()
    {
        for (int i = 0; i < 5; ++i)
            m_fixture->addCustomer(QStringLiteral("id%1").arg(i), QStringLiteral("name%1").arg(i));
        FrmMain main;
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        main.Search();
        spList->SetActiveCell(2, 4);
        main.Search();
        QCOMPARE(spList->ActiveRow(), 4);
        part<HCText>(main, "htFind")->setText(QStringLiteral("name"));
        m_fixture->db.exec(QStringLiteral("DELETE FROM emailuser WHERE userid IN ('id3', 'id4')"));
        main.Search();
        QCOMPARE(spList->ActiveRow(), 3);
    }

    // The list shows its first rows while it loads, and an F5 pressed then
    // starts no second search beside the first.
    void secondSearchWaitsForTheFirst()
    {
        for (int i = 0; i < 3; ++i)
            m_fixture->addCustomer(QStringLiteral("id%1").arg(i), QStringLiteral("name%1").arg(i));
        FrmMain main;
        QCoreApplication::postEvent(part<HCText>(main, "htFind")->txtBox(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier));
        main.Search();
        QCoreApplication::processEvents();
        QCOMPARE(part<SpreadGrid>(main, "spList")->MaxRows(), 3);
        QCOMPARE(m_fixture->messages->count(), 0);
        QCOMPARE(m_fixture->notices().count(QStringLiteral("조회 완료 하였습니다. /T500")), 1);
    }

    void noSelectionMessages()
    {
        FrmMain main;
        QTest::mouseClick(part<QPushButton>(main, "BtnFill"), Qt::LeftButton);
        QTest::mouseClick(part<QPushButton>(main, "BtnUserEdit"), Qt::LeftButton);
        QTest::mouseClick(part<QPushButton>(main, "BtnDetail"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages->texts(), (QStringList{"먼저 유저내역에서 충전 할 유저를 선택 하세요.",
                                                            "먼저 그리드에서 수정할 자료를 선택하세요.",
                                                            "먼저 그리드에서 내역 확인 할 유저를 선택 하세요."}));
    }

    void registerThreeInARowAndRefuseADuplicate()
    {
        FrmMain main;
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        main.Search();
        FrmUser_Add *add = part<FrmUser_Add>(main, "FrmUser_Add");
        QCheckBox *chkCun = part<QCheckBox>(*add, "chkCun");
        QPushButton *btnSave = part<QPushButton>(*add, "btnSave");
        add->SetFormMode(FrmUser_Add::Mode::New, &main, 0);
        add->show();
        QVERIFY(chkCun->isVisible());
        chkCun->setChecked(true);
        const QStringList ids{"first", "sec'ond", "third"};
        for (const QString &id : ids) {
            part<HCText>(*add, "htField", FrmUser_Add::FieldName)->setText(QStringLiteral("상호 ") + id);
            part<HCText>(*add, "htField", FrmUser_Add::FieldId)->setText(id);
            part<HCText>(*add, "htField", FrmUser_Add::FieldPw)->setText(QStringLiteral("p\\w"));
            part<HCText>(*add, "htField", FrmUser_Add::FieldPhone)->setText(QStringLiteral("010-1111-2222"));
            QTest::mouseClick(btnSave, Qt::LeftButton);
            QVERIFY(add->isVisible());
            QCOMPARE(part<HCText>(*add, "htField", FrmUser_Add::FieldId)->text(), QString());
        }
        QCOMPARE(spList->MaxRows(), 3);
        QCOMPARE(spList->text(FrmMain::ColId, 2), QStringLiteral("sec'ond"));
        QCOMPARE(spList->text(FrmMain::ColRest, 3), QStringLiteral("0"));
        QCOMPARE(spList->text(FrmMain::ColRegDate, 3), QStringLiteral("2011-05-23"));
        QCOMPARE(spList->ActiveRow(), 3);
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT CONCAT(userpw, '|', hpno, '|', reguser, '|', restcnt) FROM "
                                                    "emailuser WHERE userid = 'sec''ond'")),
                 QStringLiteral("p\\w|010-1111-2222|clerk|0"));
        QCOMPARE(spList->text(FrmMain::ColCode, 2),
                 m_fixture->db.value(QStringLiteral("SELECT code FROM emailuser WHERE userid = 'sec''ond'")));

        part<HCText>(*add, "htField", FrmUser_Add::FieldName)->setText(QStringLiteral("again"));
        part<HCText>(*add, "htField", FrmUser_Add::FieldId)->setText(QStringLiteral("third"));
        part<HCText>(*add, "htField", FrmUser_Add::FieldPw)->setText(QStringLiteral("x"));
        QTest::mouseClick(btnSave, Qt::LeftButton);
        QCOMPARE(m_fixture->messages->last().text, QStringLiteral("[third]은(는) 이미 사용중인 ID입니다."));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emailuser")), QStringLiteral("3"));
    }

    void requiredFieldsStopTheSave()
    {
        FrmUser_Add add;
        add.SetFormMode(FrmUser_Add::Mode::New, nullptr, 0);
        add.show();
        QVERIFY(!part<QCheckBox>(add, "chkCun")->isVisible());
        part<HCText>(add, "htField", FrmUser_Add::FieldName)->setText(QStringLiteral("상호"));
        QTest::mouseClick(part<QPushButton>(add, "btnSave"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages->last().text, QStringLiteral("[ID]은(는) 필수 입력 사항입니다."));
        QCOMPARE(m_fixture->messages->last().title, QStringLiteral("필수입력"));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emailuser")), QStringLiteral("0"));
    }

    void editKeepsOwnIdAndRefusesAnothers()
    {
        const int code = m_fixture->addCustomer("mine", "내것", "010");
        m_fixture->addCustomer("theirs", "남의것");
        FrmMain main;
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        main.Search();
        spList->SetActiveCell(1, 2);
        QCOMPARE(main.SelectedCode(), code);
        FrmUser_Add *edit = part<FrmUser_Add>(main, "FrmUser_Add");
        QPushButton *btnSave = part<QPushButton>(*edit, "btnSave");
        edit->SetFormMode(FrmUser_Add::Mode::Edit, &main, code);
        QCOMPARE(part<HCText>(*edit, "htField", FrmUser_Add::FieldId)->text(), QStringLiteral("mine"));
        edit->show();
        QTest::mouseClick(btnSave, Qt::LeftButton); // nothing changed
        QCOMPARE(m_fixture->messages->last().text, QStringLiteral("수정된 내용이 없거나, 자료저장을 실패하였습니다."));
        QVERIFY(edit->isVisible());

        part<HCText>(*edit, "htField", FrmUser_Add::FieldId)->setText(QStringLiteral("theirs"));
        QTest::mouseClick(btnSave, Qt::LeftButton);
        QCOMPARE(m_fixture->messages->last().text, QStringLiteral("[theirs]은(는) 이미 사용중인 ID입니다."));

        part<HCText>(*edit, "htField", FrmUser_Add::FieldId)->setText(QStringLiteral("mine"));
        part<HCText>(*edit, "htField", FrmUser_Add::FieldMemo)->setText(QStringLiteral("새 메모 '"));
        QTest::mouseClick(btnSave, Qt::LeftButton);
        QVERIFY(!edit->isVisible());
        QCOMPARE(spList->text(FrmMain::ColMemo, 2), QStringLiteral("새 메모 '"));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT bigo FROM emailuser WHERE code = %1").arg(code)),
                 QStringLiteral("새 메모 '"));
    }

    void topUpRecordsTheLogRowAndRaisesTheBalance_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("balance");
        QTest::newRow("1,000") << "1000"
                               << "1010";
        QTest::newRow("minus three") << "-3"
                                     << "7";
    }
    void topUpRecordsTheLogRowAndRaisesTheBalance()
    {
        QFETCH(QString, count);
        QFETCH(QString, balance);
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 10);
        FrmFill_Save fill;
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
        fill.show();
        part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setText(count);
        part<HCText>(fill, "htField", FrmFill_Save::FieldMemo)->setText(QStringLiteral("it's paid"));
        QTest::mouseClick(part<QPushButton>(fill, "btnSave"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages->count(), 0);
        QVERIFY(!fill.isVisible());
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT restcnt FROM emailuser WHERE code = %1").arg(code)),
                 balance);
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT CONCAT_WS('|', regdate, regtime, gubun, inprice, appcnt, "
                                                    "ucode, recuserid, recusername, bigo) FROM emaillog")),
                 QStringLiteral("2011-05-23|14:25|1|0|%1|%2|clerk|직원|it's paid").arg(count).arg(code));
        QVERIFY(m_fixture->notices().contains(QStringLiteral("자료가 저장되었습니다. /T500")));
    }

    void zeroCountIsRefused()
    {
        const int code = m_fixture->addCustomer("cust", "손님");
        FrmFill_Save fill;
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
        part<HCText>(fill, "htField", FrmFill_Save::FieldAmount)->setText(QStringLiteral("5000"));
        QTest::mouseClick(part<QPushButton>(fill, "btnSave"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages->last().text, QStringLiteral("충전 건수를 정확히 입력하세요."));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emaillog")), QStringLiteral("0"));
    }

    void topUpOfADeletedCustomerChangesNothing()
    {
        const int code = m_fixture->addCustomer("cust", "손님");
        FrmFill_Save fill;
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
        part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setText(QStringLiteral("5"));
        m_fixture->db.exec(QStringLiteral("DELETE FROM emailuser"));
        QTest::mouseClick(part<QPushButton>(fill, "btnSave"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages->last().text,
                 QStringLiteral("데이터 처리중 문제가 발생하였습니다. 다시 처리하여 주시기 바랍니다."));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emaillog")), QStringLiteral("0"));
    }

    // The program's connection is cut while the balance raise waits for a row
    // lock, i.e. after the log row went in: neither change may remain.
    void connectionLostBetweenTheTwoStatementsChangesNothing()
    {
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 10);
        TestDatabase locker;
        locker.exec(QStringLiteral("START TRANSACTION"));
        locker.exec(QStringLiteral("SELECT * FROM emailuser WHERE code = %1 FOR UPDATE").arg(code));
        std::atomic<bool> killed{false};
        std::thread cutter([&killed] {
            TestDatabase watcher;
            for (int i = 0; i < 500 && !killed; ++i) {
                const QString id = watcher.value(QStringLiteral(
                    "SELECT ID FROM information_schema.PROCESSLIST WHERE INFO LIKE 'UPDATE emailuser SET restcnt%'"));
                if (!id.isEmpty()) {
                    watcher.kill(id.toULong());
                    killed = true;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
        FrmFill_Save fill;
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
        part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setText(QStringLiteral("5"));
        QTest::mouseClick(part<QPushButton>(fill, "btnSave"), Qt::LeftButton);
        cutter.join();
        locker.exec(QStringLiteral("ROLLBACK"));
        QVERIFY(killed);
        QCOMPARE(m_fixture->messages->last().text,
                 QStringLiteral("데이터 처리중 문제가 발생하였습니다. 다시 처리하여 주시기 바랍니다."));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emaillog")), QStringLiteral("0"));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT restcnt FROM emailuser")), QStringLiteral("10"));
        // The next statement outside the top-up reconnects by itself.
        QCOMPARE(DBGetValue(QStringLiteral("SELECT restcnt FROM emailuser WHERE code = %1").arg(code)),
                 QStringLiteral("10"));
    }

private:
    std::unique_ptr<CustomerFixture> m_fixture;
};

QTEST_MAIN(TestCustomerScreens)
#include "TestCustomerScreens.moc"
