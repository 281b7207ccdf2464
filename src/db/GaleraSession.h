#pragma once

struct st_mysql;

// What a connection to a node of a Galera cluster needs so that the program
// sees what has just been written: the cluster applies a commit on the other
// nodes a moment later, so a statement on another node (after a reconnect
// through the balancer, on the second read connection, or another operator's
// program) could miss it. On a node, reads (and the start of a transaction),
// updates and deletes wait until the node has applied every commit the
// cluster had made when the statement arrived (wsrep_sync_wait = 3): a list
// read right after a top-up shows it, and an edit of a customer registered a
// moment ago on another node finds the row. A server that is not a cluster
// node is left as it is.
class GaleraSession {
public:
    // Applies the setting on a fresh connection; false when a statement failed
    // (the connection's error then tells why).
    static bool prepare(st_mysql *connection);
};
