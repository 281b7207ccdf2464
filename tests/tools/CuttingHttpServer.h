#pragma once
#include <QHash>
#include <QObject>
#include <QTcpServer>

// A loopback HTTP server in the test's own event loop that can announce more
// bytes than it sends and then drop the connection: a download broken off.
class CuttingHttpServer : public QObject {
    Q_OBJECT
public:
    CuttingHttpServer();

    QString address() const; // "http://127.0.0.1:<port>/"
    // Serves content under any path ending in name, announcing `announced`
    // bytes (-1: the content's size); unknown names get 404.
    void serve(const QString &name, const QByteArray &content, qint64 announced = -1);

private:
    struct Resource {
        QByteArray content;
        qint64 announced;
    };
    void answer(class QTcpSocket *socket);

    QTcpServer m_server;
    QHash<QString, Resource> m_resources;
};
