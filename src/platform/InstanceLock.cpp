#include "InstanceLock.h"

#include <QDir>
#include <QLockFile>

namespace {
QString redirected;

QString lockFolder() { return redirected.isEmpty() ? QDir::tempPath() : redirected; }
} // namespace

InstanceLock::InstanceLock(const QString &programName)
    : m_lock(std::make_unique<QLockFile>(lockFolder() + QLatin1Char('/') + programName.toLower()
                                         + QStringLiteral(".instance.lock")))
{
    // A lock whose process no longer runs is stale: QLockFile removes it.
    m_lock->setStaleLockTime(0);
    m_acquired = m_lock->tryLock(0);
    if (!m_acquired && m_lock->error() == QLockFile::LockFailedError) {
        m_lock->removeStaleLockFile();
        m_acquired = m_lock->tryLock(0);
    }
}

InstanceLock::~InstanceLock() = default;

void InstanceLock::redirect(const QString &folder) { redirected = folder; }
