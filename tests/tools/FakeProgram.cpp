#include <QCoreApplication>
#include <QFile>

// Appends one line to "started.txt" in its own folder and ends.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QFile log(QCoreApplication::applicationDirPath() + QStringLiteral("/started.txt"));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return 1;
    log.write("started\n");
    return 0;
}
