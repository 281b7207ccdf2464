#include "NetworkAdapters.h"

#include <QNetworkInterface>

namespace {
QString overridden;
}

QString NetworkAdapters::firstAddress()
{
    if (!overridden.isNull())
        return overridden;
    for (const QNetworkInterface &nic : QNetworkInterface::allInterfaces()) {
        const auto flags = nic.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack) || !flags.testFlag(QNetworkInterface::IsUp))
            continue;
        if (nic.addressEntries().isEmpty()) // not IP-enabled
            continue;
        const QString address = nic.hardwareAddress();
        if (!address.isEmpty() && address != QLatin1String("00:00:00:00:00:00"))
            return address.toUpper();
    }
    return QString(QLatin1String(""));
}

void NetworkAdapters::override(const QString &address) { overridden = address; }
