#include "NoticeSlot.h"

#include <QDir>

namespace {
// A lock older than its notice's time and this spare belongs to a notice
// that should have gone.
constexpr int kSpareMs = 10000;
} // namespace

NoticeSlot::NoticeSlot(const QString &folder, int lifetimeMs)
{
    for (int i = 0; i < kSlots; ++i) {
        auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("FloatMsg-slot-%1.lock").arg(i)));
        lock->setStaleLockTime(lifetimeMs + kSpareMs);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            m_index = i;
            return;
        }
    }
    // Every slot taken: the notice goes to the corner, over the oldest.
}
