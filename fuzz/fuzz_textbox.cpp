// The formatted text box under an operator's hands. The first bytes choose
// AcceptType, MaxLength, ShowSeparate and DecPlace; the rest are steps: typed
// keys, pastes (Ctrl+V, Shift+Insert or the context menu's Paste) of texts
// valid or not for the type, Delete and Backspace at random positions. After
// every step the box holds at most MaxLength bytes and a separated number
// field a number, a lone "-" or nothing; after leaving, the byte limit holds
// (number fields excepted: they are not cut on leaving) and a number field
// shows at least "0".
#include "Cp949.h"
#include "FuzzApp.h"
#include "HCText.h"
#include "MessageBoxes.h"
#include "NumberText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace {

// Characters an operator types or pastes: digits and what the types refuse.
const QString &alphabet()
{
    static const QString chars = QString::fromUtf8("0123456789-,. aZ가:");
    return chars;
}

class Operator {
public:
    Operator(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    bool more() const { return m_at < m_size; }
    int next() { return m_at < m_size ? m_data[m_at++] : 0; }
    QChar nextChar() { return alphabet().at(next() % alphabet().size()); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

void sendFocus(QWidget *box, QEvent::Type type)
{
    QFocusEvent event(type, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &event);
}

void press(QWidget *box, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &text = QString())
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(box, &down);
    QCoreApplication::sendEvent(box, &up);
}

void type(QLineEdit *box, QChar c)
{
    const Qt::Key key = c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
    press(box, key, Qt::NoModifier, QString(c));
}

void pasteFromMenu(QLineEdit *box)
{
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1), box->mapToGlobal(QPoint(1, 1)));
    QCoreApplication::sendEvent(box, &request);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    fuzzCheck(menu, "the box opens its context menu");
    const QString pasteCaption = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(pasteCaption))
            action->trigger();
    }
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void paste(QLineEdit *box, Operator &op)
{
    QString clip;
    for (int n = op.next() % 12; n > 0; --n)
        clip += op.nextChar();
    QGuiApplication::clipboard()->setText(clip);
    switch (op.next() % 3) {
    case 0: press(box, Qt::Key_V, Qt::ControlModifier); break;
    case 1: press(box, Qt::Key_Insert, Qt::ShiftModifier); break;
    default: pasteFromMenu(box); break;
    }
}

void deleteAt(QLineEdit *box, Operator &op, Qt::Key key)
{
    box->setCursorPosition(op.next() % (box->text().size() + 1));
    press(box, key, Qt::NoModifier);
}

void checkStep(const HCText &control, const QString &step)
{
    const QString shown = control.txtBox()->text();
    const QString detail =
        QStringLiteral("type %1 max %2 after %3: ").arg(control.acceptType()).arg(control.maxLength()).arg(step)
        + shown;
    if (control.maxLength() > 0)
        fuzzCheck(Cp949::byteLength(shown) <= control.maxLength(), "the box keeps MaxLength", detail);
    if (control.acceptType() == 1 && control.showSeparate())
        fuzzCheck(shown.isEmpty() || shown == QLatin1String("-") || IsNumericText(shown),
                  "a separated number field holds a number", detail);
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
    if (size < 3)
        return 0;
    const int acceptType = data[0] % 6;
    const int maxLength = data[1] % 40;
    Operator op(data + 3, size - 3);

    HCText control;
    control.setAcceptType(acceptType);
    control.setMaxLength(maxLength);
    control.setShowSeparate(data[2] & 1);
    control.setDecPlace((data[2] >> 1) % 3);
    QLineEdit *box = control.txtBox();
    sendFocus(box, QEvent::FocusIn);
    for (int steps = 0; op.more() && steps < 64; ++steps) {
        switch (op.next() % 4) {
        case 0:
            type(box, op.nextChar());
            checkStep(control, QStringLiteral("typing"));
            break;
        case 1:
            paste(box, op);
            checkStep(control, QStringLiteral("paste of ") + QGuiApplication::clipboard()->text());
            break;
        case 2:
            deleteAt(box, op, Qt::Key_Delete);
            checkStep(control, QStringLiteral("Delete"));
            break;
        default:
            deleteAt(box, op, Qt::Key_Backspace);
            checkStep(control, QStringLiteral("Backspace"));
            break;
        }
    }
    sendFocus(box, QEvent::FocusOut);

    const QString left = control.text();
    if (acceptType != 1 && maxLength > 0)
        fuzzCheck(Cp949::byteLength(left) <= maxLength, "text fits MaxLength after leaving",
                  QStringLiteral("type %1 max %2: ").arg(acceptType).arg(maxLength) + left);
    if (acceptType == 1)
        fuzzCheck(!left.isEmpty(), "a number field shows at least 0", left);
    return 0;
}
