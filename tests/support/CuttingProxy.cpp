#include "CuttingProxy.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
constexpr quint16 ClientSsl = 0x0800; // capability bit: the server speaks TLS
constexpr char ComQuery = 0x03;

bool bindAndConnect(int fd, const sockaddr *address, socklen_t length, unsigned short sourcePort)
{
    if (sourcePort != 0) {
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in source{};
        source.sin_family = AF_INET;
        source.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        source.sin_port = htons(sourcePort);
        if (::bind(fd, reinterpret_cast<sockaddr *>(&source), sizeof source) != 0)
            return false;
    }
    return ::connect(fd, address, length) == 0;
}

sockaddr_un socketAddress(const QString &path)
{
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::strncpy(addr.sun_path, bytes.constData(), sizeof addr.sun_path - 1);
    return addr;
}

bool sendAll(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::send(fd, data.constData() + done, static_cast<size_t>(data.size() - done), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QByteArray packet(const QByteArray &payload, char sequence)
{
    const auto n = static_cast<quint32>(payload.size());
    QByteArray out;
    out.append(static_cast<char>(n & 0xff)).append(static_cast<char>((n >> 8) & 0xff));
    out.append(static_cast<char>((n >> 16) & 0xff)).append(sequence);
    return out + payload;
}

QByteArray errorPacket(unsigned short error)
{
    QByteArray payload("\xff", 1);
    payload.append(static_cast<char>(error & 0xff)).append(static_cast<char>(error >> 8));
    payload.append("#HY000").append("error made by the test proxy");
    return packet(payload, 1);
}
} // namespace

struct CuttingProxy::Trap {
    Cut cut = Cut::Never;
    bool fails = false;
    Fail fail = Fail::InsteadOf;
    unsigned short error = 0;
    bool active() const { return cut != Cut::Never || fails; }
};

struct CuttingProxy::Pair {
    int client = -1;
    int server = -1;
    bool greeted = false;
    Trap awaitingAnswer; // a trap that acts on the server's answer
    bool open() const { return client >= 0 || server >= 0; }
    // The server's side is reset, not closed in order: its address and port
    // are free again at once for a connection from the same port.
    void close()
    {
        if (client >= 0)
            ::close(client);
        const linger reset{1, 0};
        ::setsockopt(server, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        ::close(server);
        client = server = -1;
    }
};

CuttingProxy::CuttingProxy(const QString &serverAddress)
{
    if (serverAddress.startsWith(QLatin1Char('/'))) {
        m_serverHost = serverAddress;
        QByteArray folder = QDir::tempPath().toLocal8Bit() + "/cutting-proxy.XXXXXX";
        if (!::mkdtemp(folder.data()))
            qFatal("cutting proxy: no folder for its socket");
        m_socketFolder = QString::fromLocal8Bit(folder);
        m_address = m_socketFolder + QStringLiteral("/proxy.sock");
        m_listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un addr = socketAddress(m_address);
        if (::bind(m_listener, reinterpret_cast<const sockaddr *>(&addr), sizeof addr) != 0)
            qFatal("cutting proxy: cannot bind its socket");
    } else {
        const qsizetype colon = serverAddress.lastIndexOf(QLatin1Char(':'));
        m_serverHost = serverAddress.left(colon);
        m_serverPort = serverAddress.mid(colon + 1).toUShort();
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof addr;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&addr), length) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&addr), &length) != 0)
            qFatal("cutting proxy: cannot bind");
        m_address = QStringLiteral("127.0.0.1:%1").arg(ntohs(addr.sin_port));
    }
    if (::listen(m_listener, 16) != 0 || ::pipe(m_wake) != 0)
        qFatal("cutting proxy: cannot listen");
    m_thread = std::thread([this] { serve(); });
}

CuttingProxy::~CuttingProxy()
{
    const char stop = 0;
    if (::write(m_wake[1], &stop, 1) != 1)
        qWarning("cutting proxy: cannot wake its thread");
    m_thread.join();
    ::close(m_listener);
    ::close(m_wake[0]);
    ::close(m_wake[1]);
    if (!m_socketFolder.isEmpty())
        QDir(m_socketFolder).removeRecursively();
}

QString CuttingProxy::address() const { return m_address; }

void CuttingProxy::presentVersion(const QByteArray &version)
{
    std::lock_guard lock(m_mutex);
    m_version = version;
}

void CuttingProxy::cutAt(const QByteArray &statementStart, Cut when)
{
    std::lock_guard lock(m_mutex);
    m_trapStart = statementStart;
    m_cut = when;
    m_fails = false;
    m_cutDone = false;
}

void CuttingProxy::failAt(const QByteArray &statementStart, unsigned short error, Fail how)
{
    std::lock_guard lock(m_mutex);
    m_trapStart = statementStart;
    m_cut = Cut::Never;
    m_fails = true;
    m_fail = how;
    m_failError = error;
    m_cutDone = false;
}

void CuttingProxy::afterCut(std::function<void()> action)
{
    std::lock_guard lock(m_mutex);
    m_afterCut = std::move(action);
}

QByteArray CuttingProxy::clientBytes() const
{
    std::lock_guard lock(m_mutex);
    return m_sent;
}

int CuttingProxy::connectToServer()
{
    if (m_serverPort == 0) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un addr = socketAddress(m_serverHost);
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&addr), sizeof addr) == 0)
            return fd;
        ::close(fd);
        return -1;
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(m_serverPort);
    ::inet_pton(AF_INET, m_serverHost.toLatin1().constData(), &addr.sin_addr);
    if (!bindAndConnect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr, m_nextSourcePort.exchange(0))) {
        ::close(fd);
        return -1;
    }
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (::getsockname(fd, reinterpret_cast<sockaddr *>(&local), &length) == 0)
        m_lastSourcePort = ntohs(local.sin_port);
    return fd;
}

void CuttingProxy::serve()
{
    std::vector<Pair> pairs;
    for (;;) {
        std::vector<pollfd> fds{{m_wake[0], POLLIN, 0}, {m_listener, POLLIN, 0}};
        for (const Pair &p : pairs) {
            fds.push_back({p.client, POLLIN, 0}); // a negative descriptor is left out by poll
            fds.push_back({p.server, POLLIN, 0});
        }
        if (::poll(fds.data(), fds.size(), -1) < 0)
            continue;
        if (fds[0].revents)
            break;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            for (const bool fromClient : {true, false}) {
                const short events = fds[2 + 2 * i + (fromClient ? 0 : 1)].revents;
                if (pairs[i].open() && events && !pass(pairs[i], fromClient))
                    pairs[i].close();
            }
        }
        std::erase_if(pairs, [](const Pair &p) { return !p.open(); });
        if (m_cutDone) {
            std::function<void()> action;
            {
                std::lock_guard lock(m_mutex);
                action = std::exchange(m_afterCut, nullptr);
            }
            if (action)
                action();
        }
        if (fds[1].revents & POLLIN) {
            Pair pair;
            pair.client = ::accept(m_listener, nullptr, nullptr);
            pair.server = m_refuse ? -1 : connectToServer();
            if (pair.server < 0)
                ::close(pair.client);
            else
                pairs.push_back(pair);
        }
    }
    for (Pair &p : pairs)
        p.close();
}

// Forwards what one side sent; false when the pair is to be closed.
bool CuttingProxy::pass(Pair &pair, bool fromClient)
{
    char buffer[65536];
    const ssize_t n = ::recv(fromClient ? pair.client : pair.server, buffer, sizeof buffer, 0);
    if (n <= 0)
        return false;
    QByteArray data(buffer, n);
    if (fromClient)
        return passFromClient(pair, data);
    if (pair.client < 0)
        return false; // the answer to a statement whose client is gone
    if (!pair.greeted) {
        pair.greeted = true;
        greet(data);
    }
    const Trap waiting = std::exchange(pair.awaitingAnswer, Trap());
    if (waiting.active()) {
        // The server has answered; the client never hears that answer. The
        // cut is marked done before the client can see anything of it.
        m_cutDone = true;
        if (waiting.fails)
            sendAll(pair.client, errorPacket(waiting.error));
        return false;
    }
    return sendAll(pair.client, data);
}

bool CuttingProxy::passFromClient(Pair &pair, const QByteArray &data)
{
    {
        std::lock_guard lock(m_mutex);
        m_sent += data;
    }
    const Trap trap = takeTrap(data);
    if (trap.cut == Cut::InsteadOf) {
        m_cutDone = true;
        return false;
    }
    if (trap.fails && trap.fail != Fail::AfterAnswerAndClose) {
        m_cutDone = true;
        sendAll(pair.client, errorPacket(trap.error));
        return trap.fail == Fail::InsteadOf;
    }
    if (!sendAll(pair.server, data))
        return false;
    if (trap.cut == Cut::BeforeAnswer) {
        m_cutDone = true;
        return false;
    }
    if (trap.cut == Cut::LeaveServerWaiting) {
        m_cutDone = true;
        ::close(pair.client);
        pair.client = -1;
        return true;
    }
    if (trap.active())
        pair.awaitingAnswer = trap;
    return true;
}

// The trap set for this statement, if the data is the statement it waits for.
CuttingProxy::Trap CuttingProxy::takeTrap(const QByteArray &data)
{
    std::lock_guard lock(m_mutex);
    const bool isTheStatement = !m_trapStart.isEmpty() && data.size() > 5 && data[3] == 0 && data[4] == ComQuery
                                && data.mid(5).startsWith(m_trapStart);
    if (!isTheStatement)
        return Trap();
    Trap trap{m_cut, m_fails, m_fail, m_failError};
    m_trapStart.clear();
    m_cut = Cut::Never;
    m_fails = false;
    return trap;
}

// The greeting: header (4), protocol (1), server version up to its NUL, thread
// id (4), scramble (8), filler (1), then the low two bytes of the capabilities.
void CuttingProxy::greet(QByteArray &greeting) const
{
    const qsizetype versionEnd = greeting.indexOf('\0', 5);
    const qsizetype capabilities = versionEnd + 1 + 4 + 8 + 1;
    if (versionEnd < 0 || capabilities + 2 > greeting.size())
        return;
    if (m_hideTls) {
        auto flags = static_cast<quint16>(static_cast<quint8>(greeting[capabilities])
                                          | static_cast<quint8>(greeting[capabilities + 1]) << 8);
        flags = static_cast<quint16>(flags & ~ClientSsl);
        greeting[capabilities] = static_cast<char>(flags & 0xff);
        greeting[capabilities + 1] = static_cast<char>(flags >> 8);
    }
    std::lock_guard lock(m_mutex);
    if (m_version.isEmpty())
        return;
    const QByteArray payload = greeting.mid(4, 1) + m_version + greeting.mid(versionEnd);
    greeting = packet(payload, greeting[3]);
}
