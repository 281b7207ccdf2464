// The formatted text box: AcceptType from the first byte, MaxLength from the
// second, the rest set as its text; after the field is left, the text fits the
// byte limit (number fields excepted: they are not cut on leaving).
#include "Cp949.h"
#include "FuzzApp.h"
#include "HCText.h"
#include "MessageBoxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace {

void sendFocus(QWidget *box, QEvent::Type type)
{
    QFocusEvent event(type, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &event);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ensureFuzzApp<QApplication>();
    static const bool quiet = [] {
        MessageBoxes::setHandler([](const MessageRequest &) { return MsgOk; });
        MessageBoxes::setBeepHandler([] {});
        return true;
    }();
    (void)quiet;
    if (size < 2)
        return 0;
    const int acceptType = data[0] % 6;
    const int maxLength = data[1] % 40;
    const QString text = QString::fromUtf8(fuzzBytes(data + 2, size - 2));

    HCText control;
    control.setAcceptType(acceptType);
    control.setMaxLength(maxLength);
    control.setText(text);
    sendFocus(control.txtBox(), QEvent::FocusIn);
    sendFocus(control.txtBox(), QEvent::FocusOut);

    const QString left = control.text();
    if (acceptType != 1 && maxLength > 0)
        fuzzCheck(Cp949::byteLength(left) <= maxLength, "text fits MaxLength after leaving",
                  QStringLiteral("type %1 max %2: ").arg(acceptType).arg(maxLength) + left);
    if (acceptType == 1)
        fuzzCheck(!left.isEmpty(), "a number field shows at least 0", text);
    return 0;
}
