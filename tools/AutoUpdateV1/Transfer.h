#pragma once
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>
#include <memory>

class QIODevice;
class QNetworkReply;

// One download from the update server into a device, always fetched from the
// server (no cache). run() blocks on a local event loop, so a progress window
// stays live; a stalled transfer ends after a while instead of hanging.
class Transfer : public QObject {
    Q_OBJECT
public:
    // limit: stop after this many bytes (-1: the whole resource).
    Transfer(const QUrl &url, QIODevice *sink, qint64 limit = -1);
    ~Transfer() override;

    // True when the resource (or the first limit bytes) arrived completely and
    // in the size the server announced.
    bool run();
    void cancel();
    qint64 received() const { return m_received; }

signals:
    void progress(qint64 received, qint64 total);

private:
    void store();
    bool succeeded() const;

    QNetworkAccessManager m_manager;
    std::unique_ptr<QNetworkReply> m_reply;
    QIODevice *m_sink;
    qint64 m_limit;
    qint64 m_received = 0;
    bool m_failed = false;
    QEventLoop m_loop;
};
