#pragma once

// The error and warning numbers of the server and its client library that the
// data layer acts on, in one place.
namespace ServerErrors {
constexpr unsigned Connection = 2002;        // the client library's number for an unreachable host over TCP
constexpr unsigned CantConnect = 2003;       // no connection to the server host
constexpr unsigned UnknownHost = 2005;       // a host the client library cannot find
constexpr unsigned ServerGone = 2006;        // server has gone away
constexpr unsigned ServerLost = 2013;        // connection lost during the query
constexpr unsigned CommandsOutOfSync = 2014; // a statement sent while a result is still being read
// Over TLS a connection that the server dropped reports a TLS error instead.
constexpr unsigned Tls = 2026;
// MySQL's number for a session it closed after the idle timeout; MariaDB uses
// the same number for something else.
constexpr unsigned MySQLIdleClosed = 4031;
constexpr unsigned ConnectionKilled = 1927;
constexpr unsigned ServerShutdown = 1053;
constexpr unsigned DuplicateKey = 1062;
constexpr unsigned LockWaitTimeout = 1205;
constexpr unsigned Deadlock = 1213;      // also a cluster's certification conflict
constexpr unsigned NotRolledBack = 1196; // warning: tables without transactions kept their changes
} // namespace ServerErrors
