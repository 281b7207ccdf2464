#include "FileSwap.h"

#include "Clock.h"
#include "FileVersion.h"
#include "InstanceLock.h"
#include "Launcher.h"
#include "ProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

namespace {
constexpr int kPollMs = 200;

// The name the program's running-copy lock carries: its file name without the
// platform's program suffix.
QString lockName(const QString &programFile)
{
    const QString suffix = ProgramFolder::executableSuffix();
    if (!suffix.isEmpty() && programFile.endsWith(suffix, Qt::CaseInsensitive))
        return programFile.chopped(suffix.size());
    return programFile;
}
} // namespace

FileSwap::FileSwap(const QString &folder, const SwapOrder &order, int waitLimitMs)
    : m_folder(folder), m_order(order), m_deadline(waitLimitMs)
{
}

QString FileSwap::backupName(const QString &programFile) { return programFile + QStringLiteral(".bak"); }

QString FileSwap::path(const QString &name) const { return m_folder + QLatin1Char('/') + name; }

FileSwap::Result FileSwap::run()
{
    if (!waitForProgramEnd()) {
        log(QStringLiteral("%1 is still running; nothing changed").arg(m_order.programFile));
        return StillRunning;
    }
    if (!newFileUsable())
        return keepOld(QStringLiteral("%1 is missing or empty").arg(m_order.newFile));
    const bool hadProgram = QFileInfo::exists(path(m_order.programFile));
    if (hadProgram && !moveAside())
        return keepOld(QStringLiteral("cannot set %1 aside").arg(m_order.programFile));
    if (!putInPlace()) {
        restore();
        return keepOld(QStringLiteral("%1 is not a program that can take the place of %2")
                           .arg(m_order.newFile, m_order.programFile));
    }
    if (!startProgram()) {
        restore();
        return keepOld(QStringLiteral("%1 does not start").arg(m_order.newFile));
    }
    log(QStringLiteral("%1 replaced by %2 and started").arg(m_order.programFile, m_order.newFile));
    return Swapped;
}

bool FileSwap::waitForProgramEnd() const
{
    while (!InstanceLock(lockName(m_order.programFile)).acquired()) {
        if (m_deadline.hasExpired())
            return false;
        QThread::msleep(kPollMs);
    }
    return true;
}

bool FileSwap::newFileUsable() const
{
    const QFileInfo info(path(m_order.newFile));
    return info.isFile() && info.size() > 0;
}

// Renames the program to its backup name. A program file still held by the
// system after its process ended (Windows) is retried until the time limit.
bool FileSwap::moveAside() const
{
    const QString backup = path(backupName(m_order.programFile));
    if (QFileInfo::exists(backup) && !QFile::remove(backup))
        return false;
    while (!QFile::rename(path(m_order.programFile), backup)) {
        if (m_deadline.hasExpired())
            return false;
        QThread::msleep(kPollMs);
    }
    return true;
}

// Moves the new file to the program's name, runnable, and accepts it only when
// it is a program of the suite (it carries a file version).
bool FileSwap::putInPlace() const
{
    const QString program = path(m_order.programFile);
    if (!QFile::rename(path(m_order.newFile), program))
        return false;
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    return !ReadFileVersion(program).isEmpty();
}

bool FileSwap::startProgram() const { return Launcher::start(path(m_order.programFile), QString(), m_folder); }

void FileSwap::restore() const
{
    const QString program = path(m_order.programFile);
    const QString backup = path(backupName(m_order.programFile));
    QFile::remove(path(m_order.newFile));
    if (!QFileInfo::exists(backup))
        return;
    QFile::remove(program);
    if (!QFile::rename(backup, program))
        log(QStringLiteral("cannot put %1 back from %2").arg(m_order.programFile, backupName(m_order.programFile)));
}

FileSwap::Result FileSwap::keepOld(const QString &reason) const
{
    const bool started = startProgram();
    log(reason
        + (started ? QStringLiteral("; the current program was started")
                   : QStringLiteral("; the program could not be started")));
    return started ? KeptOld : NotStarted;
}

void FileSwap::log(const QString &text) const
{
    QFile file(path(QStringLiteral("filechanger.log")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream(&file) << Clock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << ' ' << text << '\n';
}
