// The price of a top-up's token row on the single server: the top-up as the
// program writes it against the same transaction without the token row, in
// turns in one program. Then top-ups per second on the cluster against the
// single server, in the same run: one program alone, then two programs topping up one customer side by
// side, each program a process of its own saving through the real top-up
// window. On the cluster the two programs sit on different nodes (the
// balancer spreads them), so their commits collide (error 1213); the figure
// counts those collisions from the nodes' own counters.
// Needs QD_TEST_DB (the single server), QD_CLUSTER_DB (the balancer) and
// QD_CLUSTER_NODES (the nodes, "host:port,host:port,..."); scripts/bench
// starts the cluster and sets them.
#include "BenchFigures.h"
#include "BenchFolder.h"
#include "DBErrorBox.h"
#include "FrmFill_Save.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "Launcher.h"
#include "LoginValues.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "ShellUtils.h"
#include "TopUpTransaction.h"
#include "WindowParts.h"
#include "modMySQL_Func.h"

#include <mysql.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>

#include <cstdio>

namespace {

constexpr int TopUps = 300; // per program and round
constexpr int Rounds = 2;
// A commit on the cluster waits for the other nodes; on loopback a saved
// top-up may take this many times as long as on one server.
constexpr double MostTimesSlower = 6.0;
// The token row's insert may make a saved top-up this much slower.
constexpr double MostTokenCost = 1.2;
constexpr int TokenTopUps = 200; // per kind and round
constexpr int TokenRounds = 5;

// A bare client-library connection to one address.
class Session {
public:
    explicit Session(const QString &address)
    {
        const qsizetype colon = address.lastIndexOf(QLatin1Char(':'));
        m_mysql = mysql_init(nullptr);
        if (!mysql_real_connect(m_mysql, address.left(colon).toLatin1().constData(), "twbusiness", "kpvr5820",
                                "businesslog", address.mid(colon + 1).toUInt(), nullptr, 0)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(address), mysql_error(m_mysql));
            std::exit(1);
        }
    }
    ~Session() { mysql_close(m_mysql); }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    QString value(const char *sql)
    {
        if (mysql_query(m_mysql, sql) != 0) {
            std::fprintf(stderr, "%s: %s\n", sql, mysql_error(m_mysql));
            std::exit(1);
        }
        MYSQL_RES *result = mysql_store_result(m_mysql);
        QString out;
        if (result) {
            const MYSQL_ROW row = mysql_fetch_row(result);
            if (row && mysql_num_fields(result) > 0)
                out = QString::fromUtf8(row[mysql_num_fields(result) - 1]);
            mysql_free_result(result);
        }
        return out;
    }
    unsigned long long insertId() { return mysql_insert_id(m_mysql); }

private:
    MYSQL *m_mysql = nullptr;
};

// One program: top-ups of one customer through the top-up window.
int runProgram(const QStringList &args)
{
    BenchFolder folder;
    QFile notice(ProgramFolder::file(ProgramFolder::programFileName(QStringLiteral("FloatMsg"))));
    notice.open(QIODevice::WriteOnly);
    Launcher::setHandler([](const LaunchRequest &) { return true; });
    int told = 0;
    MessageBoxes::setHandler([&told](const MessageRequest &) {
        ++told;
        return MsgOk;
    });
    g_sAppTitle = QStringLiteral("Quotadesk");
    g_sOperID = args.at(4);
    g_sOperName = args.at(4);
    if (!DBInit(args.at(2), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"), QStringLiteral("businesslog"),
                QString(), true, ShowDBError))
        return 1;
    const int code = args.at(3).toInt();
    int saved = 0;
    FrmFill_Save fill;
    HCText *count = part<HCText>(fill, "htField", FrmFill_Save::FieldCount);
    HCText *memo = part<HCText>(fill, "htField", FrmFill_Save::FieldMemo);
    QPushButton *btnSave = part<QPushButton>(fill, "btnSave");
    for (int i = 0; i < TopUps; ++i) {
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
        fill.show();
        count->setText(QString::number(1 + i % 9));
        memo->setText(QStringLiteral("%1 #%2").arg(g_sOperID).arg(i));
        btnSave->click();
        if (!fill.isVisible())
            ++saved;
    }
    std::printf("%d %d\n", saved, told);
    g_DB[0].reset();
    return 0;
}

struct Round {
    double seconds = 0;
    int saved = 0;
    int refused = 0;
};

// Starts the given number of programs on one new customer and waits for them.
Round topUpSideBySide(const QString &address, int programs)
{
    static int customers = 0;
    Session session(address);
    session.value(QStringLiteral("INSERT INTO emailuser (userid, username, restcnt) VALUES ('bench%1', '측정', 0)")
                      .arg(++customers)
                      .toUtf8()
                      .constData());
    const QString code = QString::number(session.insertId());
    QElapsedTimer timer;
    timer.start();
    std::vector<std::unique_ptr<QProcess>> running;
    for (int p = 0; p < programs; ++p) {
        auto program = std::make_unique<QProcess>();
        program->start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--program"), address, code, QStringLiteral("op%1").arg(p)});
        running.push_back(std::move(program));
    }
    Round round;
    for (const auto &program : running) {
        program->waitForFinished(-1);
        const QList<QByteArray> figures = program->readAllStandardOutput().trimmed().split(' ');
        if (program->exitCode() != 0 || figures.size() != 2) {
            std::fprintf(stderr, "a program ended badly: %s\n", program->readAllStandardError().constData());
            std::exit(1);
        }
        round.saved += figures.at(0).toInt();
    }
    round.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    round.refused = programs * TopUps - round.saved;
    return round;
}

// Certification failures and aborts for a replicated change, over every node:
// each one reached a program as error 1213.
long long collisions(const QStringList &nodes)
{
    long long sum = 0;
    for (const QString &node : nodes) {
        Session session(node);
        sum += session.value("SHOW GLOBAL STATUS LIKE 'wsrep_local_cert_failures'").toLongLong();
        sum += session.value("SHOW GLOBAL STATUS LIKE 'wsrep_local_bf_aborts'").toLongLong();
    }
    return sum;
}

// Sets innodb_flush_log_at_trx_commit on the bench server, as its
// administrator through its socket; false when that cannot be done.
bool setCommitFlush(int mode)
{
    const QByteArray socket = qgetenv("QD_TEST_DB_SOCKET");
    MYSQL *root = mysql_init(nullptr);
    const bool set =
        !socket.isEmpty() && mysql_real_connect(root, nullptr, "root", nullptr, nullptr, 0, socket.constData(), 0)
        && mysql_query(
               root,
               QByteArray("SET GLOBAL innodb_flush_log_at_trx_commit = ").append(QByteArray::number(mode)).constData())
               == 0;
    mysql_close(root);
    return set;
}

// Seconds for n top-ups of one kind on the program's connection.
template <typename TopUp> double timeTopUps(TopUp topUp)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < TokenTopUps; ++i)
        topUp(i);
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void tokenCost(const QString &single)
{
    BenchFolder folder;
    if (!DBInit(single, QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"), QStringLiteral("businesslog"),
                QString(), false, ShowDBError))
        std::exit(1);
    Session session(single);
    session.value(QStringLiteral("INSERT INTO emailuser (userid, username, restcnt) VALUES ('token%1', '측정', 0)")
                      .arg(QCoreApplication::applicationPid())
                      .toUtf8()
                      .constData());
    const QString code = QString::number(session.insertId());
    const auto entry = [&code](int i) {
        return TopUpEntry{QStringLiteral("2011-05-23"),
                          QStringLiteral("14:25"),
                          QStringLiteral("0"),
                          QString::number(1 + i % 9),
                          code,
                          QStringLiteral("bench"),
                          QStringLiteral("측정"),
                          QStringLiteral("bench #%1").arg(i)};
    };
    const auto withoutToken = [&entry](int i) {
        const TopUpEntry e = entry(i);
        DBTransaction transaction;
        DBExecute(QStringLiteral("INSERT INTO emaillog (regdate, regtime, gubun, inprice, appcnt, ucode, recuserid, "
                                 "recusername, bigo) VALUES ( '%1', '%2', 1, %3, %4, %5, '%6', '%7', '%8')")
                      .arg(e.date, e.time, e.amount, e.count, e.key, e.operatorId, e.operatorName, e.memo));
        DBExecute(QStringLiteral("UPDATE emailuser SET restcnt = restcnt + %1 WHERE code = %2").arg(e.count, e.key));
        transaction.commit();
    };
    const auto withToken = [&entry](int i) { TopUpTransaction().write(entry(i)); };
    const auto medianRatio = [&] {
        std::vector<double> ratios;
        for (int r = 0; r < TokenRounds; ++r)
            ratios.push_back(timeTopUps(withToken) / timeTopUps(withoutToken));
        return BenchFigures::median(ratios);
    };
    std::printf("-- one server, one program, %d top-ups of each kind in turns, %d rounds\n", TokenTopUps, TokenRounds);
    // The test server skips the disk flush at commit; a deployed server
    // flushes every commit, as the server's default does, and that is where
    // the target applies. Without the flush the extra round trip is nearly
    // the whole cost of a top-up (five statements instead of four).
    const double unflushed = medianRatio();
    if (setCommitFlush(1)) {
        BenchFigures::printRatio("time per top-up, with its token row / without (commits flushed)", medianRatio(),
                                 MostTokenCost);
        setCommitFlush(2);
    }
    BenchFigures::print("time per top-up, with its token row / without (commits not flushed)", unflushed, "");
    g_DB[0].reset();
}

void compare(int programs, const QString &single, const QString &cluster, const QStringList &nodes)
{
    std::vector<double> singleRates;
    std::vector<double> clusterRates;
    int refused = 0;
    const long long collisionsBefore = collisions(nodes);
    for (int r = 0; r < Rounds; ++r) {
        const Round one = topUpSideBySide(single, programs);
        const Round many = topUpSideBySide(cluster, programs);
        singleRates.push_back(one.saved / one.seconds);
        clusterRates.push_back(many.saved / many.seconds);
        refused += many.refused;
    }
    const double singleRate = BenchFigures::median(singleRates);
    const double clusterRate = BenchFigures::median(clusterRates);
    std::printf("-- %d program(s), %d top-ups each, %d rounds\n", programs, TopUps, Rounds);
    BenchFigures::print("single server: saved top-ups per second", singleRate, "/s");
    BenchFigures::print("cluster: saved top-ups per second", clusterRate, "/s");
    BenchFigures::printRatio("time per saved top-up, cluster / single server", singleRate / clusterRate,
                             MostTimesSlower);
    BenchFigures::printCount("cluster: collisions at commit (1213)", collisions(nodes) - collisionsBefore, "");
    BenchFigures::printCount("cluster: top-ups refused", refused, "");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("--program"))
        return runProgram(args);

    const QString single = qEnvironmentVariable("QD_TEST_DB");
    const QString cluster = qEnvironmentVariable("QD_CLUSTER_DB");
    const QStringList nodes = qEnvironmentVariable("QD_CLUSTER_NODES").split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (single.isEmpty()) {
        std::printf("bench_cluster: skipped, QD_TEST_DB is needed (run scripts/bench)\n");
        return 0;
    }
    tokenCost(single);
    if (cluster.isEmpty() || nodes.isEmpty()) {
        std::printf(
            "bench_cluster: cluster skipped, QD_CLUSTER_DB and QD_CLUSTER_NODES are needed (run scripts/bench)\n");
        return 0;
    }
    compare(1, single, cluster, nodes);
    compare(2, single, cluster, nodes);
    return 0;
}
