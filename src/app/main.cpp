#include "KoreanFonts.h"
#include "ProgramStartup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quotadesk"));
    QApplication::setQuitOnLastWindowClosed(true);
    InstallKoreanFonts();
    if (!Main(QuotadeskStartup()))
        return 0;
    return QApplication::exec();
}
