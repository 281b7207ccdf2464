#include "CuttingProxy.h"

#include <QtGlobal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace {
constexpr quint16 ClientSsl = 0x0800; // capability bit: the server speaks TLS
const QByteArray CommitPacket = QByteArray("\x07\x00\x00\x00\x03", 5) + "COMMIT";

int connectTo(const QString &host, unsigned short port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    ::inet_pton(AF_INET, host.toLatin1().constData(), &addr.sin_addr);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
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
} // namespace

struct CuttingProxy::Pair {
    int client = -1;
    int server = -1;
    bool greeted = false;
    bool awaitingCommitAnswer = false;
    bool open() const { return client >= 0; }
    void close()
    {
        ::close(client);
        ::close(server);
        client = server = -1;
    }
};

CuttingProxy::CuttingProxy(const QString &serverAddress)
{
    const qsizetype colon = serverAddress.lastIndexOf(QLatin1Char(':'));
    m_serverHost = serverAddress.left(colon);
    m_serverPort = serverAddress.mid(colon + 1).toUShort();
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof addr;
    if (::bind(m_listener, reinterpret_cast<sockaddr *>(&addr), length) != 0 || ::listen(m_listener, 16) != 0
        || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&addr), &length) != 0 || ::pipe(m_wake) != 0)
        qFatal("cutting proxy: cannot listen");
    m_port = ntohs(addr.sin_port);
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
}

QString CuttingProxy::address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

QByteArray CuttingProxy::clientBytes() const
{
    std::lock_guard lock(m_sentMutex);
    return m_sent;
}

void CuttingProxy::serve()
{
    std::vector<Pair> pairs;
    for (;;) {
        std::vector<pollfd> fds{{m_wake[0], POLLIN, 0}, {m_listener, POLLIN, 0}};
        for (const Pair &p : pairs) {
            fds.push_back({p.client, POLLIN, 0});
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
        if (fds[1].revents & POLLIN) {
            Pair pair;
            pair.client = ::accept(m_listener, nullptr, nullptr);
            pair.server = m_refuse ? -1 : connectTo(m_serverHost, m_serverPort);
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
    if (fromClient) {
        std::lock_guard lock(m_sentMutex);
        m_sent += data;
    }
    if (!fromClient && !pair.greeted) {
        pair.greeted = true;
        if (m_hideTls)
            hideTlsOffer(data);
    }
    if (!fromClient && pair.awaitingCommitAnswer) {
        m_cutDone = true;
        return false; // the server has answered; the client never hears it
    }
    const Cut cut = fromClient && data.startsWith(CommitPacket) ? m_cut.exchange(Cut::Never) : Cut::Never;
    if (cut == Cut::InsteadOfCommit) {
        m_cutDone = true;
        return false;
    }
    if (!sendAll(fromClient ? pair.server : pair.client, data))
        return false;
    if (cut == Cut::BeforeAnswer) {
        m_cutDone = true;
        return false;
    }
    pair.awaitingCommitAnswer = pair.awaitingCommitAnswer || cut == Cut::AfterAnswer;
    return true;
}

// The greeting: header (4), protocol (1), server version up to its NUL, thread
// id (4), scramble (8), filler (1), then the low two bytes of the capabilities.
void CuttingProxy::hideTlsOffer(QByteArray &greeting) const
{
    const qsizetype versionEnd = greeting.indexOf('\0', 5);
    const qsizetype capabilities = versionEnd + 1 + 4 + 8 + 1;
    if (versionEnd < 0 || capabilities + 2 > greeting.size())
        return;
    auto flags = static_cast<quint16>(static_cast<quint8>(greeting[capabilities])
                                      | static_cast<quint8>(greeting[capabilities + 1]) << 8);
    flags = static_cast<quint16>(flags & ~ClientSsl);
    greeting[capabilities] = static_cast<char>(flags & 0xff);
    greeting[capabilities + 1] = static_cast<char>(flags >> 8);
}
