#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The deployer's Ed25519 signature of one file published for the automatic
// update ("<file>.sig" beside it on the server: the 64 bytes of the signature).
// A signature covers a statement that names the file and the revision it is
// published under, and for a program file the SHA-256 of its content: a signed
// file cannot be served under another name, and an old signed release cannot
// be served again as a newer one. scripts/publish-update writes the same
// statements.
class UpdateSignature {
public:
    explicit UpdateSignature(QList<QByteArray> keys);

    // The statement signed for a version file that announces revision.
    static QByteArray versionStatement(const QString &versionFile, long revision);
    // The statement signed for a program file published under revision.
    static QByteArray fileStatement(const QString &file, long revision, const QByteArray &content);

    // Why the signature is refused; nothing when it verifies against one of the keys.
    std::optional<QString> refusal(const QByteArray &statement, const QByteArray &signature) const;

private:
    bool verifies(const QByteArray &key, const QByteArray &statement, const QByteArray &signature) const;

    QList<QByteArray> m_keys;
};
