// Holds the program's instance lock in the user's runtime folder (as the
// environment names it) until it is killed:   lock_holder <program name>
// Prints "locked" once it holds the lock, "refused" if it cannot take it.
#include "InstanceLock.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    InstanceLock lock(QString::fromLocal8Bit(argv[1]));
    std::printf(lock.acquired() ? "locked\n" : "refused\n");
    std::fflush(stdout);
    if (!lock.acquired())
        return 1;
    for (;;)
        QThread::sleep(1);
}
