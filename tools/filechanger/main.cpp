#include "FileSwap.h"
#include "SwapOrder.h"

#include <QCoreApplication>
#include <QTextStream>

// filechanger "program file;new file": once the program has ended, puts the new
// file in its place and starts it; the old file stays as program + ".bak".
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const std::optional<SwapOrder> order = SwapOrder::parse(app.arguments().mid(1));
    if (!order) {
        QTextStream(stderr) << "usage: filechanger program-file;new-file" << Qt::endl;
        return 4;
    }
    return FileSwap(QCoreApplication::applicationDirPath(), *order).run();
}
