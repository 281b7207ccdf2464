#pragma once
#include <QLockFile>
#include <QString>

#include <memory>

// The place of a notice in the stack of notices on screen together: slot 0
// sits in the corner, slot 1 above it, and so on. Each notice program holds
// its slot by a lock file in folder while it runs, so that notices of
// programs started one after another never cover each other; a slot of a
// program that ended (or died) is free again.
class NoticeSlot {
public:
    static constexpr int kSlots = 8;

    NoticeSlot(const QString &folder, int lifetimeMs);
    int index() const { return m_index; }

private:
    std::unique_ptr<QLockFile> m_lock;
    int m_index = 0;
};
