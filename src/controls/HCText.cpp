#include "HCText.h"

#include "Cp949.h"
#include "HCTextColor.h"
#include "HCTextFinishing.h"
#include "HCTextKeyRules.h"
#include "HCTextKeys.h"
#include "HCTextLiveNumber.h"
#include "MessageBoxes.h"
#include "NumberText.h"
#include "PasswordMask.h"
#include "PropertyStore.h"
#include "Twips.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace {

using Rules = HCTextKeyRules;

// Input-method hints for the platform's IME modes: 2 (off) and 3 (disabled)
// keep the box to Latin input.
Qt::InputMethodHints imeHints(int mode)
{
    return mode == 2 || mode == 3 ? Qt::ImhPreferLatin | Qt::ImhLatinOnly : Qt::ImhNone;
}

// Ctrl+V and Shift+Insert, whatever the platform binds to Paste.
bool isPasteKey(const QKeyEvent &event)
{
    return event.matches(QKeySequence::Paste)
           || (event.key() == Qt::Key_Insert && event.modifiers() == Qt::ShiftModifier);
}

// A single-line box takes the first line of a pasted text (a copied cell
// ends with a line break); a NUL ends the text, as the code page box reads it.
QString firstLine(const QString &text)
{
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n' && text.at(end) != QChar(0))
        ++end;
    return text.left(end);
}

// Losing the focus to another window or to a context menu is no move to
// another field: the field keeps its focus state and gets it back unchanged.
bool leavesForAnotherWindow(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

HCText::HCText(QWidget *parent)
    : QWidget(parent), m_box(new QLineEdit(this)), m_foreColor(HCTextColor::WindowText),
      m_backColor(HCTextColor::White), m_surfaceColor(HCTextColor::White)
{
    m_box->setObjectName(QStringLiteral("txtBox"));
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_box);
    setSurfaceColor(HCTextColor::White);
    setBoxBackColor(HCTextColor::White);
    setForeColor(HCTextColor::WindowText);
    setEdgeStyle(m_edgeWidth, static_cast<int>(m_edgeColor));
    updateEdgeVisibility();
    m_box->installEventFilter(this);
    connect(m_box, &QLineEdit::textChanged, this, &HCText::boxTextChanged);
}

void HCText::initNewInstance()
{
    m_edgeColor = DefaultEdgeColor;
    m_edgeFocusColor = DefaultEdgeColor;
    m_decPlace = 0;
    m_changed = false;
    m_convertCase = Rules::NoConversion;
    m_acceptType = Rules::AnyText;
    m_showSeparate = false;
    m_autoTab = true;
    m_focusEffect = false;
    m_focusEffectParam = DefaultFocusEffectParam;
    m_topMagin = 0;
    m_edgeWidth = 1;
    m_edgeFocus = false;
    setEdgeStyle(m_edgeWidth, static_cast<int>(m_edgeColor));
    layoutFrame();
}

void HCText::loadProperties(const PropertyStore &store)
{
    const QScopedValueRollback loading(m_loading, true);
    setEnabled(store.value(QStringLiteral("Enabled"), true).toBool());
    setForeColor(store.value(QStringLiteral("ForeColor"), HCTextColor::WindowText).toInt());
    m_box->setText(store.value(QStringLiteral("Text"), QString()).toString());

    m_convertCase = store.value(QStringLiteral("ConvertCase"), 0).toInt();
    m_acceptType = store.value(QStringLiteral("AcceptType"), 0).toInt();
    m_showSeparate = store.value(QStringLiteral("ShowSeparate"), false).toBool();
    setMaxLength(store.value(QStringLiteral("MaxLength"), 0).toInt());

    const bool number = m_acceptType == Rules::Number;
    m_box->setAlignment(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (number && m_box->text().isEmpty())
        m_box->setText(QStringLiteral("0"));
    if (number && IsNumericText(m_box->text())) {
        const QString format = m_showSeparate ? QStringLiteral("#,##0") : QStringLiteral("0");
        m_box->setText(FormatNumberText(m_box->text(), format));
    }

    setLocked(store.value(QStringLiteral("Locked"), false).toBool());
    setBackColor(store.value(QStringLiteral("BackColor"), HCTextColor::White).toInt());
    m_changed = store.value(QStringLiteral("bChanged"), false).toBool();
    setBoxImeMode(store.value(QStringLiteral("IMEMode"), 0).toInt());
    m_decPlace = std::max(store.value(QStringLiteral("DecPlace"), 0).toInt(), 0);
    setPasswordChar(store.value(QStringLiteral("PasswordChar"), QString()).toString());
    m_autoTab = store.value(QStringLiteral("AutoTab"), true).toBool();
    setAppearance(store.value(QStringLiteral("Appearance"), 1).toInt());
    QFont font = ambientFont();
    if (store.contains(QStringLiteral("Font")))
        font.fromString(store.value(QStringLiteral("Font")).toString());
    setFont(font);
    m_focusEffect = store.value(QStringLiteral("FocusEffect"), false).toBool();
    m_focusEffectParam = store.value(QStringLiteral("FocusEffectParam"), DefaultFocusEffectParam).toInt();
    setBorderStyle(store.value(QStringLiteral("BorderStyle"), 1).toInt());
    m_topMagin = store.value(QStringLiteral("TopMagin"), 0).toInt();
    m_rememberedImeMode = m_boxImeMode;

    m_edgeWidth = store.value(QStringLiteral("EdgeWidth"), 1).toInt();
    m_edgeColor = store.value(QStringLiteral("EdgeColor"), DefaultEdgeColor).toDouble();
    m_edgeFocus = store.value(QStringLiteral("EdgeFocus"), false).toBool();
    m_edgeFocusColor = store.value(QStringLiteral("EdgeFocusColor"), DefaultEdgeColor).toDouble();
    setEdgeStyle(m_edgeWidth, edgeColor());
    layoutFrame();
}

void HCText::saveProperties(PropertyStore &store) const
{
    store.setValue(QStringLiteral("Enabled"), ownEnabled());
    store.setValue(QStringLiteral("ForeColor"), m_foreColor);
    store.setValue(QStringLiteral("Text"), m_box->text());
    store.setValue(QStringLiteral("ConvertCase"), m_convertCase);
    store.setValue(QStringLiteral("AcceptType"), m_acceptType);
    store.setValue(QStringLiteral("ShowSeparate"), m_showSeparate);
    store.setValue(QStringLiteral("MaxLength"), m_maxLength);
    store.setValue(QStringLiteral("Locked"), locked());
    store.setValue(QStringLiteral("BackColor"), m_backColor);
    store.setValue(QStringLiteral("bChanged"), m_changed);
    store.setValue(QStringLiteral("IMEMode"), m_boxImeMode);
    store.setValue(QStringLiteral("DecPlace"), m_decPlace);
    store.setValue(QStringLiteral("PasswordChar"), m_passwordChar);
    store.setValue(QStringLiteral("AutoTab"), m_autoTab);
    store.setValue(QStringLiteral("Appearance"), m_appearance);
    store.setValue(QStringLiteral("Font"), font().toString());
    store.setValue(QStringLiteral("FocusEffect"), m_focusEffect);
    store.setValue(QStringLiteral("FocusEffectParam"), m_focusEffectParam);
    store.setValue(QStringLiteral("BorderStyle"), m_borderStyle);
    store.setValue(QStringLiteral("TopMagin"), m_topMagin);
    store.setValue(QStringLiteral("EdgeWidth"), m_edgeWidth);
    store.setValue(QStringLiteral("EdgeColor"), edgeColor());
    store.setValue(QStringLiteral("EdgeFocus"), m_edgeFocus);
    store.setValue(QStringLiteral("EdgeFocusColor"), edgeFocusColor());
}

// ---- properties ----

qulonglong HCText::hWnd() const { return static_cast<qulonglong>(m_box->effectiveWinId()); }

void HCText::setForeColor(int color)
{
    m_foreColor = color;
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::Text, HCTextColor::toQColor(color));
    m_box->setPalette(palette);
    notify("ForeColor");
}

QString HCText::text() const
{
    if (m_acceptType == Rules::Number && m_showSeparate)
        return FormatNumberText(m_box->text(), HCTextLiveNumber::valueFormat(m_decPlace));
    return m_box->text();
}

void HCText::setText(const QString &text)
{
    m_box->setText(text);
    if (m_acceptType == Rules::Number && m_showSeparate)
        m_box->setText(FormatNumberText(m_box->text(), HCTextLiveNumber::displayFormat(m_decPlace)));
    notify("Text");
}

void HCText::setConvertCase(int value)
{
    m_convertCase = value;
    notify("ConvertCase");
}

void HCText::setAcceptType(int value)
{
    m_acceptType = value;
    notify("AcceptType");
}

void HCText::setShowSeparate(bool on)
{
    m_showSeparate = on;
    if (m_acceptType == Rules::Number && IsNumericText(m_box->text()))
        m_box->setText(FormatNumberText(m_box->text(), on ? QStringLiteral("#,##0") : QStringLiteral("0")));
    notify("ShowSeparate");
}

void HCText::setMaxLength(int value)
{
    m_maxLength = value;
    notify("MaxLength");
}

bool HCText::locked() const { return m_box->isReadOnly(); }

void HCText::setLocked(bool on)
{
    m_box->setReadOnly(on);
    notify("Locked");
}

void HCText::setIMEMode(int mode)
{
    setBoxImeMode(mode);
    m_rememberedImeMode = mode;
    notify("IMEMode");
}

void HCText::setDecPlace(int places)
{
    if (places < 0) {
        MessageBoxes::show({QStringLiteral("음수는 설정할 수 없습니다."), QCoreApplication::applicationName()});
        places = 0;
    }
    m_decPlace = places;
    notify("DecPlace");
}

void HCText::setPasswordChar(const QString &mask)
{
    m_passwordChar = mask.left(1);
    ShowPasswordMask(m_box, m_passwordChar);
    notify("PasswordChar");
}

void HCText::setAutoTab(bool on)
{
    m_autoTab = on;
    notify("AutoTab");
}

void HCText::setAppearance(int value)
{
    m_appearance = value;
    updateEdgeVisibility();
    notify("Appearance");
}

void HCText::setFocusEffect(bool on)
{
    m_focusEffect = on;
    notify("FocusEffect");
}

void HCText::setFocusEffectParam(int color)
{
    m_focusEffectParam = color;
    notify("FocusEffectParam");
}

void HCText::setBackColor(int color)
{
    setBoxBackColor(color);
    notify("BackColor");
}

void HCText::setBorderStyle(int value)
{
    m_borderStyle = value;
    m_box->setFrame(value != 0);
    updateEdgeVisibility();
    notify("BorderStyle");
}

void HCText::setTopMagin(int twips)
{
    m_topMagin = twips;
    layoutFrame();
    notify("TopMagin");
}

int HCText::selStart() const { return m_box->hasSelectedText() ? m_box->selectionStart() : m_box->cursorPosition(); }

void HCText::setSelStart(int position) { m_box->setCursorPosition(position); }

void HCText::setEdgeWidth(int pixels)
{
    m_edgeWidth = pixels;
    for (HCTextEdge &edge : m_edges)
        edge.width = pixels;
    layoutFrame();
    notify("EdgeWidth");
}

void HCText::setEdgeColor(int color)
{
    m_edgeColor = color;
    for (HCTextEdge &edge : m_edges)
        edge.color = color;
    update();
    notify("EdgeColor");
}

void HCText::setEdgeFocus(bool on)
{
    m_edgeFocus = on;
    notify("EdgeFocus");
}

void HCText::setEdgeFocusColor(int color)
{
    m_edgeFocusColor = color;
    notify("EdgeFocusColor");
}

QSize HCText::sizeHint() const { return m_box->sizeHint(); }

// ---- events of the inner box ----

bool HCText::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: return boxKeyPress(static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease: return boxKeyRelease(static_cast<QKeyEvent *>(event));
    case QEvent::InputMethod: return boxInputMethod(static_cast<QInputMethodEvent *>(event));
    case QEvent::FocusIn:
        if (m_hasFocus)
            return false;
        static_cast<QObject *>(m_box)->event(event); // the box's own handling first
        m_hasFocus = true;
        boxFocusIn();
        return true;
    case QEvent::FocusOut:
        if (leavesForAnotherWindow(event))
            return false;
        static_cast<QObject *>(m_box)->event(event);
        m_hasFocus = false;
        boxFocusOut();
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_box->rect().contains(mouse->position().toPoint()))
            emit Click();
        if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
            return false;
        pasteAsTyped(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
    }
    case QEvent::ContextMenu: showContextMenu(static_cast<QContextMenuEvent *>(event)->globalPos()); return true;
    case QEvent::Drop: return dropAsTyped(static_cast<QDropEvent *>(event));
    case QEvent::MouseButtonDblClick: emit DblClick(); return false;
    default: return false;
    }
}

// A key goes down: the control's own key-down rules, the host's KeyDown, then
// for a key that types something the host's KeyPress and the key rules.
bool HCText::boxKeyPress(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    m_pendingMove = FocusMove::None;
    int keyCode = HCTextKeys::keyCode(*event);
    int shift = HCTextKeys::shiftState(event->modifiers());
    applyKeyDownRules(keyCode);
    emit KeyDown(keyCode, shift);
    const bool keyCancelled = keyCode == 0;
    if (!keyCancelled && isPasteKey(*event)) {
        pasteAsTyped(QGuiApplication::clipboard()->text());
        return true;
    }

    bool swallowed = keyCancelled;
    const QString typed = typedText(*event);
    if (!typed.isEmpty()) {
        const Filtered filtered = filterTyped(typed);
        const bool printable = typed.at(0).unicode() >= 32;
        swallowed = filtered.accepted != typed || keyCancelled || (printable && !fitsCharLimit());
        const bool overflow = swallowed && !deliver(filtered.accepted);
        if (filtered.refused || overflow)
            MessageBoxes::beep();
    }
    movePendingFocus();
    return swallowed;
}

bool HCText::boxKeyRelease(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    int keyCode = HCTextKeys::keyCode(*event);
    int shift = HCTextKeys::shiftState(event->modifiers());
    emit KeyUp(keyCode, shift);
    fitInputSilently();
    return keyCode == 0;
}

// Text composed with an input method goes through the same KeyPress and key
// rules as typed keys, then the byte limit.
bool HCText::boxInputMethod(QInputMethodEvent *event)
{
    if (event->commitString().isEmpty())
        return false;
    const Filtered accepted = filterTyped(event->commitString());
    if (accepted.refused)
        MessageBoxes::beep();
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted.accepted, event->replacementStart(), event->replacementLength());
    static_cast<QObject *>(m_box)->event(&filtered);
    fitInputSilently();
    return true;
}

void HCText::applyKeyDownRules(int keyCode)
{
    if (keyCode == HCTextKeys::Down && m_autoTab)
        m_pendingMove = FocusMove::Next;
    else if (keyCode == HCTextKeys::Up && m_autoTab)
        m_pendingMove = FocusMove::Previous;
    else if ((keyCode == HCTextKeys::PadDecimal || keyCode == HCTextKeys::FullStop) && m_decPlace > 0)
        m_box->setCursorPosition(static_cast<int>(m_box->text().indexOf(u'.') + 1));
}

QString HCText::typedText(const QKeyEvent &event) const
{
    if (const int code = HCTextKeys::keyAscii(event))
        return QString(QChar(code));
    const QString text = event.text();
    const bool printable = !text.isEmpty()
                           && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 32; });
    const bool shortcut = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    return printable && !shortcut ? text : QString();
}

// Each typed character: the host's KeyPress, then the key rules. Returns what
// remains to be typed and whether a key was refused (the caller beeps once);
// Enter asks for the focus move.
HCText::Filtered HCText::filterTyped(const QString &typed)
{
    Filtered result;
    for (const QChar c : typed) {
        int keyAscii = c.unicode();
        emit KeyPress(keyAscii);
        switch (Rules::apply(keyAscii, m_acceptType, m_convertCase)) {
        case Rules::Outcome::Typed:
            if (keyAscii > 0 && keyAscii <= 0xFFFF)
                result.accepted += QChar(static_cast<char16_t>(keyAscii));
            break;
        case Rules::Outcome::Refused: result.refused = true; break;
        case Rules::Outcome::Enter:
            if (m_autoTab)
                m_pendingMove = FocusMove::Next;
            break;
        case Rules::Outcome::Cancelled: break;
        }
    }
    return result;
}

// The box takes no more characters than MaxLength from the keyboard.
bool HCText::fitsCharLimit() const
{
    if (m_maxLength <= 0)
        return true;
    return m_box->text().size() - m_box->selectedText().size() < m_maxLength;
}

// Types the accepted characters into the box when the key itself was changed
// or cancelled, as the box would have typed them. False when the character
// limit left some out.
bool HCText::deliver(const QString &accepted)
{
    if (m_box->isReadOnly())
        return true;
    for (const QChar c : accepted) {
        if (c.unicode() == Rules::Backspace) {
            m_box->backspace();
        } else if (c.unicode() >= 32) {
            if (!fitsCharLimit())
                return false;
            m_box->insert(QString(c));
        }
    }
    return true;
}

// Pasted or dropped text goes in as if typed key by key: a point moves the
// caret behind the decimal point, then the host's KeyPress and the key rules
// for each character, the live number formatting and the byte limit after
// each. Refused characters are dropped with one beep for the whole text.
void HCText::pasteAsTyped(const QString &text)
{
    if (m_box->isReadOnly())
        return;
    bool refused = false;
    const QString line = firstLine(text);
    for (qsizetype i = 0; i < line.size(); ++i) {
        const qsizetype length = line.at(i).isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        const QString key = line.mid(i, length);
        i += length - 1;
        if (key.at(0).unicode() < 32) {
            refused = true;
            continue;
        }
        if (key == QLatin1String("."))
            applyKeyDownRules(HCTextKeys::FullStop);
        const Filtered filtered = filterTyped(key);
        refused = refused || filtered.refused;
        if (!deliver(filtered.accepted)) {
            refused = true;
            break;
        }
        fitInputSilently();
    }
    if (refused)
        MessageBoxes::beep();
}

// The box's own menu, with its Paste going through the key rules.
void HCText::showContextMenu(const QPoint &globalPos)
{
    QMenu *menu = m_box->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString pasteCaption = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction *action : menu->actions()) {
        if (!action->text().startsWith(pasteCaption))
            continue;
        disconnect(action, &QAction::triggered, m_box, nullptr);
        connect(action, &QAction::triggered, this, [this] { pasteAsTyped(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(globalPos);
}

// Text dragged into the box is typed at the drop point, and copied rather
// than moved.
bool HCText::dropAsTyped(QDropEvent *event)
{
    if (!m_box->isReadOnly() && event->mimeData()->hasText()) {
        m_box->deselect();
        m_box->setCursorPosition(m_box->cursorPositionAt(event->position().toPoint()));
        pasteAsTyped(event->mimeData()->text());
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
    return true;
}

// Moves the focus to the next or previous field exactly as Tab or Shift+Tab would.
void HCText::movePendingFocus()
{
    const FocusMove move = std::exchange(m_pendingMove, FocusMove::None);
    if (move == FocusMove::None)
        return;
    QKeyEvent tab(QEvent::KeyPress, move == FocusMove::Next ? Qt::Key_Tab : Qt::Key_Backtab,
                  move == FocusMove::Next ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(m_box, &tab);
}

// Every change of the box's text: live number formatting, then the changed
// flag and the host's Change. The control's own reformatting raises nothing.
void HCText::boxTextChanged()
{
    if (m_reformatting)
        return;
    if (m_acceptType == Rules::Number && m_showSeparate) {
        const auto result = HCTextLiveNumber::reformat(m_box->text(), m_box->cursorPosition(), m_decPlace);
        if (result.text != m_box->text()) {
            const QScopedValueRollback reformatting(m_reformatting, true);
            m_box->setText(result.text);
            m_box->setCursorPosition(result.caret);
        }
    }
    if (fitsByteLimit(m_box->text()))
        m_lastFitting = m_box->text();
    m_changed = true;
    emit Change();
}

void HCText::boxFocusIn()
{
    m_changed = false;
    if (m_focusEffect) {
        setBoxBackColor(m_focusEffectParam);
        setSurfaceColor(m_focusEffectParam);
    }
    if (m_edgeFocus) {
        setEdgeStyle(m_edgeWidth + 1, edgeFocusColor());
        layoutFrame();
    }
    const int length = static_cast<int>(m_box->text().size());
    m_box->setSelection(length, -length);
    if (m_boxImeMode != m_rememberedImeMode)
        setBoxImeMode(m_rememberedImeMode);
}

void HCText::boxFocusOut()
{
    if (m_focusEffect) {
        setBoxBackColor(HCTextColor::White);
        setSurfaceColor(HCTextColor::White);
    }
    if (m_edgeFocus) {
        setEdgeStyle(m_edgeWidth, edgeColor());
        layoutFrame();
    }
    finishOnLeave();
    m_rememberedImeMode = m_boxImeMode;
}

// Leaving the field: trailing blanks go, a number field shows at least "0",
// other types get their formatting and the byte limit. A message about the
// entry comes before the text changes.
void HCText::finishOnLeave()
{
    setBoxText(HCTextFinishing::withoutTrailingBlanks(m_box->text()));
    if (m_acceptType == Rules::Number) {
        setBoxText(HCTextFinishing::number(m_box->text()));
        return;
    }
    if (!m_box->text().isEmpty())
        setFinishedText(HCTextFinishing::formatted(m_acceptType, m_box->text()), QCoreApplication::applicationName());
    setFinishedText(HCTextFinishing::withinByteLimit(m_box->text(), m_maxLength), QStringLiteral("입력길이 초과"));
}

void HCText::setFinishedText(const HCTextFinishing::Result &finished, const QString &failureTitle)
{
    informOfFailure(finished.failure, failureTitle);
    setBoxText(finished.text);
}

void HCText::informOfFailure(const QString &failure, const QString &title)
{
    if (failure.isEmpty())
        return;
    MessageRequest request;
    request.title = title;
    request.icon = MsgIcon::Information;
    request.text = failure;
    MessageBoxes::show(request);
}

// What the operator typed or pasted is kept as the text box of the code page
// would keep it: the text ends at a NUL, a character outside CP949 shows as
// "?", as it will be stored, and text beyond the byte limit is dropped without
// a word. A number whose display format still outgrows the limit after the
// cut (decimals added back) goes back to the last text that fitted, or to
// nothing when that outgrows it too.
void HCText::fitInputSilently()
{
    const QString text = m_box->text();
    QString kept = text.left(text.indexOf(QChar(0)));
    if (!Cp949::canEncode(kept))
        kept = Cp949::decode(Cp949::encode(kept));
    if (!fitsByteLimit(kept))
        kept = Cp949::leftBytes(kept, m_maxLength);
    if (kept == text)
        return;
    const int cursor = m_box->cursorPosition();
    for (const QString &candidate : {kept, m_lastFitting, QString()}) {
        m_box->setText(candidate);
        if (fitsByteLimit(m_box->text())) // the number format may outgrow the limit again
            break;
    }
    m_box->setCursorPosition(qMin(cursor, static_cast<int>(m_box->text().size())));
}

bool HCText::fitsByteLimit(const QString &text) const
{
    return m_maxLength <= 0 || Cp949::byteLength(text) <= m_maxLength;
}

QString HCText::FormatTime(const QString &sTime) const
{
    const HCTextFinishing::Result time = HCTextFinishing::time(sTime);
    informOfFailure(time.failure, QCoreApplication::applicationName());
    return time.text;
}

// ---- appearance ----

void HCText::setBoxText(const QString &text)
{
    if (m_box->text() != text)
        m_box->setText(text);
}

void HCText::setBoxBackColor(int color)
{
    m_backColor = color;
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::Base, HCTextColor::toQColor(color));
    m_box->setPalette(palette);
}

void HCText::setSurfaceColor(int color)
{
    m_surfaceColor = color;
    QPalette surface = palette();
    surface.setColor(QPalette::Window, HCTextColor::toQColor(color));
    setPalette(surface);
}

void HCText::setBoxImeMode(int mode)
{
    m_boxImeMode = mode;
    m_box->setInputMethodHints(imeHints(mode));
    m_box->setAttribute(Qt::WA_InputMethodEnabled, mode != 3);
}

void HCText::setEdgeStyle(int width, int color)
{
    for (HCTextEdge &edge : m_edges) {
        edge.width = width;
        edge.color = color;
    }
    update();
}

// The drawn frame shows only when the box has neither a border nor a 3-D look.
void HCText::updateEdgeVisibility()
{
    const bool visible = m_borderStyle == 0 && m_appearance == 0;
    for (HCTextEdge &edge : m_edges)
        edge.visible = visible;
    update();
}

void HCText::layoutFrame()
{
    const int frameWidth = m_borderStyle != 0 || m_appearance != 0 ? 0 : m_edges[HCTextFrame::Top].width;
    const QSize surface(pixelsToTwips(width()), pixelsToTwips(height()));
    const HCTextFrame::Layout layout = HCTextFrame::compute(frameWidth, surface, m_topMagin);
    if (layout.whiteSurface)
        setSurfaceColor(HCTextColor::White);
    const QRect box = layout.box;
    m_box->setGeometry(twipsToPixels(box.x()), twipsToPixels(box.y()), twipsToPixels(box.width()),
                       twipsToPixels(box.height()));
    for (size_t i = 0; i < m_edges.size(); ++i)
        m_edges[i].line = layout.lines[i];
    update();
}

void HCText::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutFrame();
}

void HCText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const HCTextEdge &edge : m_edges) {
        if (!edge.visible)
            continue;
        QPen pen(HCTextColor::toQColor(edge.color));
        pen.setWidth(edge.width);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        const QLine &l = edge.line;
        painter.drawLine(twipsToPixels(l.x1()), twipsToPixels(l.y1()), twipsToPixels(l.x2()), twipsToPixels(l.y2()));
    }
}

void HCText::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        setBoxBackColor(isEnabled() ? HCTextColor::White : HCTextColor::LightGrey);
        notify("Enabled");
    } else if (event->type() == QEvent::FontChange) {
        notify("Font");
    }
}

void HCText::notify(const char *name)
{
    if (!m_loading)
        emit propertyChanged(QString::fromLatin1(name));
}

bool HCText::ownEnabled() const { return parentWidget() ? isEnabledTo(parentWidget()) : isEnabled(); }

QFont HCText::ambientFont() const { return parentWidget() ? parentWidget()->font() : QApplication::font(); }
