#include "CuttingHttpServer.h"

#include <QTcpSocket>
#include <QUrl>

CuttingHttpServer::CuttingHttpServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString CuttingHttpServer::address() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort()); }

void CuttingHttpServer::serve(const QString &name, const QByteArray &content, qint64 announced)
{
    m_resources.insert(name, Resource{content, announced < 0 ? content.size() : announced});
}

void CuttingHttpServer::answer(QTcpSocket *socket)
{
    const QByteArray request = socket->readAll();
    if (!request.contains("\r\n\r\n"))
        return; // the rest of the request is still coming
    const QByteArray path = request.split(' ').value(1);
    const QString name = QUrl::fromPercentEncoding(path.mid(path.lastIndexOf('/') + 1));
    const auto found = m_resources.constFind(name);
    if (found == m_resources.constEnd()) {
        socket->write("HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n");
    } else {
        socket->write("HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(found->announced) + "\r\n\r\n"
                      + found->content);
    }
    socket->disconnectFromHost();
}
