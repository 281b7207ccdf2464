#include "FloatNotice.h"
#include "NoticeArguments.h"
#include "NoticeSlot.h"

#include <QApplication>
#include <QDir>

// FloatMsg "<notice text> /T<milliseconds>": shows the notice, above those
// already on screen, and ends when it closes. Without a text it shows nothing.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const NoticeArguments notice = NoticeArguments::parse(app.arguments().mid(1));
    if (notice.text.isEmpty())
        return 0;
    const NoticeSlot slot(QDir::tempPath(), notice.timeMs);
    auto *window = new FloatNotice(notice.text, notice.timeMs);
    // A tool window does not count as the last window, so its end ends the program.
    QObject::connect(window, &QObject::destroyed, &app, &QCoreApplication::quit);
    window->showInCorner(slot.index());
    return app.exec();
}
