#include "UpdateSigner.h"

#include "LeadingNumber.h"
#include "LocalHttpServer.h"
#include "UpdateSignature.h"

#include <cmath>
#include <openssl/evp.h>

UpdateSigner::UpdateSigner() : m_key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"), &EVP_PKEY_free) {}

UpdateSigner::~UpdateSigner() = default;

QString UpdateSigner::publicKey() const
{
    QByteArray key(32, '\0');
    size_t size = static_cast<size_t>(key.size());
    if (!m_key || EVP_PKEY_get_raw_public_key(m_key.get(), reinterpret_cast<unsigned char *>(key.data()), &size) != 1)
        return QString();
    return QString::fromLatin1(key.toHex());
}

QByteArray UpdateSigner::sign(const QByteArray &statement) const
{
    QByteArray signature(64, '\0');
    size_t size = static_cast<size_t>(signature.size());
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!m_key || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, m_key.get()) != 1
        || EVP_DigestSign(context.get(), reinterpret_cast<unsigned char *>(signature.data()), &size,
                          reinterpret_cast<const unsigned char *>(statement.constData()),
                          static_cast<size_t>(statement.size()))
               != 1)
        return QByteArray();
    return signature;
}

void UpdateSigner::publishVersion(const LocalHttpServer &server, const QString &base, const QByteArray &text) const
{
    const QString name = base + QStringLiteral("_lastver.txt");
    const long revision = std::lround(LeadingNumber(QString::fromLatin1(text).trimmed()));
    server.publish(name, text);
    server.publish(name + QStringLiteral(".sig"), sign(UpdateSignature::versionStatement(name, revision)));
}

void UpdateSigner::publishFile(const LocalHttpServer &server, const QString &name, const QByteArray &content,
                               long revision) const
{
    server.publish(name, content);
    server.publish(name + QStringLiteral(".sig"), sign(UpdateSignature::fileStatement(name, revision, content)));
}
