#include "TestDatabase.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

// Two programs (two processes, two operators) top up the same customer at the
// same time. Every top-up must be saved once, and the balance must equal the
// sum of the customer's log rows. QD_SOAK_TOPUPS sets the top-ups per program
// (scripts/soak runs 1,000 each).
class TestConcurrentTopUps : public QObject {
    Q_OBJECT

private slots:
    void twoProgramsTopUpTheSameCustomer()
    {
        const int topUps = qEnvironmentVariableIsSet("QD_SOAK_TOPUPS") ? qEnvironmentVariableIntValue("QD_SOAK_TOPUPS")
                                                                       : 100;
        TestDatabase db;
        db.reset();
        db.exec(QStringLiteral("INSERT INTO emailuser (userid, username, restcnt) VALUES ('cust', '손님', 0)"));
        const QString code = QString::number(db.insertId());

        QElapsedTimer timer;
        timer.start();
        QProcess first;
        QProcess second;
        first.start(QStringLiteral(TOPUP_WORKER),
                    {QStringLiteral("boss"), QStringLiteral("사장"), code, QString::number(topUps)});
        second.start(QStringLiteral(TOPUP_WORKER),
                     {QStringLiteral("clerk"), QStringLiteral("직원"), code, QString::number(topUps)});
        long long counted = 0;
        for (QProcess *worker : {&first, &second}) {
            QVERIFY(worker->waitForFinished(600000));
            const QString out = QString::fromLocal8Bit(worker->readAllStandardOutput());
            const QString err = QString::fromLocal8Bit(worker->readAllStandardError());
            QVERIFY2(worker->exitStatus() == QProcess::NormalExit && worker->exitCode() == 0, qPrintable(out + err));
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("saved (\\d+) refused 0 counted (\\d+)")).match(out);
            QVERIFY2(m.hasMatch(), qPrintable(out + err));
            QCOMPARE(m.captured(1).toInt(), topUps);
            counted += m.captured(2).toLongLong();
        }
        const qint64 ms = timer.elapsed();

        const QString balance = db.value(QStringLiteral("SELECT restcnt FROM emailuser WHERE code = ") + code);
        const QString logged = db.value(QStringLiteral("SELECT SUM(appcnt) FROM emaillog WHERE ucode = ") + code);
        QCOMPARE(balance, logged);
        QCOMPARE(balance, QString::number(counted));
        QCOMPARE(db.value(QStringLiteral("SELECT GROUP_CONCAT(n ORDER BY recuserid) FROM "
                                         "(SELECT recuserid, COUNT(*) AS n FROM emaillog GROUP BY recuserid) AS t")),
                 QStringLiteral("%1,%1").arg(topUps));
        qInfo("%d top-ups by each of 2 programs in %lld ms: balance %s, sum of the log rows %s", topUps,
              static_cast<long long>(ms), qPrintable(balance), qPrintable(logged));
    }
};

QTEST_GUILESS_MAIN(TestConcurrentTopUps)
#include "TestConcurrentTopUps.moc"
