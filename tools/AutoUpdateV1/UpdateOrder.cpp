#include "UpdateOrder.h"

std::optional<UpdateOrder> UpdateOrder::parse(const QStringList &arguments)
{
    const QString text = arguments.join(QLatin1Char(' ')).trimmed();
    const qsizetype separator = text.indexOf(QLatin1Char(';'));
    if (separator < 0)
        return std::nullopt;
    bool ok = false;
    UpdateOrder order;
    order.revision = text.left(separator).trimmed().toInt(&ok);
    order.programFile = text.mid(separator + 1).trimmed();
    const bool plainName = !order.programFile.isEmpty() && order.programFile != QLatin1String("..")
                           && !order.programFile.contains(QLatin1Char('/'))
                           && !order.programFile.contains(QLatin1Char('\\'));
    if (!ok || order.revision < 0 || !plainName)
        return std::nullopt;
    return order;
}
