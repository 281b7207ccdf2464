#pragma once
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A download server for one test: python's http.server on a free loopback port,
// serving a temporary folder. Files are published in the updater's download
// folder "download/자동업데이트_v1/".
class LocalHttpServer {
public:
    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    bool isRunning() const { return m_running; }
    QString address() const; // "http://127.0.0.1:<port>/"
    void publish(const QString &name, const QByteArray &content) const;
    void withdraw(const QString &name) const;
    void withdrawAll() const;

    // An address on which nothing listens.
    static QString deadAddress();

private:
    static quint16 freePort();
    QString folder() const;

    QTemporaryDir m_root;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_running = false;
};
