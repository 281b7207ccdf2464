#include "TestServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <csignal>

QStringList TestServer::s_commandLine;

namespace {
qint64 serverPid(const QString &folder)
{
    QFile file(folder + QStringLiteral("/mysqld.pid"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
}

QStringList commandLineOf(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList args;
    for (const QByteArray &arg : file.readAll().split('\0'))
        if (!arg.isEmpty())
            args << QString::fromLocal8Bit(arg);
    return args;
}

bool running(qint64 pid) { return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0; }

void silence(QProcess &process)
{
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
}

int admin(const QString &folder, const QString &command)
{
    QProcess process;
    silence(process);
    process.start(QStringLiteral("mariadb-admin"),
                  {QStringLiteral("--no-defaults"),
                   QStringLiteral("--socket=") + folder + QStringLiteral("/mysqld.sock"), QStringLiteral("-uroot"),
                   command});
    process.waitForFinished(60000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
} // namespace

QString TestServer::folder() { return qEnvironmentVariable("QD_TEST_DB_FOLDER"); }

// The restart needs the server's command line, read where Linux keeps it.
bool TestServer::available() { return !folder().isEmpty() && !commandLineOf(serverPid(folder())).isEmpty(); }

bool TestServer::answers() { return admin(folder(), QStringLiteral("ping")) == 0; }

void TestServer::stop()
{
    const qint64 pid = serverPid(folder());
    s_commandLine = commandLineOf(pid);
    if (s_commandLine.isEmpty())
        qFatal("test server: no command line for process %lld", pid);
    admin(folder(), QStringLiteral("shutdown"));
    for (int i = 0; i < 300 && running(pid); ++i)
        QThread::msleep(100);
    if (running(pid))
        qFatal("test server: still running after shutdown");
}

void TestServer::start()
{
    QProcess server;
    silence(server);
    server.setProgram(s_commandLine.first());
    server.setArguments(s_commandLine.mid(1));
    if (!server.startDetached())
        qFatal("test server: could not start %s", qPrintable(s_commandLine.first()));
    for (int i = 0; i < 300 && !answers(); ++i)
        QThread::msleep(100);
    if (!answers())
        qFatal("test server: not answering after a restart");
}
