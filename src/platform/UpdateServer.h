#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// The download server of the automatic update and the deployer's public keys
// that every file taken from it must be signed with, both fixed when the
// program is built (no server: no automatic update; no key: nothing is
// accepted). Quotadesk and its updater read them here alike. Tests point them
// at a local server and a key of their own.
class UpdateServer {
public:
    static QString address();
    static void redirect(const QString &address); // a null string restores the built-in one

    // The Ed25519 public keys (32 bytes each) a signature may verify against.
    static QList<QByteArray> keys();
    static void redirectKeys(const QString &hexKeys); // a null string restores the built-in ones

    // Keys written as 64 hex digits each, separated by commas; none at all
    // when any of them is malformed.
    static QList<QByteArray> parseKeys(const QString &hexKeys);
};
