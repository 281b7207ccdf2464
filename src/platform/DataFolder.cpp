#include "DataFolder.h"

#include "ProgramFolder.h"

#include <QDir>
#include <QStandardPaths>

QString DataFolder::path()
{
    if (ProgramFolder::isWritable())
        return ProgramFolder::path();
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(own);
    return own;
}

QString DataFolder::file(const QString &name) { return path() + QLatin1Char('/') + name; }
