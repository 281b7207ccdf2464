#pragma once

struct st_mysql;

// What a connection to a node of a Galera cluster needs so that the program
// reads what it has just written: the cluster applies a commit on the other
// nodes a moment later, so a read on another node (after a reconnect through
// the balancer, or on the second read connection) could miss it. On a node,
// reads wait until the node has applied every commit the cluster had made
// when the read arrived (wsrep_sync_wait = 1). A server that is not a
// cluster node is left as it is.
class GaleraSession {
public:
    // Applies the setting on a fresh connection; false when a statement failed
    // (the connection's error then tells why).
    static bool prepare(st_mysql *connection);

private:
    static bool isClusterNode(st_mysql *connection, bool &failed);
};
