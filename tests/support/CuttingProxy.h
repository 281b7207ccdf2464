#pragma once
#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// A loopback proxy in front of the test server, on its own thread (the
// program's database calls block the test's thread), over TCP or, for a
// server address that is a socket path, over a local socket of its own. It
// can hide the server's offer of TLS from the client, as a server without TLS
// (or a man in the middle) would, and can present another server version.
// At the next statement that starts with a given text it can drop both
// connections (instead of passing the statement on, once it has passed it on
// before the server's answer, or after the answer, which then never arrives)
// or the client's side only,
// or answer it with an error of its own. It can refuse new connections, as a
// server that is down would, and connect to the server from a chosen port.
// Everything the clients sent is kept, to see what crossed in clear.
class CuttingProxy {
public:
    // LeaveServerWaiting passes the statement on and drops the client's side
    // only, as a client's read timeout does: the server's session goes on.
    enum class Cut { Never, InsteadOf, BeforeAnswer, AfterAnswer, LeaveServerWaiting };
    enum class Fail { InsteadOf, InsteadOfAndClose, AfterAnswerAndClose };

    explicit CuttingProxy(const QString &serverAddress);
    ~CuttingProxy();
    CuttingProxy(const CuttingProxy &) = delete;
    CuttingProxy &operator=(const CuttingProxy &) = delete;

    // "127.0.0.1:<port>", or the path of the proxy's socket.
    QString address() const;
    void hideTls(bool hide) { m_hideTls = hide; }
    // The version the client reads in the server's greeting (empty: the server's own).
    void presentVersion(const QByteArray &version);
    // Each applies to the next statement starting with the text only.
    void cutAt(const QByteArray &statementStart, Cut when);
    void cutAtCommit(Cut when) { cutAt("COMMIT", when); }
    void failAt(const QByteArray &statementStart, unsigned short error, Fail how);
    bool cutDone() const { return m_cutDone; }
    // Runs on the proxy's thread once a cut has closed both connections.
    void afterCut(std::function<void()> action);
    void refuseConnections(bool refuse) { m_refuse = refuse; }
    // The local port of the newest connection to the server, and the port
    // the next one is to be made from (0: any).
    unsigned short lastSourcePort() const { return m_lastSourcePort; }
    void connectNextFrom(unsigned short port) { m_nextSourcePort = port; }
    QByteArray clientBytes() const;

private:
    struct Pair;
    struct Trap;
    void serve();
    int connectToServer();
    bool pass(Pair &pair, bool fromClient);
    bool passFromClient(Pair &pair, const QByteArray &data);
    void greet(QByteArray &greeting) const;
    Trap takeTrap(const QByteArray &data);

    int m_listener = -1;
    int m_wake[2] = {-1, -1};
    QString m_address;
    QString m_serverHost; // a host, or a socket path when m_serverPort is 0
    unsigned short m_serverPort = 0;
    std::atomic<bool> m_hideTls{false};
    std::atomic<bool> m_cutDone{false};
    std::atomic<bool> m_refuse{false};
    std::atomic<unsigned short> m_lastSourcePort{0};
    std::atomic<unsigned short> m_nextSourcePort{0};
    mutable std::mutex m_mutex; // guards what follows
    QByteArray m_version;
    QByteArray m_trapStart;
    Cut m_cut = Cut::Never;
    bool m_fails = false;
    Fail m_fail = Fail::InsteadOf;
    unsigned short m_failError = 0;
    std::function<void()> m_afterCut;
    QByteArray m_sent;
    QString m_socketFolder;
    std::thread m_thread;
};
