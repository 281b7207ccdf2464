#include "CustomerFixture.h"
#include "Frmlogin.h"
#include "LoginValues.h"
#include "ProgramExit.h"
#include "SettingsStore.h"
#include "WindowParts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The login dialog against the real operator and allow-list tables.
class TestLogin : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<CustomerFixture>();
        m_fixture->db.exec(QStringLiteral("INSERT INTO user_mac VALUES ('clerk', '001A2B3C4D5E', 0)"));
        m_exits = 0;
        ProgramExit::setHandler([this](int) { ++m_exits; });
    }
    void cleanup()
    {
        ProgramExit::setHandler({});
        m_fixture.reset();
    }

    void workstationNotAdmitted_data()
    {
        QTest::addColumn<QString>("row");
        QTest::newRow("unlisted") << QStringLiteral("('clerk', '0011223344AA', 0)");
        QTest::newRow("blocked") << QStringLiteral("('clerk', '001A2B3C4D5E', 1)");
    }
    void workstationNotAdmitted()
    {
        QFETCH(QString, row);
        m_fixture->db.exec(QStringLiteral("TRUNCATE user_mac"));
        m_fixture->db.exec(QStringLiteral("INSERT INTO user_mac VALUES ") + row);
        Frmlogin login;
        login.show();
        QTRY_COMPARE(m_exits, 1);
        QCOMPARE(m_fixture->messages->last().text,
                 QStringLiteral("허용되지 않은 컴퓨터입니다. 관리자에게 문의바랍니다."));
        QVERIFY(!login.LoginSucceeded);
    }

    void workingHours_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("serverTime");
        QTest::addColumn<bool>("admitted");
        QTest::newRow("level 0 at 03:00") << "boss"
                                          << "pw0"
                                          << "2011-05-23 03:00:00" << true;
        QTest::newRow("level 1 at 07:59") << "clerk"
                                          << "pw1"
                                          << "2011-05-23 07:59:30" << false;
        QTest::newRow("level 1 at 08:00") << "clerk"
                                          << "pw1"
                                          << "2011-05-23 08:00:00" << true;
        QTest::newRow("level 1 at 20:00") << "clerk"
                                          << "pw1"
                                          << "2011-05-23 20:00:59" << true;
        QTest::newRow("level 1 at 20:01") << "clerk"
                                          << "pw1"
                                          << "2011-05-23 20:01:00" << false;
    }
    void workingHours()
    {
        QFETCH(QString, id);
        QFETCH(QString, password);
        QFETCH(QString, serverTime);
        QFETCH(bool, admitted);
        m_fixture->db.exec(QStringLiteral("UPDATE user_mac SET user_id = '%1'").arg(id));
        CustomerFixture::setServerTime(serverTime);
        Frmlogin login;
        QLineEdit *txtUserName = part<QLineEdit>(login, "txtUserName");
        login.show();
        QTRY_COMPARE(txtUserName->text(), id);
        QVERIFY(!txtUserName->isEnabled());
        part<QLineEdit>(login, "txtPassword")->setText(password);
        QTest::mouseClick(part<QPushButton>(login, "cmdOK"), Qt::LeftButton);
        QCOMPARE(login.LoginSucceeded, admitted);
        QCOMPARE(login.isVisible(), !admitted);
        QCOMPARE(g_sLoginTime, serverTime);
        if (!admitted)
            QCOMPARE(m_fixture->messages->last().text,
                     QStringLiteral("허용된 Quotadesk 작성시간은 08:00 ~ 19:00입니다.\r\n"));
    }

    void wrongPasswordKeepsTheDialogWithThePasswordSelected()
    {
        Frmlogin login;
        QLineEdit *txtPassword = part<QLineEdit>(login, "txtPassword");
        login.show();
        QTRY_COMPARE(part<QLineEdit>(login, "txtUserName")->text(), QStringLiteral("clerk"));
        CustomerFixture::setServerTime(QStringLiteral("2011-05-23 10:00:00"));
        txtPassword->setText(QStringLiteral("nope"));
        QCOMPARE(txtPassword->displayText(), QStringLiteral("****"));
        QTest::keyClick(txtPassword, Qt::Key_Return);
        QVERIFY(!login.LoginSucceeded);
        QCOMPARE(m_fixture->messages->last().title, QStringLiteral("로그인"));
        QCOMPARE(m_fixture->messages->last().text,
                 QStringLiteral(
                     "개발자 및 퇴사자는 로그인 할 수 없습니다.\r\n\r\n혹은 암호가 잘못되었습니다. 다시 시도하십시오"));
        QCOMPARE(txtPassword->selectedText(), QStringLiteral("nope"));
        // Enter in the password box is the login action, and types nothing.
        txtPassword->setText(QStringLiteral("pw1"));
        QTest::keyClick(txtPassword, Qt::Key_Return);
        QVERIFY(login.LoginSucceeded);
        QCOMPARE(txtPassword->text(), QStringLiteral("pw1"));
    }

    void hiddenOperatorIsRefused()
    {
        m_fixture->db.exec(QStringLiteral("UPDATE user_mac SET user_id = 'gone'"));
        CustomerFixture::setServerTime(QStringLiteral("2011-05-23 10:00:00"));
        Frmlogin login;
        login.show();
        QTRY_COMPARE(part<QLineEdit>(login, "txtUserName")->text(), QStringLiteral("gone"));
        part<QLineEdit>(login, "txtPassword")->setText(QStringLiteral("pw"));
        QTest::mouseClick(part<QPushButton>(login, "cmdOK"), Qt::LeftButton);
        QVERIFY(!login.LoginSucceeded);
    }

    void apostrophesAndBackslashesAreEscaped()
    {
        m_fixture->db.exec(QStringLiteral("UPDATE user_mac SET user_id = 'o''k'"));
        Frmlogin login;
        QLineEdit *txtPassword = part<QLineEdit>(login, "txtPassword");
        QPushButton *cmdOK = part<QPushButton>(login, "cmdOK");
        login.show();
        QTRY_COMPARE(part<QLineEdit>(login, "txtUserName")->text(), QStringLiteral("o'k"));
        txtPassword->setText(QStringLiteral("x' OR '1'='1"));
        QTest::mouseClick(cmdOK, Qt::LeftButton);
        QVERIFY(!login.LoginSucceeded);
        txtPassword->setText(QStringLiteral("p'w\\"));
        QTest::mouseClick(cmdOK, Qt::LeftButton);
        QVERIFY(login.LoginSucceeded);
        QCOMPARE(g_sOperID, QStringLiteral("o'k"));
        QCOMPARE(g_sOperName, QStringLiteral("따옴표"));
    }

    void rememberedPasswordLogsInByItself()
    {
        SaveSetting(QStringLiteral("Quotadesk"), QStringLiteral("Config"), QStringLiteral("issave_passwd"),
                    QStringLiteral("1"));
        SaveSetting(QStringLiteral("Quotadesk"), QStringLiteral("Config"), QStringLiteral("passwd"),
                    QStringLiteral("pw1"));
        CustomerFixture::setServerTime(QStringLiteral("2011-05-23 10:00:00"));
        Frmlogin login;
        QVERIFY(part<QCheckBox>(login, "chkpwdSave")->isChecked());
        login.show();
        QTRY_VERIFY(login.LoginSucceeded);
        QCOMPARE(m_fixture->messages->count(), 0);
    }

    void savingThePassword()
    {
        Frmlogin login;
        QCheckBox *chkpwdSave = part<QCheckBox>(login, "chkpwdSave");
        QLineEdit *txtPassword = part<QLineEdit>(login, "txtPassword");
        QPushButton *cmdOK = part<QPushButton>(login, "cmdOK");
        login.show();
        QTRY_COMPARE(part<QLineEdit>(login, "txtUserName")->text(), QStringLiteral("clerk"));
        auto stored = [](const char *key) {
            return GetSetting(QStringLiteral("Quotadesk"), QStringLiteral("Config"), QLatin1String(key),
                              QStringLiteral("<none>"));
        };
        txtPassword->setFocus();
        QTest::keyClicks(txtPassword, QStringLiteral("typed"));
        cmdOK->setFocus(); // leaving the box while "저장" is off stores nothing
        QCOMPARE(stored("passwd"), QStringLiteral("<none>"));

        QTest::mouseClick(chkpwdSave, Qt::LeftButton);
        QCOMPARE(stored("issave_passwd"), QStringLiteral("1"));
        QCOMPARE(stored("passwd"), QStringLiteral("typed"));

        txtPassword->setFocus();
        QTest::keyClicks(txtPassword, QStringLiteral("2"));
        cmdOK->setFocus();
        QCOMPARE(stored("passwd"), QStringLiteral("typed2"));

        QTest::mouseClick(chkpwdSave, Qt::LeftButton);
        QCOMPARE(stored("issave_passwd"), QStringLiteral("0"));
        QCOMPARE(stored("passwd"), QString());
    }

    void cancelEndsWithoutSuccess()
    {
        Frmlogin login;
        login.show();
        QTRY_COMPARE(part<QLineEdit>(login, "txtUserName")->text(), QStringLiteral("clerk"));
        QTest::mouseClick(part<QPushButton>(login, "cmdCancel"), Qt::LeftButton);
        QVERIFY(!login.LoginSucceeded);
        QVERIFY(!login.isVisible());
    }

private:
    std::unique_ptr<CustomerFixture> m_fixture;
    int m_exits = 0;
};

QTEST_MAIN(TestLogin)
#include "TestLogin.moc"
