#pragma once
#include <QString>

// The workstation's network adapter address as the platform reports it
// ("00:1A:2B:3C:4D:5E"): the first IP-enabled, non-loopback adapter with an
// address. Tests set the address this machine reports.
class NetworkAdapters {
public:
    static QString firstAddress();
    static void override(const QString &address); // a null string restores the real lookup
};
