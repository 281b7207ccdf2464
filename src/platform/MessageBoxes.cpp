#include "MessageBoxes.h"

#include "ProcErrorText.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageBoxes::Handler &handler()
{
    static MessageBoxes::Handler h;
    return h;
}
std::function<void()> &beepHandler()
{
    static std::function<void()> h;
    return h;
}

QMessageBox::Icon toQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer showReal(const MessageRequest &request)
{
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (request.buttons == MsgButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgOk;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(request.defaultAnswer == MsgYes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MsgYes : MsgNo;
}
} // namespace

MsgAnswer MessageBoxes::show(const MessageRequest &request)
{
    if (handler())
        return handler()(request);
    return showReal(request);
}

void MessageBoxes::beep()
{
    if (beepHandler())
        beepHandler()();
    else
        QApplication::beep();
}

void MessageBoxes::setHandler(Handler h) { handler() = std::move(h); }

void MessageBoxes::setBeepHandler(std::function<void()> h) { beepHandler() = std::move(h); }

void ShowProcError(long number, const QString &description, const QString &procedure, const QString &owner)
{
    MessageRequest request;
    request.text = ProcErrorText(number, description, procedure, owner);
    request.title = QCoreApplication::applicationName();
    MessageBoxes::show(request);
}
