#include "CustomerFixture.h"
#include "FrmDetail.h"
#include "FrmFill_Save.h"
#include "FrmMain.h"
#include "FrmUser_Add.h"
#include "Frmlogin.h"
#include "HCTerm.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "LoginValues.h"
#include "SpreadGrid.h"
#include "WindowParts.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

// The screens as the operator drives them: Enter on a focused button, a
// double-click on a header, and what the operator is told when a statement
// fails on the server.
class TestScreenDriving : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<CustomerFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void enterOnAFocusedButtonPressesIt()
    {
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 10);
        {
            FrmMain main;
            HCText *htFind = part<HCText>(main, "htFind");
            main.show();
            htFind->setText(QStringLiteral("찾기"));
            pressEnterOn(part<QPushButton>(main, "BtnClear"));
            QCOMPARE(htFind->text(), QString());
        }
        {
            FrmDetail detail(code);
            detail.show();
            pressEnterOn(part<QPushButton>(detail, "BtnSelect"));
            QVERIFY(m_fixture->notices().contains(QStringLiteral("조회 완료 하였습니다. /T500")));
        }
        {
            FrmUser_Add add;
            add.SetFormMode(FrmUser_Add::Mode::New, nullptr, 0);
            add.show();
            part<HCText>(add, "htField", FrmUser_Add::FieldName)->setText(QStringLiteral("상호"));
            part<HCText>(add, "htField", FrmUser_Add::FieldId)->setText(QStringLiteral("new"));
            part<HCText>(add, "htField", FrmUser_Add::FieldPw)->setText(QStringLiteral("pw"));
            pressEnterOn(part<QPushButton>(add, "btnSave"));
            QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emailuser WHERE userid = 'new'")),
                     QStringLiteral("1"));
        }
        {
            FrmFill_Save fill;
            fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
            fill.show();
            part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setText(QStringLiteral("5"));
            pressEnterOn(part<QPushButton>(fill, "btnSave"));
            QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT restcnt FROM emailuser WHERE code = %1").arg(code)),
                     QStringLiteral("15"));
        }
        {
            m_fixture->db.exec(QStringLiteral("INSERT INTO user_mac VALUES ('clerk', '001A2B3C4D5E', 0)"));
            CustomerFixture::setServerTime(QStringLiteral("2011-05-23 10:00:00"));
            Frmlogin login;
            login.show();
            QTRY_COMPARE(part<QLineEdit>(login, "txtUserName")->text(), QStringLiteral("clerk"));
            part<QLineEdit>(login, "txtPassword")->setText(QStringLiteral("pw1"));
            pressEnterOn(part<QPushButton>(login, "cmdOK"));
            QVERIFY(login.LoginSucceeded);
        }
    }

    // A double-click on a column header sorts; only one on a row edits.
    void headerDoubleClickDoesNotEdit()
    {
        m_fixture->addCustomer("b", "나");
        m_fixture->addCustomer("a", "가");
        FrmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.Search();
        QTableView *view = part<SpreadGrid>(main, "spList")->view();
        QHeaderView *header = view->horizontalHeader();
        const QPoint onHeader(header->sectionViewportPosition(0) + 5, header->height() / 2);
        QCOMPARE(modalsOpenedBy([&] { QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, onHeader); }),
                 QStringList());
        const QPoint onRow = view->visualRect(view->model()->index(0, 0)).center();
        QCOMPARE(modalsOpenedBy([&] { QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, onRow); }),
                 QStringList{QStringLiteral("FrmUser_Add")});
    }

    void failedSearchGivesNoCompletionNotice()
    {
        const int code = m_fixture->addCustomer("cust", "손님");
        FrmMain main;
        FrmDetail detail(code);
        {
            TableAway away(m_fixture->db, QStringLiteral("emailuser"));
            main.Search();
        }
        {
            TableAway away(m_fixture->db, QStringLiteral("emaillog"));
            detail.Search();
        }
        QCOMPARE(m_fixture->messages->count(), 2); // the server's refusals
        QVERIFY(!m_fixture->notices().contains(QStringLiteral("조회 완료 하였습니다. /T500")));
        main.Search();
        QVERIFY(m_fixture->notices().contains(QStringLiteral("조회 완료 하였습니다. /T500")));
    }

    void balanceKeepsItsValueWhenItsRefreshFails()
    {
        m_fixture->addCustomer("cust", "손님", QString(), 10);
        FrmMain main;
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        main.Search();
        spList->SetActiveCell(FrmMain::ColName, 1);
        std::unique_ptr<TableAway> away;
        const QStringList opened = modalsOpenedBy(
            [&] { part<QPushButton>(main, "BtnFill")->click(); },
            [&] { away = std::make_unique<TableAway>(m_fixture->db, QStringLiteral("emailuser")); });
        QCOMPARE(opened, QStringList{QStringLiteral("FrmFill_Save")});
        QCOMPARE(m_fixture->messages->count(), 1); // the failed read
        QCOMPARE(spList->text(FrmMain::ColRest, 1), QStringLiteral("10"));
    }

    void duplicateCheckThatCannotRunSaysSo()
    {
        FrmUser_Add add;
        add.SetFormMode(FrmUser_Add::Mode::New, nullptr, 0);
        add.show();
        part<HCText>(add, "htField", FrmUser_Add::FieldName)->setText(QStringLiteral("상호"));
        part<HCText>(add, "htField", FrmUser_Add::FieldId)->setText(QStringLiteral("free"));
        part<HCText>(add, "htField", FrmUser_Add::FieldPw)->setText(QStringLiteral("pw"));
        {
            TableAway away(m_fixture->db, QStringLiteral("emailuser"));
            QTest::mouseClick(part<QPushButton>(add, "btnSave"), Qt::LeftButton);
        }
        QCOMPARE(m_fixture->messages->last().text,
                 QStringLiteral("[free]이(가) 이미 사용중인 ID인지 확인하지 못하여 저장하지 않았습니다. "
                                "다시 저장하여 주시기 바랍니다."));
        QVERIFY(add.isVisible());
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emailuser")), QStringLiteral("0"));
    }

private:
    // A table renamed out of the way, so that statements on it fail on the
    // server; back in place at the end of the scope.
    class TableAway {
    public:
        TableAway(TestDatabase &db, const QString &table) : m_db(db), m_table(table)
        {
            m_db.exec(QStringLiteral("RENAME TABLE %1 TO %1_away").arg(m_table));
        }
        ~TableAway() { m_db.exec(QStringLiteral("RENAME TABLE %1_away TO %1").arg(m_table)); }

    private:
        TestDatabase &m_db;
        QString m_table;
    };

    static void pressEnterOn(QPushButton *button)
    {
        QApplication::setActiveWindow(button->window());
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Return);
    }

    // Runs action and closes every modal window it opens (after inside, when
    // given, has run while the window was open); returns their names.
    static QStringList modalsOpenedBy(const std::function<void()> &action, const std::function<void()> &inside = {})
    {
        QStringList names;
        QTimer watcher;
        watcher.setInterval(10);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                names << modal->objectName();
                if (inside)
                    inside();
                modal->close();
            }
        });
        watcher.start();
        action();
        QTest::qWait(50);
        return names;
    }

    std::unique_ptr<CustomerFixture> m_fixture;
};

QTEST_MAIN(TestScreenDriving)
#include "TestScreenDriving.moc"
