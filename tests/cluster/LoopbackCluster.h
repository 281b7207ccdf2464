#pragma once
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// A three-node cluster behind its balancer, run by a copy of scripts/cluster
// in a folder closed to other users for the life of the object, in the folder QD_TEST_CLUSTER_DIR names (scripts/test
// stops whatever runs there when it ends, even after a crash) or else in a
// private temporary folder. Root reaches each node through the node's own
// socket; the program goes through the balancer.
class LoopbackCluster {
public:
    // Empty when the cluster can run here, else why not.
    static QString missingPart();

    LoopbackCluster();  // starts the cluster; fails the test run when it cannot
    ~LoopbackCluster(); // stops every process it started

    QString address() const { return m_env.value(QStringLiteral("QD_CLUSTER_ADDRESS")); }
    QString nodeAddress(int node) const;
    QString nodeSocket(int node) const;
    QString balancerSocket() const;
    // Every TCP port the cluster's processes listen on, some of them only
    // while a node joins.
    QList<int> ports() const;

    // Starts whatever does not run (after a test that failed half-way).
    void startMissing();
    void kill(int node);
    void restart(int node);
    // Waits until every node runs, is synced and is up in the balancer.
    void waitAllUp();
    // Runs a balancer admin command, e.g. "set server quotadesk/node2 state maint".
    void balancerCommand(const QString &command);

    // A statement as root on one node (UTF-8); an error fails the current test.
    QList<QStringList> rows(int node, const QString &sql) const;
    QString value(int node, const QString &sql) const;
    // CHECKSUM TABLE of the program's changing tables on one node.
    QString checksum(int node) const;

private:
    std::optional<QByteArray> failureOf(const QStringList &arguments) const;
    void run(const QStringList &arguments) const;
    QString file(const QString &name) const { return m_folder + QLatin1Char('/') + name; }

    QTemporaryDir m_temporary;
    QTemporaryDir m_checkout; // closed to other users, as QTemporaryDir makes it
    QString m_script;
    QString m_folder;
    QMap<QString, QString> m_env;
};
