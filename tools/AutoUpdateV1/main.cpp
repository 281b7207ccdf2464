#include "ProgramUpdater.h"
#include "UpdateOrder.h"
#include "UpdateServer.h"

#include <QApplication>
#include <QTextStream>

// AutoUpdateV1 "revision;program file": stores a newer program file beside the
// program as "New_" + its name when the download server publishes one signed
// by the deployer.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::optional<UpdateOrder> order = UpdateOrder::parse(app.arguments().mid(1));
    if (!order) {
        QTextStream(stderr) << "usage: AutoUpdateV1 revision;program-file" << Qt::endl;
        return ProgramUpdater::BadArguments;
    }
    ProgramUpdater updater(QCoreApplication::applicationDirPath(), UpdateServer::address(),
                           UpdateSignature(UpdateServer::keys()));
    return updater.run(*order);
}
