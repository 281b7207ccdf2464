#include "ProcErrorText.h"

QString ProcErrorText(long number, const QString &description, const QString &procedure, const QString &owner)
{
    return QStringLiteral("Error %1 (%2) in procedure %3 of %4").arg(number).arg(description, procedure, owner);
}
