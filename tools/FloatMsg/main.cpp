#include "FloatNotice.h"
#include "NoticeArguments.h"

#include <QApplication>

// FloatMsg "<notice text> /T<milliseconds>": shows the notice and ends when it closes.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const NoticeArguments notice = NoticeArguments::parse(app.arguments().mid(1));
    auto *window = new FloatNotice(notice.text, notice.timeMs);
    // A tool window does not count as the last window, so its end ends the program.
    QObject::connect(window, &QObject::destroyed, &app, &QCoreApplication::quit);
    window->showInCorner();
    return app.exec();
}
