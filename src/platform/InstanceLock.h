#pragma once
#include <QString>
#include <memory>

class QLockFile;

// Refuses a second running copy of a program for the same user: a lock keyed by
// the executable's name in the user's runtime folder, held for the life of the
// process. A lock left by a crashed copy is
// recognised as stale and taken over.
class InstanceLock {
public:
    explicit InstanceLock(const QString &programName);
    ~InstanceLock();
    bool acquired() const { return m_acquired; }

    // Folder of the lock files; tests redirect it.
    static void redirect(const QString &folder);

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_acquired = false;
};
