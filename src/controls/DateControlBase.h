#pragma once
#include "DateControlOptions.h"

#include <QFont>
#include <QWidget>

#include <vector>

class DateEdit;
class PropertyStore;

// What every date control shares: the design-time options applied to each of
// its date fields, the fields' font, and the fields' events passed on to the
// host.
//
// Events: KeyDown/KeyPress/KeyUp reach the host before the control's own key
// rules, by reference (set the key to 0 to cancel it); Change after every
// change of a field; DateClick after the calendar popup changed a field;
// Click is declared for hosts and never raised. propertyChanged(name) tells a
// designer that a property was set.
class DateControlBase : public QWidget {
    Q_OBJECT
    Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int BackStyle READ backStyle WRITE setBackStyle)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool AllowEmpty READ allowEmpty WRITE setAllowEmpty)
    Q_PROPERTY(bool FocusEffect READ focusEffect WRITE setFocusEffect)
    Q_PROPERTY(uint FocusEffectParam READ focusEffectParam WRITE setFocusEffectParam)
    Q_PROPERTY(QFont Font READ fieldFont WRITE setFieldFont)
    Q_PROPERTY(bool AutoTab READ autoTab WRITE setAutoTab)
    Q_PROPERTY(QWidget *hWnd READ hWnd CONSTANT)
public:
    uint foreColor() const { return m_options.foreColor; }
    void setForeColor(uint colour);
    int backStyle() const { return m_options.backStyle; }
    void setBackStyle(int style);
    int borderStyle() const { return m_options.borderStyle; }
    void setBorderStyle(int style);
    bool allowEmpty() const { return m_options.allowEmpty; }
    void setAllowEmpty(bool on);
    bool focusEffect() const { return m_options.focusEffect; }
    void setFocusEffect(bool on);
    uint focusEffectParam() const { return m_options.focusEffectParam; }
    void setFocusEffectParam(uint colour);
    QFont fieldFont() const;
    void setFieldFont(const QFont &font);
    bool autoTab() const { return m_options.autoTab; }
    void setAutoTab(bool on);
    QWidget *hWnd() { return this; }

    void Refresh() {}

signals:
    void KeyDown(int &keyCode, int &shift);
    void KeyPress(int &keyAscii);
    void KeyUp(int &keyCode, int &shift);
    void Change();
    void Click();
    void DateClick();
    void propertyChanged(const QString &name);

protected:
    explicit DateControlBase(QWidget *parent);
    // Makes a field one of the control's: the options apply to it and its
    // events reach the host.
    void adoptField(DateEdit *field);
    // The options and the font from a store; the font falls back to the host's.
    void loadOptions(const PropertyStore &store);
    void saveOptions(PropertyStore &store) const;

private:
    // Sets one option, applies the options to every field and tells the designer.
    template <class T> void setOption(T DateControlOptions::*option, T value, const char *name);
    void applyFont(const QFont &font);

    std::vector<DateEdit *> m_fields;
    DateControlOptions m_options;
};
