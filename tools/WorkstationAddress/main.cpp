// WorkstationAddress: prints this machine's adapter address as the program looks
// it up in the allow-list ("001A2B3C4D5E"). Ends with 1 and prints nothing when
// the machine has no adapter that the program would use.
#include "WorkstationAdmission.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString address = GetMyMacAddress();
    if (address.isEmpty()) {
        QTextStream(stderr) << "WorkstationAddress: no network adapter is up with an address\n";
        return 1;
    }
    QTextStream(stdout) << address << '\n';
    return 0;
}
