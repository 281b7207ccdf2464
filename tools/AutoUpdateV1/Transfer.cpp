#include "Transfer.h"

#include <QNetworkProxyFactory>
#include <QNetworkReply>

namespace {
constexpr int kStallTimeoutMs = 15000;

QNetworkRequest freshRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray("Quotadesk AutoUpdateV1/1.0"));
    request.setTransferTimeout(kStallTimeoutMs);
    return request;
}
} // namespace

Transfer::Transfer(const QUrl &url, QIODevice *sink, qint64 limit) : m_sink(sink), m_limit(limit)
{
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    m_reply.reset(m_manager.get(freshRequest(url)));
    connect(m_reply.get(), &QNetworkReply::readyRead, this, &Transfer::store);
    connect(m_reply.get(), &QNetworkReply::downloadProgress, this, &Transfer::progress);
    connect(m_reply.get(), &QNetworkReply::finished, &m_loop, &QEventLoop::quit);
}

Transfer::~Transfer()
{
    if (m_reply->isRunning())
        m_reply->abort();
}

bool Transfer::run()
{
    if (!m_reply->isFinished() && !(m_limit >= 0 && m_received >= m_limit))
        m_loop.exec();
    store();
    return succeeded();
}

void Transfer::cancel()
{
    m_failed = true;
    m_reply->abort();
}

void Transfer::store()
{
    const qint64 wanted = m_limit < 0 ? m_reply->bytesAvailable() : m_limit - m_received;
    const QByteArray chunk = m_reply->read(qMax<qint64>(0, wanted));
    m_received += chunk.size();
    if (m_sink->write(chunk) != chunk.size())
        cancel();
    else if (m_limit >= 0 && m_received >= m_limit)
        m_loop.quit();
}

bool Transfer::succeeded() const
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (m_failed || (status.isValid() && status.toInt() >= 300))
        return false;
    if (m_limit >= 0 && m_received >= m_limit)
        return true; // the part asked for is here; the rest does not matter
    if (m_reply->error() != QNetworkReply::NoError || !m_reply->isFinished())
        return false;
    const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
    return !announced.isValid() || announced.toLongLong() == m_received;
}
