#include "SwapOrder.h"

namespace {
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char(':'));
}
} // namespace

std::optional<SwapOrder> SwapOrder::parse(const QStringList &arguments)
{
    const QStringList parts = arguments.join(QLatin1Char(' ')).split(QLatin1Char(';'));
    if (parts.size() != 2)
        return std::nullopt;
    SwapOrder order{parts[0].trimmed(), parts[1].trimmed()};
    if (!isPlainName(order.programFile) || !isPlainName(order.newFile)
        || order.programFile.compare(order.newFile, Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return order;
}
