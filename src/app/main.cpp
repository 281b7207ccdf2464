#include "KoreanFonts.h"
#include "ProgramStartup.h"
#include "QtTranslation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quotadesk"));
    QApplication::setQuitOnLastWindowClosed(true);
    InstallKoreanFonts();
    InstallQtTranslation();
    if (!Main(QuotadeskStartup()))
        return 0;
    return QApplication::exec();
}
