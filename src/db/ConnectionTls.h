#pragma once
#include <QString>

struct st_mysql;

// How every connection to the server uses TLS. It is used whenever the server
// offers it. When required, a server without TLS is refused before anything is
// sent, and the server's certificate must verify: against caFile when one is
// named, otherwise against the system's certificate authorities. Naming a CA
// file requires TLS as well.
struct TlsSettings {
    bool required = false;
    QString caFile;

    bool verifies() const { return required || !caFile.isEmpty(); }
};

// The settings the program's connections use, set once at start-up.
class ConnectionTls {
public:
    static void configure(const TlsSettings &settings);
    static const TlsSettings &current();
    // Sets the options on a handle before it connects.
    static void apply(st_mysql *handle);

private:
    static TlsSettings s_settings;
};
