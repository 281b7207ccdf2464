#include "LocalHttpServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

LocalHttpServer::LocalHttpServer() : m_port(freePort())
{
    QDir().mkpath(folder());
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start(QStringLiteral("python3"),
                    {QStringLiteral("-m"), QStringLiteral("http.server"), QString::number(m_port),
                     QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QStringLiteral("--directory"),
                     m_root.path()});
    if (!m_process.waitForStarted())
        return;
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(50)) {
        QTcpSocket probe;
        probe.connectToHost(QStringLiteral("127.0.0.1"), m_port);
        if (probe.waitForConnected(200)) {
            m_running = true;
            return;
        }
    }
}

LocalHttpServer::~LocalHttpServer()
{
    m_process.kill();
    m_process.waitForFinished();
}

QString LocalHttpServer::address() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_port); }

QString LocalHttpServer::folder() const { return m_root.path() + QStringLiteral("/download/자동업데이트_v1"); }

void LocalHttpServer::publish(const QString &name, const QByteArray &content) const
{
    QFile file(folder() + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

void LocalHttpServer::withdraw(const QString &name) const { QFile::remove(folder() + QLatin1Char('/') + name); }

void LocalHttpServer::withdrawAll() const
{
    QDir(folder()).removeRecursively();
    QDir().mkpath(folder());
}

QString LocalHttpServer::deadAddress() { return QStringLiteral("http://127.0.0.1:%1/").arg(freePort()); }

quint16 LocalHttpServer::freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
