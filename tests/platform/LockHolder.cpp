// Holds the program's instance lock in the given folder until it is killed:
//   lock_holder <lock folder> <program name>
// Prints "locked" once it holds the lock, "refused" if it cannot take it.
#include "InstanceLock.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    InstanceLock::redirect(QString::fromLocal8Bit(argv[1]));
    InstanceLock lock(QString::fromLocal8Bit(argv[2]));
    std::printf(lock.acquired() ? "locked\n" : "refused\n");
    std::fflush(stdout);
    if (!lock.acquired())
        return 1;
    for (;;)
        QThread::sleep(1);
}
