#include "UpdateSignature.h"

#include <QCryptographicHash>
#include <memory>
#include <openssl/evp.h>

namespace {
constexpr qsizetype kKeyBytes = 32;
constexpr qsizetype kSignatureBytes = 64;

QByteArray statement(const QString &file, long revision)
{
    return QByteArrayLiteral("Quotadesk update\nfile ") + file.toUtf8() + QByteArrayLiteral("\nrevision ")
           + QByteArray::number(static_cast<qlonglong>(revision)) + '\n';
}

const unsigned char *bytes(const QByteArray &data) { return reinterpret_cast<const unsigned char *>(data.constData()); }
} // namespace

UpdateSignature::UpdateSignature(QList<QByteArray> keys) : m_keys(std::move(keys)) {}

QByteArray UpdateSignature::versionStatement(const QString &versionFile, long revision)
{
    return statement(versionFile, revision);
}

QByteArray UpdateSignature::fileStatement(const QString &file, long revision, const QByteArray &content)
{
    return statement(file, revision) + QByteArrayLiteral("sha256 ")
           + QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex() + '\n';
}

std::optional<QString> UpdateSignature::refusal(const QByteArray &statement, const QByteArray &signature) const
{
    if (m_keys.isEmpty())
        return QStringLiteral("no update key is built into this program");
    if (signature.isEmpty())
        return QStringLiteral("no signature was published with it");
    for (const QByteArray &key : m_keys) {
        if (verifies(key, statement, signature))
            return std::nullopt;
    }
    return QStringLiteral("its signature does not verify against the built-in update key");
}

bool UpdateSignature::verifies(const QByteArray &key, const QByteArray &statement, const QByteArray &signature) const
{
    if (key.size() != kKeyBytes || signature.size() != kSignatureBytes)
        return false;
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> publicKey(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, bytes(key), kKeyBytes), &EVP_PKEY_free);
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!publicKey || !context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, publicKey.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), bytes(signature), kSignatureBytes, bytes(statement),
                            static_cast<size_t>(statement.size()))
           == 1;
}
