#include "InstanceLock.h"

#include <QLockFile>
#include <QStandardPaths>

namespace {
QString redirected;

// The user's own runtime folder: another user's copy, or a lock it left
// behind, never stands in the way.
QString lockFolder()
{
    return redirected.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) : redirected;
}
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
