#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString redirected;
}

QString ProgramFolder::path()
{
    if (!redirected.isEmpty())
        return redirected;
    return QCoreApplication::applicationDirPath();
}

QString ProgramFolder::file(const QString &name) { return path() + QLatin1Char('/') + name; }

void ProgramFolder::redirect(const QString &folder) { redirected = folder; }

QString ProgramFolder::executableBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString ProgramFolder::executableSuffix()
{
#ifdef Q_OS_WIN
    return QStringLiteral(".exe");
#else
    return QString();
#endif
}

QString ProgramFolder::programFileName(const QString &base) { return base + executableSuffix(); }
