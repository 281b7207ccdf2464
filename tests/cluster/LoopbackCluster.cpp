#include "LoopbackCluster.h"

#include <mysql.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
// The cluster's scripts and schema, copied into a folder closed to other
// users, as a checkout in a home folder is: the nodes and the balancer, which
// run as their own user when the test runs as root, must need nothing from it.
QString copyCheckoutPart(const QString &closedFolder)
{
    const QDir source(QStringLiteral(QD_SOURCE_DIR));
    for (const QString &name : {QStringLiteral("scripts/cluster"), QStringLiteral("scripts/common.sh"),
                                QStringLiteral("scripts/galera-check")}) {
        QDir(closedFolder).mkpath(QFileInfo(closedFolder + QLatin1Char('/') + name).path());
        if (!QFile::copy(source.filePath(name), closedFolder + QLatin1Char('/') + name))
            qFatal("cannot copy %s", qPrintable(name));
    }
    QDir(closedFolder).mkpath(QStringLiteral("schema"));
    for (const QFileInfo &sql :
         QDir(source.filePath(QStringLiteral("schema"))).entryInfoList({QStringLiteral("0*.sql")}))
        QFile::copy(sql.filePath(), closedFolder + QStringLiteral("/schema/") + sql.fileName());
    return closedFolder + QStringLiteral("/scripts/cluster");
}
} // namespace

QString LoopbackCluster::missingPart()
{
    if (!QFile::exists(QStringLiteral("/usr/lib/galera/libgalera_smm.so")))
        return QStringLiteral("the Galera provider is not installed (scripts/deps installs it)");
    if (QStandardPaths::findExecutable(QStringLiteral("haproxy"),
                                       {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")})
            .isEmpty())
        return QStringLiteral("HAProxy is not installed (scripts/deps installs it)");
    return {};
}

LoopbackCluster::LoopbackCluster()
    : m_temporary(QDir::tempPath() + QStringLiteral("/quotadesk-cluster.XXXXXX")),
      m_folder(qEnvironmentVariableIsSet("QD_TEST_CLUSTER_DIR") ? qEnvironmentVariable("QD_TEST_CLUSTER_DIR")
                                                                : m_temporary.path())
{
    if (m_folder.isEmpty() || !m_checkout.isValid())
        qFatal("no folder for the cluster");
    m_script = copyCheckoutPart(m_checkout.path());
    run({QStringLiteral("start")});
    QFile env(file(QStringLiteral("cluster.env")));
    if (!env.open(QIODevice::ReadOnly))
        qFatal("the cluster wrote no cluster.env");
    for (const QByteArray &line : env.readAll().split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            m_env.insert(QString::fromLatin1(line.left(eq)), QString::fromLatin1(line.mid(eq + 1)));
    }
}

LoopbackCluster::~LoopbackCluster() { run({QStringLiteral("stop")}); }

QString LoopbackCluster::nodeAddress(int node) const
{
    return QStringLiteral("127.0.0.1:") + m_env.value(QStringLiteral("QD_NODE%1_PORT").arg(node));
}

QString LoopbackCluster::nodeSocket(int node) const { return file(QStringLiteral("node%1/mysqld.sock").arg(node)); }

QList<int> LoopbackCluster::ports() const
{
    QList<int> all;
    for (auto setting = m_env.cbegin(); setting != m_env.cend(); ++setting) {
        if (setting.key() != QLatin1String("QD_CLUSTER_ADDRESS"))
            all << setting.value().toInt();
    }
    return all;
}

QString LoopbackCluster::balancerSocket() const { return file(QStringLiteral("haproxy/haproxy.sock")); }

void LoopbackCluster::startMissing()
{
    for (int node = 1; node <= 3; ++node)
        balancerCommand(QStringLiteral("set server quotadesk/node%1 state ready").arg(node));
    run({QStringLiteral("start")});
}

void LoopbackCluster::kill(int node) { run({QStringLiteral("kill"), QString::number(node)}); }

void LoopbackCluster::restart(int node) { run({QStringLiteral("restart"), QString::number(node)}); }

void LoopbackCluster::waitAllUp() { run({QStringLiteral("wait")}); }

void LoopbackCluster::balancerCommand(const QString &command)
{
    const QByteArray path = balancerSocket().toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        qFatal("balancer socket %s: %s", path.constData(), std::strerror(errno));
    const QByteArray line = command.toLatin1() + '\n';
    const bool sent = write(fd, line.constData(), static_cast<size_t>(line.size())) == line.size();
    char answer[4096];
    while (read(fd, answer, sizeof answer) > 0) {
    }
    close(fd);
    if (!sent)
        qFatal("balancer socket: the command was not sent");
}

// Runs one step of the cluster script; its output when it failed or did not
// end in time, nothing when it succeeded.
std::optional<QByteArray> LoopbackCluster::failureOf(const QStringList &arguments) const
{
    QProcess script;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CLUSTER_DIR"), m_folder);
    script.setProcessEnvironment(env);
    script.setProcessChannelMode(QProcess::MergedChannels);
    script.start(m_script, arguments);
    const bool ended = script.waitForFinished(300000);
    if (ended && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0)
        return std::nullopt;
    if (!ended) {
        script.kill();
        script.waitForFinished();
    }
    return "scripts/cluster " + arguments.join(QLatin1Char(' ')).toLocal8Bit()
           + (ended ? QByteArray(" failed:\n") : QByteArray(" did not end within 300 s:\n")) + script.readAll();
}

// A failed step ends the test run with the step's own output; stopping the
// cluster afterwards may fail too, and its output then follows.
void LoopbackCluster::run(const QStringList &arguments) const
{
    std::optional<QByteArray> failure = failureOf(arguments);
    if (!failure)
        return;
    if (arguments.first() != QLatin1String("stop"))
        failure->append(failureOf({QStringLiteral("stop")}).value_or(QByteArray()));
    qFatal("%s", failure->constData());
}

QList<QStringList> LoopbackCluster::rows(int node, const QString &sql) const
{
    MYSQL *mysql = mysql_init(nullptr);
    mysql_options(mysql, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    const QByteArray socket = nodeSocket(node).toLocal8Bit();
    const QByteArray utf8 = sql.toUtf8();
    QList<QStringList> out;
    if (!mysql_real_connect(mysql, nullptr, "root", "", "businesslog", 0, socket.constData(), 0)
        || mysql_real_query(mysql, utf8.constData(), utf8.size()) != 0) {
        const QByteArray message =
            QStringLiteral("node %1: %2 in %3").arg(node).arg(QString::fromUtf8(mysql_error(mysql)), sql).toUtf8();
        mysql_close(mysql);
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        return out;
    }
    if (MYSQL_RES *res = mysql_store_result(mysql)) {
        const unsigned n = mysql_num_fields(res);
        while (MYSQL_ROW row = mysql_fetch_row(res)) {
            QStringList values;
            for (unsigned i = 0; i < n; ++i)
                values << (row[i] ? QString::fromUtf8(row[i]) : QString());
            out << values;
        }
        mysql_free_result(res);
    }
    mysql_close(mysql);
    return out;
}

QString LoopbackCluster::value(int node, const QString &sql) const
{
    const QList<QStringList> all = rows(node, sql);
    return all.isEmpty() || all.first().isEmpty() ? QString() : all.first().first();
}

QString LoopbackCluster::checksum(int node) const
{
    QStringList sums;
    for (const QStringList &row : rows(node, QStringLiteral("CHECKSUM TABLE emailuser, emaillog EXTENDED")))
        sums << row.value(1);
    return sums.join(QLatin1Char(' '));
}
