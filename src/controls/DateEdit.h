#pragma once
#include "DateColor.h"

#include <QLineEdit>
#include <QPointer>

// The masked date field "____-__-__" shared by every date control: digits only
// in the eight digit positions (typed over, the separators never move), today's
// date filled in when the field is entered, the date check with its message,
// the AutoTab keys and the host's key events.
//
// Key events reach the host first, by reference, so a host cancels a key by
// setting it to 0: KeyDown/KeyUp carry the key codes and shift state of the
// text box (HCTextKeys: Down 40, Shift 1), KeyPress the character code (13
// for Enter).
//
// Entering the field by the keyboard or by returning from another window
// selects the whole date; each digit is typed over the character at the
// caret, so typing 2012 over 2011-05-18 gives 2012-05-18.
class DateEdit : public QLineEdit {
    Q_OBJECT
public:
    // When the date check runs as the focus leaves the field:
    // None           never;
    // AfterLeaving   once the focus has gone: message, focus back; the action
    //                that took the focus (a button click) still happens;
    // BeforeLeaving  before anything else happens: message, focus back and the
    //                click or shortcut that would have taken the focus is refused.
    // Switching to another window is not leaving: the focus comes back to the
    // field. Under BeforeLeaving, switching to another program checks the date
    // at once (message, the focus kept for the return).
    enum class Check { None, AfterLeaving, BeforeLeaving };

    explicit DateEdit(QWidget *parent = nullptr);
    ~DateEdit() override;

    // The field as shown, "____-__-__" when empty.
    QString rawText() const { return displayText(); }
    // Puts a text in unchanged (as loaded); "" gives the empty pattern.
    void setRawText(const QString &text);
    // "" for the empty pattern, otherwise the field's text unchanged.
    QString dateText() const;
    // A date is shown "yyyy-mm-dd"; anything else empties the field.
    void setDateText(const QString &text);
    bool isEmptyPattern() const;
    bool holdsDate() const;
    void setToday();
    // One day back or forward; an empty field becomes today, a half-typed one stays.
    void shiftDays(int step);

    // The date check: passes for a date, or for the empty pattern when empty is
    // allowed. A failure shows the message and puts the focus back here.
    bool checkDate();
    bool passesCheck() const;
    // Checks the date field that has the focus, unless it is except: for
    // buttons that are no tab stops and so take no focus when clicked.
    static bool focusedFieldPasses(const DateEdit *except = nullptr);
    // What entering the field does: the focus colour, and today's date in a
    // field without a date unless empty is allowed.
    void applyFocusGained();

    void setCheck(Check check) { m_check = check; }
    bool autoTab() const { return m_autoTab; }
    void setAutoTab(bool on) { m_autoTab = on; }
    bool allowEmpty() const { return m_allowEmpty; }
    void setAllowEmpty(bool on) { m_allowEmpty = on; }
    bool focusEffect() const { return m_focusEffect; }
    void setFocusEffect(bool on) { m_focusEffect = on; }
    uint focusEffectParam() const { return m_focusEffectParam; }
    void setFocusEffectParam(uint colour) { m_focusEffectParam = colour; }
    // The field's current background (the focus colour while it shows).
    uint backColor() const { return m_backColor; }
    void setBackColor(uint colour);

signals:
    void KeyDown(int &keyCode, int &shift);
    void KeyPress(int &keyAscii);
    void KeyUp(int &keyCode, int &shift);
    void Change();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKeyPress(QKeyEvent *event);
    bool refusedByTheDigits(int keyAscii) const;
    void prepareForDigit();
    void leave(Qt::FocusReason reason);
    void checkOnDeactivation();
    void noticeFocusElsewhere(QObject *receiver);
    void moveFocus(bool forward);
    void failLeaving(QWidget *taker, Qt::FocusReason reason);
    bool refusesShortcut(QObject *receiver);
    bool refusesMouse(QObject *receiver, QEvent *event);

    Check m_check = Check::None;
    bool m_autoTab = true;
    bool m_allowEmpty = false;
    bool m_focusEffect = false;
    uint m_focusEffectParam = DateColor::FocusDefault;
    uint m_backColor = DateColor::WindowBackground;
    bool m_focused = false;      // had a focus-in that has not left yet
    bool m_away = false;         // the window lost activation while the field had focus
    bool m_restoring = false;    // focus put back after a failed check
    QPointer<QWidget> m_refused; // widget whose pending click is refused
};
