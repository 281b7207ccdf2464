#pragma once
#include <QByteArray>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

// A loopback TCP proxy in front of the test server, on its own thread (the
// program's database calls block the test's thread). It can hide the server's
// offer of TLS from the client, as a server without TLS (or a man in the
// middle) would, and can drop both connections at a COMMIT: instead of passing
// it on, once it has passed on (before the server's answer), or after the
// answer (which then never arrives). It can refuse new connections, as a
// server that is down would.
// Everything the clients sent is kept, to see what crossed in clear.
class CuttingProxy {
public:
    enum class Cut { Never, InsteadOfCommit, BeforeAnswer, AfterAnswer };

    explicit CuttingProxy(const QString &serverAddress);
    ~CuttingProxy();
    CuttingProxy(const CuttingProxy &) = delete;
    CuttingProxy &operator=(const CuttingProxy &) = delete;

    QString address() const; // "127.0.0.1:<port>"
    void hideTls(bool hide) { m_hideTls = hide; }
    // Applies to the next COMMIT only.
    void cutAtCommit(Cut when) { m_cut = when; }
    bool cutDone() const { return m_cutDone; }
    void refuseConnections(bool refuse) { m_refuse = refuse; }
    QByteArray clientBytes() const;

private:
    struct Pair;
    void serve();
    bool pass(Pair &pair, bool fromClient);
    void hideTlsOffer(QByteArray &greeting) const;

    int m_listener = -1;
    int m_wake[2] = {-1, -1};
    unsigned short m_port = 0;
    QString m_serverHost;
    unsigned short m_serverPort = 0;
    std::atomic<bool> m_hideTls{false};
    std::atomic<Cut> m_cut{Cut::Never};
    std::atomic<bool> m_cutDone{false};
    std::atomic<bool> m_refuse{false};
    mutable std::mutex m_sentMutex;
    QByteArray m_sent;
    std::thread m_thread;
};
