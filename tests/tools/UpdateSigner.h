#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

class LocalHttpServer;
struct evp_pkey_st;

// A deployer's update key made fresh for one test (Ed25519), publishing files
// on a local download server with their signatures beside them, as
// scripts/publish-update does.
class UpdateSigner {
public:
    UpdateSigner();
    ~UpdateSigner();
    UpdateSigner(const UpdateSigner &) = delete;
    UpdateSigner &operator=(const UpdateSigner &) = delete;

    // The public key as built into a program: 64 hex digits.
    QString publicKey() const;
    QByteArray sign(const QByteArray &statement) const;

    // The version file "<base>_lastver.txt" with its text, signed for the revision it announces.
    void publishVersion(const LocalHttpServer &server, const QString &base, const QByteArray &text) const;
    // A program file signed for the revision it is published under.
    void publishFile(const LocalHttpServer &server, const QString &name, const QByteArray &content,
                     long revision) const;

private:
    std::unique_ptr<evp_pkey_st, void (*)(evp_pkey_st *)> m_key;
};
