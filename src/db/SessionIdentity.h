#pragma once
#include <QByteArray>

#include <optional>

struct st_mysql;

// A session as the server knows it. The server part names one run of one
// server: its id, host name, port and cluster node name, and the moment it
// started (thread ids start again at a restart and overlap between the nodes
// of a cluster). Within one such run a thread id names one session only, so
// the pair tells the program's own old session from any other, over TCP, a
// local socket or a balancer alike.
struct SessionIdentity {
    QByteArray server;
    unsigned long threadId = 0;
    QByteArray user; // the account and client address in the process list

    bool known() const { return threadId != 0 && !server.isEmpty(); }
    // Read on a fresh connection; nothing when the server would not tell.
    static std::optional<SessionIdentity> of(st_mysql *connection);
    // True when this is the same server run as the connection's and the server
    // still shows this session there.
    bool showsOn(st_mysql *connection, const SessionIdentity &connectionIdentity) const;
};
