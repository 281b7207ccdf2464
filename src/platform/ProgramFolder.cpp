#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryFile>

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

bool ProgramFolder::isWritable()
{
    // Tried rather than read from the permissions: a read-only mount or an
    // access list says no even where the mode bits say yes.
    static QString probedFolder;
    static bool writable = false;
    const QString folder = path();
    if (folder != probedFolder) {
        QTemporaryFile probe(folder + QStringLiteral("/.write-probe-XXXXXX"));
        writable = probe.open();
        probedFolder = folder;
    }
    return writable;
}

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
