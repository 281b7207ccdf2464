#pragma once
#include "SwapOrder.h"

#include <QDeadlineTimer>
#include <QString>

// Swaps the program file for the new one once the program has ended, then
// starts the program. The old file is kept as program + ".bak". When any step
// fails the old file is put back (and the rejected new file removed, so the
// next start does not come straight back here): the folder always keeps a
// program that starts. Each outcome is appended to "filechanger.log".
class FileSwap {
public:
    enum Result { Swapped = 0, KeptOld = 1, StillRunning = 2, NotStarted = 3 };

    FileSwap(const QString &folder, const SwapOrder &order, int waitLimitMs = 60000);

    Result run();

    // The backup name of a program file.
    static QString backupName(const QString &programFile);

private:
    bool waitForProgramEnd() const;
    bool newFileUsable() const;
    bool moveAside() const;
    bool putInPlace() const;
    bool startProgram() const;
    void restore() const;
    Result keepOld(const QString &reason) const;
    void log(const QString &text) const;
    QString path(const QString &name) const;

    QString m_folder;
    SwapOrder m_order;
    QDeadlineTimer m_deadline;
};
