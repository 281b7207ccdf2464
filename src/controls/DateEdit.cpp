#include "DateEdit.h"

#include "Clock.h"
#include "DateText.h"
#include "HCTextKeys.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>

DateEdit::DateEdit(QWidget *parent) : QLineEdit(parent)
{
    setInputMask(QStringLiteral("0000-00-00;_"));
    connect(this, &QLineEdit::textChanged, this, &DateEdit::Change);
    qApp->installEventFilter(this);
}

DateEdit::~DateEdit() { qApp->removeEventFilter(this); }

void DateEdit::setRawText(const QString &text) { setText(text == DateText::EmptyPattern ? QString() : text); }

QString DateEdit::dateText() const { return isEmptyPattern() ? QString() : rawText(); }

void DateEdit::setDateText(const QString &text) { setRawText(DateText::normalized(text)); }

bool DateEdit::isEmptyPattern() const { return rawText() == DateText::EmptyPattern; }

bool DateEdit::holdsDate() const { return DateText::isDate(rawText()); }

void DateEdit::setToday() { setRawText(DateText::today()); }

void DateEdit::shiftDays(int step)
{
    const QDate date = DateText::toDate(rawText());
    if (date.isValid())
        setRawText(DateText::format(date.addDays(step)));
    else if (isEmptyPattern())
        setToday();
}

bool DateEdit::focusedFieldPasses(const DateEdit *except)
{
    auto *focused = qobject_cast<DateEdit *>(QApplication::focusWidget());
    return !focused || focused == except || focused->checkDate();
}

bool DateEdit::passesCheck() const { return (m_allowEmpty && isEmptyPattern()) || holdsDate(); }

bool DateEdit::checkDate()
{
    if (passesCheck())
        return true;
    DateText::showCheckMessage();
    m_restoring = true;
    setFocus(Qt::OtherFocusReason);
    m_restoring = false;
    return false;
}

void DateEdit::applyFocusGained()
{
    if (m_focusEffect)
        setBackColor(m_focusEffectParam);
    if (!holdsDate() && !m_allowEmpty)
        setToday();
    selectAll(); // typing starts at the year
}

void DateEdit::setBackColor(uint colour)
{
    m_backColor = colour;
    QPalette p = palette();
    p.setColor(QPalette::Base, DateColor::toQColor(colour));
    setPalette(p);
}

void DateEdit::keyPressEvent(QKeyEvent *event)
{
    if (!handleKeyPress(event))
        QLineEdit::keyPressEvent(event);
}

// The host sees each key first; the field's own rules act on the key as the
// host left it. Returns true when the key has been dealt with here.
bool DateEdit::handleKeyPress(QKeyEvent *event)
{
    int keyCode = HCTextKeys::keyCode(*event);
    int shift = HCTextKeys::shiftState(event->modifiers());
    emit KeyDown(keyCode, shift);
    if (keyCode == 0)
        return true;
    if (m_autoTab && (keyCode == HCTextKeys::Down || keyCode == HCTextKeys::Up)) {
        moveFocus(keyCode == HCTextKeys::Down);
        return true;
    }
    if (event->text().isEmpty() || event->key() == Qt::Key_Delete)
        return false;
    const int typed = event->text().at(0).unicode();
    int keyAscii = typed;
    emit KeyPress(keyAscii);
    if (keyAscii == 0)
        return true;
    if (keyAscii == '\r' && m_autoTab) {
        moveFocus(true);
        return true;
    }
    if (keyAscii >= '0' && keyAscii <= '9')
        prepareForDigit();
    else if (refusedByTheDigits(keyAscii))
        return true;
    if (keyAscii != typed) {
        QKeyEvent replaced(event->type(), 0, event->modifiers(), QString(QChar(keyAscii)));
        QLineEdit::keyPressEvent(&replaced);
        return true;
    }
    return false;
}

// A character the digit positions cannot take changes nothing: the masked
// box would drop the selected date for it. A "-" with nothing selected steps
// over the separator, as the masked box does.
bool DateEdit::refusedByTheDigits(int keyAscii) const
{
    if (keyAscii < 32)
        return false;
    return keyAscii != '-' || hasSelectedText();
}

// Text composed with an input method (hangul, say) has no place among the
// digits; digits so composed are typed as keys are.
void DateEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    if (std::any_of(commit.cbegin(), commit.cend(), [](QChar c) { return c < u'0' || c > u'9'; })) {
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

// A digit is typed over the one character at the caret (at the start of a
// selection), so the rest of the date stays whatever was selected before.
void DateEdit::prepareForDigit() { setSelection(hasSelectedText() ? selectionStart() : cursorPosition(), 1); }

void DateEdit::keyReleaseEvent(QKeyEvent *event)
{
    int keyCode = HCTextKeys::keyCode(*event);
    int shift = HCTextKeys::shiftState(event->modifiers());
    emit KeyUp(keyCode, shift);
    QLineEdit::keyReleaseEvent(event);
}

void DateEdit::moveFocus(bool forward) { focusNextPrevChild(forward); }

void DateEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    const bool returning = m_restoring || (m_away && event->reason() == Qt::ActiveWindowFocusReason);
    m_focused = true;
    m_away = false;
    if (!returning) {
        applyFocusGained();
        return;
    }
    if (m_focusEffect)
        setBackColor(m_focusEffectParam);
    selectAll();
}

void DateEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_focused || m_restoring)
        return;
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        m_away = true;
        if (reason == Qt::ActiveWindowFocusReason && !QApplication::activeWindow())
            checkOnDeactivation();
        return;
    }
    leave(reason);
}

// The focus has left the field for another field or button: the colour goes
// back to white and the date is checked.
void DateEdit::leave(Qt::FocusReason reason)
{
    m_focused = false;
    m_away = false;
    if (m_focusEffect)
        setBackColor(DateColor::White);
    if (m_check != Check::None && !passesCheck())
        failLeaving(QApplication::focusWidget(), reason);
}

// The operator switched to another program: a field that checks before the
// focus leaves checks now, and keeps the focus for the operator's return.
void DateEdit::checkOnDeactivation()
{
    if (m_check != Check::BeforeLeaving || passesCheck())
        return;
    DateText::showCheckMessage();
    m_restoring = true;
    setFocus(Qt::OtherFocusReason);
    m_restoring = false;
}

// The focus has just gone to taker: take it back, tell the operator, and under
// BeforeLeaving refuse the click that is on its way to taker.
void DateEdit::failLeaving(QWidget *taker, Qt::FocusReason reason)
{
    m_restoring = true;
    setFocus(Qt::OtherFocusReason);
    m_restoring = false;
    DateText::showCheckMessage();
    if (m_check == Check::BeforeLeaving && reason == Qt::MouseFocusReason && taker != this) {
        m_refused = taker;
        QTimer::singleShot(0, this, [this] { m_refused = nullptr; });
    }
}

bool DateEdit::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn: noticeFocusElsewhere(watched); return false;
    case QEvent::Shortcut: return refusesShortcut(watched);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: return refusesMouse(watched, event);
    default: return false;
    }
}

// The field lost the focus to another window (a calendar popup, a dialog)
// and the focus came back to another widget of its own window: it has left.
void DateEdit::noticeFocusElsewhere(QObject *receiver)
{
    auto *widget = qobject_cast<QWidget *>(receiver);
    if (m_away && m_focused && widget && widget != this && widget->window() == window())
        leave(Qt::OtherFocusReason);
}

// A shortcut (a button's &-key) would act without the focus leaving first:
// check before it reaches its widget.
bool DateEdit::refusesShortcut(QObject *receiver)
{
    if (m_check != Check::BeforeLeaving || !hasFocus())
        return false;
    auto *widget = qobject_cast<QWidget *>(receiver);
    if (!widget || widget == this || widget->window() != window() || widget->focusPolicy() == Qt::NoFocus)
        return false;
    return !checkDate();
}

bool DateEdit::refusesMouse(QObject *receiver, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(receiver);
    if (!m_refused || !widget || (widget != m_refused && !m_refused->isAncestorOf(widget)))
        return false;
    if (event->type() == QEvent::MouseButtonRelease)
        m_refused = nullptr;
    return true;
}
