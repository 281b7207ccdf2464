#include "UpdateServer.h"

#include <QRegularExpression>

#ifndef QD_UPDATE_SERVER
#error "QD_UPDATE_SERVER comes from the build (src/platform/CMakeLists.txt)"
#endif
#ifndef QD_UPDATE_KEY
#error "QD_UPDATE_KEY comes from the build (src/platform/CMakeLists.txt)"
#endif

namespace {
QString &redirected()
{
    static QString address;
    return address;
}

QString &redirectedKeys()
{
    static QString keys;
    return keys;
}
} // namespace

QString UpdateServer::address() { return redirected().isNull() ? QString::fromUtf8(QD_UPDATE_SERVER) : redirected(); }

void UpdateServer::redirect(const QString &address) { redirected() = address; }

QList<QByteArray> UpdateServer::keys()
{
    return parseKeys(redirectedKeys().isNull() ? QString::fromLatin1(QD_UPDATE_KEY) : redirectedKeys());
}

void UpdateServer::redirectKeys(const QString &hexKeys) { redirectedKeys() = hexKeys; }

QList<QByteArray> UpdateServer::parseKeys(const QString &hexKeys)
{
    static const QRegularExpression oneKey(QStringLiteral("^[0-9A-Fa-f]{64}$"));
    QList<QByteArray> keys;
    for (const QString &part : hexKeys.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString hex = part.trimmed();
        if (!oneKey.match(hex).hasMatch())
            return {};
        keys << QByteArray::fromHex(hex.toLatin1());
    }
    return keys;
}
