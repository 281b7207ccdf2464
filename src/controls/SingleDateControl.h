#pragma once
#include "DateControlOptions.h"

#include <QFont>
#include <QWidget>

class DateEdit;
class PropertyStore;

// What HCDate and HCDateAdv share: one date field with its properties, the
// persisted keys and the events passed on to the host. The subclasses build
// the parts around the field and lay them out.
//
// Events: KeyDown/KeyPress/KeyUp reach the host before the control's own key
// rules, by reference (set the key to 0 to cancel it); Change after every
// change of the field; DateClick after the calendar popup changed the field;
// Click is declared for hosts and never raised. propertyChanged(name) tells a
// designer that a property was set.
class SingleDateControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int BackStyle READ backStyle WRITE setBackStyle)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(bool AllowEmpty READ allowEmpty WRITE setAllowEmpty)
    Q_PROPERTY(bool Enabled READ fieldEnabled WRITE setFieldEnabled)
    Q_PROPERTY(QWidget *hWnd READ hWnd CONSTANT)
    Q_PROPERTY(bool FocusEffect READ focusEffect WRITE setFocusEffect)
    Q_PROPERTY(uint FocusEffectParam READ focusEffectParam WRITE setFocusEffectParam)
    Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QFont Font READ fieldFont WRITE setFieldFont)
    Q_PROPERTY(bool AutoTab READ autoTab WRITE setAutoTab)
public:
    DateEdit *field() const { return m_field; }

    uint foreColor() const { return m_options.foreColor; }
    void setForeColor(uint colour);
    int backStyle() const { return m_options.backStyle; }
    void setBackStyle(int style);
    int borderStyle() const { return m_options.borderStyle; }
    void setBorderStyle(int style);
    // "" for an empty field, otherwise the field's text as it stands.
    QString text() const;
    // A date is shown "yyyy-mm-dd"; anything else empties the field.
    void setText(const QString &text);
    bool allowEmpty() const { return m_options.allowEmpty; }
    void setAllowEmpty(bool on);
    bool fieldEnabled() const;
    void setFieldEnabled(bool enabled);
    QWidget *hWnd() { return this; }
    bool focusEffect() const { return m_options.focusEffect; }
    void setFocusEffect(bool on);
    uint focusEffectParam() const { return m_options.focusEffectParam; }
    void setFocusEffectParam(uint colour);
    uint backColor() const;
    void setBackColor(uint colour);
    QFont fieldFont() const;
    void setFieldFont(const QFont &font);
    bool autoTab() const { return m_options.autoTab; }
    void setAutoTab(bool on);

    void ToDay();
    void Refresh() {}

    // Loading puts the stored "Text" in unchanged, without the date check.
    void loadProperties(const PropertyStore &store);
    void saveProperties(PropertyStore &store) const;

    // The design size, so that a host's layout gives the box its height.
    QSize sizeHint() const override { return m_designSize; }

signals:
    void KeyDown(int &keyCode, int &shift);
    void KeyPress(int &keyAscii);
    void KeyUp(int &keyCode, int &shift);
    void Change();
    void Click();
    void DateClick();
    void propertyChanged(const QString &name);

protected:
    SingleDateControl(DateEdit *field, const QSize &designSize, QWidget *parent);
    // The parts enabled and disabled together with the field.
    virtual void setPartsEnabled(bool enabled) = 0;

private:
    void applyOptions(const QString &changed);

    DateEdit *m_field;
    DateControlOptions m_options;
    QSize m_designSize;
};
