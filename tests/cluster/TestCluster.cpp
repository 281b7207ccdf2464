#include "CustomerFixture.h"
#include "CuttingProxy.h"
#include "DBErrorBox.h"
#include "FrmDetail.h"
#include "FrmFill_Save.h"
#include "FrmMain.h"
#include "FrmUser_Add.h"
#include "Frmlogin.h"
#include "HCTerm.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "LoopbackCluster.h"
#include "SpreadGrid.h"
#include "WindowParts.h"
#include "modMySQL_Func.h"

#include <mysql.h>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <memory>

namespace {

// One worker's report: memo -> count for saved top-ups, memo -> message for
// refused ones, memo -> count for those whose result was at first not
// confirmed, and for those never decided.
struct WorkerReport {
    QMap<QString, int> saved;
    QMap<QString, QString> refused;
    QMap<QString, int> unconfirmed;
    QMap<QString, int> open;
};

WorkerReport readReport(const QString &out)
{
    WorkerReport report;
    static const QRegularExpression savedLine(QStringLiteral("^saved (\\S+ #\\d+) (\\d+)$"));
    static const QRegularExpression refusedLine(QStringLiteral("^failed (\\S+ #\\d+): (.*)$"));
    static const QRegularExpression unconfirmedLine(QStringLiteral("^(unconfirmed|open) (\\S+ #\\d+) (\\d+)$"));
    for (const QString &line : out.split(QLatin1Char('\n'))) {
        if (const auto u = unconfirmedLine.match(line); u.hasMatch())
            (u.captured(1) == QLatin1String("open") ? report.open : report.unconfirmed)
                .insert(u.captured(2), u.captured(3).toInt());
        else if (const auto m = savedLine.match(line); m.hasMatch())
            report.saved.insert(m.captured(1), m.captured(2).toInt());
        else if (const auto f = refusedLine.match(line); f.hasMatch())
            report.refused.insert(f.captured(1), f.captured(2));
    }
    return report;
}

// A session of another program, straight to one node, that must never be
// ended by someone else's reconnect.
class OtherProgramSession {
public:
    explicit OtherProgramSession(const QString &address)
    {
        const qsizetype colon = address.lastIndexOf(QLatin1Char(':'));
        m_mysql = mysql_init(nullptr);
        if (!mysql_real_connect(m_mysql, address.left(colon).toLatin1().constData(), "twbusiness", "kpvr5820",
                                "businesslog", address.mid(colon + 1).toUInt(), nullptr, 0))
            qFatal("%s: %s", qPrintable(address), mysql_error(m_mysql));
    }
    ~OtherProgramSession() { mysql_close(m_mysql); }
    OtherProgramSession(const OtherProgramSession &) = delete;
    OtherProgramSession &operator=(const OtherProgramSession &) = delete;

    unsigned long threadId() const { return mysql_thread_id(m_mysql); }
    bool stillRuns()
    {
        if (mysql_query(m_mysql, "SELECT 1") != 0)
            return false;
        mysql_free_result(mysql_store_result(m_mysql));
        return true;
    }

private:
    MYSQL *m_mysql = nullptr;
};

int nodeOfProgram()
{
    RecordsetPtr rows = g_DB[0]->query(QStringLiteral("SELECT @@wsrep_node_name"));
    return rows && !rows->Eof() ? rows->Fields(0).mid(4).toInt() : 0;
}

} // namespace

// Quotadesk on a three-node Galera cluster behind HAProxy: the settings of its
// sessions, a second read host on another node, nodes lost under the open
// windows, and two programs topping up one customer while nodes are killed
// and restarted. QD_SOAK_TOPUPS sets the top-ups per program (scripts/soak:
// 1,000), QD_CLUSTER_KILL_EVERY the seconds between kills (then every node is
// killed in turn until the programs are done; otherwise one node once).
class TestCluster : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString missing = LoopbackCluster::missingPart(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        QElapsedTimer timer;
        timer.start();
        m_cluster = std::make_unique<LoopbackCluster>();
        qInfo("cluster up in %lld ms", static_cast<long long>(timer.elapsed()));
        // The program goes through the balancer; the fixture's own helper
        // connection prepares rows as root on node 1.
        qputenv("QD_TEST_DB", m_cluster->address().toLatin1());
        qputenv("QD_TEST_DB_SOCKET", m_cluster->nodeSocket(1).toLocal8Bit());
    }
    void init() { m_cluster->startMissing(); }
    void cleanupTestCase() { m_cluster.reset(); }

    // A node that restarts binds its ports again, some of them only while it
    // joins. In the range the system hands out for port 0, any program that
    // listened in between could hold one, and the node would end; so would a
    // node given a port of another of the cluster's processes.
    void portsLieOutsideTheRangeHandedOut()
    {
        QFile range(QStringLiteral("/proc/sys/net/ipv4/ip_local_port_range"));
        if (!range.open(QIODevice::ReadOnly))
            QSKIP("this system does not say which ports it hands out");
        const QList<QByteArray> bounds = range.readAll().simplified().split(' ');
        const QList<int> ports = m_cluster->ports();
        QCOMPARE(QSet<int>(ports.cbegin(), ports.cend()).size(), 14); // each a different one
        for (const int port : ports)
            QVERIFY2(port < bounds.first().toInt() || port > bounds.last().toInt(), qPrintable(QString::number(port)));
    }

    void programSessionsWaitForTheCluster()
    {
        CustomerFixture fixture;
        RecordsetPtr rows = g_DB[0]->query(
            QStringLiteral("SELECT @@session.wsrep_sync_wait, @@global.wsrep_sync_wait"));
        QVERIFY(rows && !rows->Eof());
        QCOMPARE(rows->Fields(0), QStringLiteral("3"));
        QCOMPARE(rows->Fields(1), QStringLiteral("0"));
    }

    // A session whose set-up failed on a node is closed, never used
    // unprepared: the next statement runs on a new, prepared session.
    void sessionWhoseSetUpFailedIsNeverUsed()
    {
        CuttingProxy proxy(m_cluster->nodeAddress(2));
        proxy.hideTls(true);
        proxy.failAt("SET SESSION wsrep_sync_wait", 1105, CuttingProxy::Fail::InsteadOf);
        MessageRecorder messages;
        cMySQL c(ShowDBError);
        QVERIFY(!c.real_connect(proxy.address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
                                QStringLiteral("businesslog")));
        QVERIFY(proxy.cutDone());
        RecordsetPtr rows = c.query(QStringLiteral("SELECT @@session.wsrep_sync_wait"));
        QVERIFY(rows && !rows->Eof());
        QCOMPARE(rows->Fields(0), QStringLiteral("3"));
    }

    // Changes go to node 1, reads to node 2: every read sees the change just
    // made, and the first change finds the customer added through the balancer.
    void secondReadHostOnAnotherNodeSeesEveryWrite()
    {
        CustomerFixture fixture;
        QVERIFY(DBInit(m_cluster->nodeAddress(1), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
                       QStringLiteral("businesslog"), m_cluster->nodeAddress(2), true, ShowDBError));
        QCOMPARE(g_nDB, 1);
        QCOMPARE(DBGetValue(QStringLiteral("SELECT @@wsrep_node_name")), QStringLiteral("node2"));
        const int code = fixture.addCustomer(QStringLiteral("reader"), QStringLiteral("읽기"));
        int missed = 0;
        for (int i = 1; i <= 300; ++i) {
            DBExecute(QStringLiteral("UPDATE emailuser SET restcnt = %1 WHERE code = %2").arg(i).arg(code));
            if (DBGetValue(QStringLiteral("SELECT restcnt FROM emailuser WHERE code = %1").arg(code))
                != QString::number(i))
                ++missed;
        }
        QCOMPARE(fixture.messages->texts(), QStringList());
        QCOMPARE(missed, 0);
    }

    // An operator's day through the balancer on the program's own account:
    // log in, search, register, top up, read the history and export it. Every
    // read follows the program's own write, wherever the balancer sends it.
    void operatorsDayThroughTheBalancer()
    {
        CustomerFixture fixture;
        fixture.db.exec(QStringLiteral("INSERT INTO user_mac VALUES ('clerk', '001A2B3C4D5E', 0)"));
        CustomerFixture::setServerTime(QStringLiteral("2011-05-23 10:00:00"));
        Frmlogin login;
        QLineEdit *txtPassword = part<QLineEdit>(login, "txtPassword");
        login.show();
        QTRY_COMPARE(part<QLineEdit>(login, "txtUserName")->text(), QStringLiteral("clerk"));
        txtPassword->setText(QStringLiteral("pw1"));
        QTest::keyClick(txtPassword, Qt::Key_Return);
        QVERIFY(login.LoginSucceeded);

        FrmMain main;
        main.show();
        main.Search();
        QCOMPARE(part<SpreadGrid>(main, "spList")->MaxRows(), 0);
        FrmUser_Add *add = part<FrmUser_Add>(main, "FrmUser_Add");
        add->SetFormMode(FrmUser_Add::Mode::New, &main, 0);
        add->show();
        part<HCText>(*add, "htField", FrmUser_Add::FieldName)->setText(QStringLiteral("클러스터 상사"));
        part<HCText>(*add, "htField", FrmUser_Add::FieldId)->setText(QStringLiteral("cluster"));
        part<HCText>(*add, "htField", FrmUser_Add::FieldPw)->setText(QStringLiteral("pw"));
        QTest::mouseClick(part<QPushButton>(*add, "btnSave"), Qt::LeftButton);
        add->close();
        QCOMPARE(part<SpreadGrid>(main, "spList")->MaxRows(), 1);
        const int code = part<SpreadGrid>(main, "spList")->text(FrmMain::ColCode, 1).toInt();
        QVERIFY(code > 0);

        FrmFill_Save fill;
        fill.SetFormMode(code, QStringLiteral("클러스터 상사"), QStringLiteral("cluster"), FrmFill_Save::Mode::New,
                         &main, 0);
        fill.show();
        part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setText(QStringLiteral("1200"));
        part<HCText>(fill, "htField", FrmFill_Save::FieldMemo)->setText(QStringLiteral("through the balancer"));
        QTest::mouseClick(part<QPushButton>(fill, "btnSave"), Qt::LeftButton);
        QVERIFY(!fill.isVisible());
        main.Search();
        QCOMPARE(part<SpreadGrid>(main, "spList")->text(FrmMain::ColRest, 1), QStringLiteral("1200"));

        FrmDetail detail(code);
        HCTerm *htDate = part<HCTerm>(detail, "htDate");
        const QString day = m_cluster->value(1,
                                             QStringLiteral("SELECT regdate FROM emaillog WHERE ucode = %1").arg(code));
        htDate->setText1(day);
        htDate->setText2(day);
        detail.Search();
        QCOMPARE(part<SpreadGrid>(detail, "spList")->MaxRows(), 1);
        QCOMPARE(part<SpreadGrid>(detail, "spList")->text(FrmDetail::ColMemo, 1),
                 QStringLiteral("through the balancer"));
        fixture.messages->answerNext(MsgYes);
        detail.ExportExcel();
        QVERIFY(QFile::exists(fixture.workspace->file(QStringLiteral("ExpExcel/Exp110523_142501.xlsx"))));
        QCOMPARE(fixture.messages->count(), 1); // the export's question, and no error
        QVERIFY(fixture.messages->last().text.startsWith(QStringLiteral("엑셀로 자료를 내보내기 하시겠습니까?")));
    }

    void nodeLostUnderOpenMainWindowIsInvisible()
    {
        CustomerFixture fixture;
        fixture.addCustomer(QStringLiteral("first"), QStringLiteral("가나"));
        FrmMain main;
        HCText *htFind = part<HCText>(main, "htFind");
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        main.show();
        QTest::keyClick(htFind->txtBox(), Qt::Key_F5);
        QCOMPARE(spList->MaxRows(), 1);

        const int lost = nodeOfProgram();
        QVERIFY(lost >= 1 && lost <= 3);
        m_cluster->kill(lost);
        m_cluster->rows(lost % 3 + 1, QStringLiteral("INSERT INTO emailuser (userid, username, regdate) "
                                                     "VALUES ('second', '다라', '2011-01-01')"));
        QTest::keyClick(htFind->txtBox(), Qt::Key_F5);
        QCOMPARE(fixture.messages->texts(), QStringList());
        QCOMPARE(spList->MaxRows(), 2);
        QCOMPARE(spList->text(FrmMain::ColName, 2), QStringLiteral("다라"));
        QVERIFY(nodeOfProgram() != lost);
        m_cluster->restart(lost);
        m_cluster->waitAllUp();
    }

    // Thread ids are counted per node. The program's session on node 1 has an
    // id that other programs' sessions on nodes 2 and 3 also have; node 1 dies
    // and the program reconnects to one of them: both other sessions live on.
    void reconnectLeavesOtherProgramsSessionsAlone()
    {
        m_cluster->balancerCommand(QStringLiteral("set server quotadesk/node2 state maint"));
        m_cluster->balancerCommand(QStringLiteral("set server quotadesk/node3 state maint"));
        const auto nextId = [this](int node) {
            return m_cluster->value(node, QStringLiteral("SELECT CONNECTION_ID()")).toULong() + 1;
        };
        // Until the sessions below are opened, the balancer's health checks
        // take ids on nodes 2 and 3 too, two or more a second: the margin
        // keeps the program's id ahead of them however long the wait takes.
        const unsigned long highest = std::max(nextId(2), nextId(3)) + 200;
        while (nextId(1) < highest) {
        }
        CustomerFixture fixture;
        const unsigned long programThread = g_DB[0]->thread_id();
        QCOMPARE(nodeOfProgram(), 1);
        m_cluster->balancerCommand(QStringLiteral("set server quotadesk/node2 state ready"));
        m_cluster->balancerCommand(QStringLiteral("set server quotadesk/node3 state ready"));
        m_cluster->waitAllUp();

        std::vector<std::unique_ptr<OtherProgramSession>> others;
        for (int node : {2, 3}) {
            for (;;) {
                auto session = std::make_unique<OtherProgramSession>(m_cluster->nodeAddress(node));
                QVERIFY(session->threadId() <= programThread);
                if (session->threadId() == programThread) {
                    others.push_back(std::move(session));
                    break;
                }
            }
        }
        m_cluster->kill(1);
        QCOMPARE(DBGetValue(QStringLiteral("SELECT 41 + 1")), QStringLiteral("42"));
        QVERIFY(nodeOfProgram() != 1);
        QCOMPARE(fixture.messages->texts(), QStringList());
        for (const auto &other : others)
            QVERIFY2(other->stillRuns(), "the reconnect ended another program's session");
        m_cluster->restart(1);
        m_cluster->waitAllUp();
    }

    void twoProgramsTopUpWhileNodesAreKilled()
    {
        const int topUps = qEnvironmentVariableIsSet("QD_SOAK_TOPUPS") ? qEnvironmentVariableIntValue("QD_SOAK_TOPUPS")
                                                                       : 200;
        const int killEvery = qEnvironmentVariableIntValue("QD_CLUSTER_KILL_EVERY");
        m_cluster->rows(1, QStringLiteral("TRUNCATE emaillog"));
        m_cluster->rows(1, QStringLiteral("TRUNCATE emailuser"));
        m_cluster->rows(1,
                        QStringLiteral("INSERT INTO emailuser (userid, username, restcnt) VALUES ('cust', '손님', 0)"));
        const QString code = m_cluster->value(1, QStringLiteral("SELECT code FROM emailuser"));
        const long long conflictsBefore = certificationConflicts();

        // Killed in turn, every node must be killed while the programs run:
        // they top up at an operator's pace.
        qputenv("QD_TOPUP_PAUSE_MS", killEvery > 0 ? "30" : "0");
        QProcess first;
        QProcess second;
        first.start(QStringLiteral(TOPUP_WORKER),
                    {QStringLiteral("boss"), QStringLiteral("사장"), code, QString::number(topUps)});
        second.start(QStringLiteral(TOPUP_WORKER),
                     {QStringLiteral("clerk"), QStringLiteral("직원"), code, QString::number(topUps)});
        const auto running = [&] {
            return first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning;
        };
        const auto logged = [this, &code] {
            return m_cluster->value(1, QStringLiteral("SELECT COUNT(*) FROM emaillog WHERE ucode = ") + code).toInt();
        };
        // Conflicts counted by a node are lost when it dies: read them just before.
        long long conflictsOfKilled = 0;
        QList<int> killed;
        const auto killAndRestart = [&](int node) {
            conflictsOfKilled += certificationConflictsOn(node);
            m_cluster->kill(node);
            killed << node;
            m_cluster->restart(node);
        };
        if (killEvery > 0) {
            for (int node = 2; running(); node = node % 3 + 1) {
                QTest::qWait(killEvery * 1000);
                if (running())
                    killAndRestart(node);
            }
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(logged() >= topUps / 5 || !running(), 120000);
            QVERIFY2(running(), "the programs were done before a node could be killed");
            killAndRestart(nodeWithMostProgramSessions());
        }

        QMap<QString, int> saved;
        QMap<QString, QString> refused;
        QMap<QString, int> unconfirmed;
        QMap<QString, int> open;
        for (QProcess *worker : {&first, &second}) {
            QVERIFY(worker->state() == QProcess::NotRunning || worker->waitForFinished(1800000));
            const QString out = QString::fromLocal8Bit(worker->readAllStandardOutput());
            const QString err = QString::fromLocal8Bit(worker->readAllStandardError());
            const QStringList inconsistent = out.split(QLatin1Char('\n')).filter(QStringLiteral("inconsistent"));
            QVERIFY2(worker->exitStatus() == QProcess::NormalExit
                         && (worker->exitCode() == 0 || worker->exitCode() == 3),
                     qPrintable(inconsistent.join(QLatin1Char('\n')) + QLatin1Char('\n') + err.right(2000)));
            const WorkerReport report = readReport(out);
            QCOMPARE(report.saved.size() + report.refused.size() + report.open.size(), topUps);
            saved.insert(report.saved);
            refused.insert(report.refused);
            unconfirmed.insert(report.unconfirmed);
            open.insert(report.open);
        }
        m_cluster->waitAllUp();

        const QString reference = m_cluster->checksum(1);
        QCOMPARE(m_cluster->checksum(2), reference);
        QCOMPARE(m_cluster->checksum(3), reference);

        QMap<QString, int> logRows;
        QMap<QString, int> logCounts;
        for (const QStringList &row :
             m_cluster->rows(1, QStringLiteral("SELECT bigo, COUNT(*), SUM(appcnt) FROM emaillog "
                                               "WHERE ucode = %1 GROUP BY bigo")
                                    .arg(code))) {
            logRows.insert(row.at(0), row.at(1).toInt());
            logCounts.insert(row.at(0), row.at(2).toInt());
        }
        long long savedSum = 0;
        for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
            QVERIFY2(logRows.value(it.key()) == 1,
                     qPrintable(
                         QStringLiteral("saved %1 is in the log %2 times").arg(it.key()).arg(logRows.value(it.key()))));
            QCOMPARE(logCounts.value(it.key()), it.value());
            savedSum += it.value();
        }
        for (auto it = refused.cbegin(); it != refused.cend(); ++it) {
            QVERIFY2(!logRows.contains(it.key()), qPrintable(QStringLiteral("refused %1 is in the log").arg(it.key())));
            QVERIFY2(!it.value().isEmpty(), qPrintable(QStringLiteral("refused %1 without a message").arg(it.key())));
        }
        // A top-up never decided may have landed, once at most.
        long long openLanded = 0;
        for (auto it = open.cbegin(); it != open.cend(); ++it) {
            QVERIFY2(logRows.value(it.key()) <= 1,
                     qPrintable(
                         QStringLiteral("open %1 is in the log %2 times").arg(it.key()).arg(logRows.value(it.key()))));
            if (logRows.contains(it.key())) {
                ++openLanded;
                savedSum += it.value();
            }
        }
        QCOMPARE(logRows.size(), saved.size() + openLanded);
        const QString balance = m_cluster->value(1,
                                                 QStringLiteral("SELECT restcnt FROM emailuser WHERE code = ") + code);
        const QString logSum = m_cluster->value(1, QStringLiteral("SELECT SUM(appcnt) FROM emaillog WHERE ucode = ")
                                                       + code);
        QCOMPARE(balance, logSum);
        QCOMPARE(balance, QString::number(savedSum));

        QStringList killedNames;
        for (int node : killed)
            killedNames << QString::number(node);
        qInfo("nodes killed: %s; top-ups attempted %d, saved %lld, refused %lld; certification conflicts (1213) %lld; "
              "checksums equal: yes; balance %s = log sum %s",
              qPrintable(killedNames.join(QLatin1Char(','))), 2 * topUps, static_cast<long long>(saved.size()),
              static_cast<long long>(refused.size()), certificationConflicts() + conflictsOfKilled - conflictsBefore,
              qPrintable(balance), qPrintable(logSum));
        int unconfirmedSaved = 0;
        int unconfirmedRefused = 0;
        for (auto it = unconfirmed.cbegin(); it != unconfirmed.cend(); ++it) {
            unconfirmedSaved += saved.contains(it.key()) ? 1 : 0;
            unconfirmedRefused += refused.contains(it.key()) ? 1 : 0;
        }
        qInfo("results not confirmed at first: %lld; then found saved %d, not saved %d; never decided %lld "
              "(of which in the log: %lld)",
              static_cast<long long>(unconfirmed.size()), unconfirmedSaved, unconfirmedRefused,
              static_cast<long long>(open.size()), openLanded);
        if (killEvery > 0)
            QVERIFY2(killed.size() >= 3, "the programs were done before every node had been killed");
        QMap<QString, int> told;
        for (const QString &message : refused)
            ++told[message];
        for (auto it = told.cbegin(); it != told.cend(); ++it)
            qInfo("refused %d times with: %s", it.value(), qPrintable(it.key()));
    }

private:
    // Transactions a node failed at certification or aborted for a replicated
    // change: each ended in error 1213 for its program.
    long long certificationConflictsOn(int node) const
    {
        long long sum = 0;
        for (const QStringList &row :
             m_cluster->rows(node, QStringLiteral("SHOW GLOBAL STATUS WHERE Variable_name IN "
                                                  "('wsrep_local_cert_failures', 'wsrep_local_bf_aborts')")))
            sum += row.value(1).toLongLong();
        return sum;
    }
    long long certificationConflicts() const
    {
        return certificationConflictsOn(1) + certificationConflictsOn(2) + certificationConflictsOn(3);
    }
    int nodeWithMostProgramSessions() const
    {
        int best = 1;
        int most = -1;
        for (int node = 1; node <= 3; ++node) {
            const int sessions = m_cluster
                                     ->value(node, QStringLiteral("SELECT COUNT(*) FROM information_schema.PROCESSLIST "
                                                                  "WHERE USER = 'twbusiness'"))
                                     .toInt();
            if (sessions > most) {
                best = node;
                most = sessions;
            }
        }
        return best;
    }

    std::unique_ptr<LoopbackCluster> m_cluster;
};

QTEST_MAIN(TestCluster)
#include "TestCluster.moc"
