#include "CustomerFixture.h"
#include "LoginStore.h"

#include <QtTest>

// The login's look-ups without the dialog, against the real operator and
// admission tables.
class TestLoginStore : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<CustomerFixture>();
        m_fixture->db.exec(QStringLiteral("INSERT INTO `user` (`id`, `password`, `name`, `level`, `hidden`, "
                                          "sale_user) VALUES ('office', 'pw', '사무', 1, 0, 0)"));
    }
    void cleanup()
    {
        if (m_tableAway)
            m_fixture->db.exec(QStringLiteral("RENAME TABLE user_away TO `user`"));
        m_tableAway = false;
        m_fixture.reset();
    }

    void operatorLookUp_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("level");
        QTest::newRow("level 0") << "boss"
                                 << "pw0" << true << "사장" << 0;
        QTest::newRow("level 1") << "clerk"
                                 << "pw1" << true << "직원" << 1;
        QTest::newRow("apostrophe and backslash") << "o'k"
                                                  << "p'w\\" << true << "따옴표" << 0;
        QTest::newRow("wrong password") << "clerk"
                                        << "pw0" << false << "" << 0;
        QTest::newRow("unknown ID") << "nobody"
                                    << "pw1" << false << "" << 0;
        QTest::newRow("hidden") << "gone"
                                << "pw" << false << "" << 0;
        QTest::newRow("not a sales operator") << "office"
                                              << "pw" << false << "" << 0;
        QTest::newRow("injected condition") << "clerk"
                                            << "x' OR '1'='1" << false << "" << 0;
    }
    void operatorLookUp()
    {
        QFETCH(QString, id);
        QFETCH(QString, password);
        QFETCH(bool, found);
        QFETCH(QString, name);
        QFETCH(int, level);
        CustomerFixture::setServerTime(QStringLiteral("2011-05-23 07:59:30"));
        const OperatorLookup lookup = LoginStore::findOperator(id, password);
        QCOMPARE(lookup.outcome, found ? OperatorLookup::Outcome::Found : OperatorLookup::Outcome::NoMatch);
        QCOMPARE(lookup.name, name);
        QCOMPARE(int(lookup.level), level);
        QCOMPARE(lookup.serverNow, found ? QStringLiteral("2011-05-23 07:59:30") : QString());
        QCOMPARE(m_fixture->messages->count(), 0);
    }

    void operatorTableGoneIsNotReadNotNoMatch()
    {
        m_fixture->db.exec(QStringLiteral("RENAME TABLE `user` TO user_away"));
        m_tableAway = true;
        QCOMPARE(LoginStore::findOperator(QStringLiteral("clerk"), QStringLiteral("pw1")).outcome,
                 OperatorLookup::Outcome::NotRead);
        QCOMPARE(m_fixture->messages->count(), 1);
    }

    void admittedOperator_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("admitted");
        QTest::newRow("this machine") << "('clerk', '001A2B3C4D5E', 0), ('boss', '0011223344AA', 0)"
                                      << "clerk";
        QTest::newRow("blocked") << "('clerk', '001A2B3C4D5E', 1)"
                                 << "";
        QTest::newRow("another machine only") << "('boss', '0011223344AA', 0)"
                                              << "";
    }
    void admittedOperator()
    {
        QFETCH(QString, rows);
        QFETCH(QString, admitted);
        m_fixture->db.exec(QStringLiteral("INSERT INTO user_mac VALUES ") + rows);
        QCOMPARE(LoginStore::admittedOperatorId(), admitted);
        QCOMPARE(m_fixture->messages->count(), 0);
    }

private:
    std::unique_ptr<CustomerFixture> m_fixture;
    bool m_tableAway = false;
};

QTEST_GUILESS_MAIN(TestLoginStore)
#include "TestLoginStore.moc"
