#pragma once
#include "DateControlBase.h"

class DateEdit;
class PropertyStore;

// What HCDate and HCDateAdv share: one date field with its own properties
// and persisted keys; the options, font and events are those of every date
// control (DateControlBase). The subclasses build the parts around the field
// and lay them out.
class SingleDateControl : public DateControlBase {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(bool Enabled READ fieldEnabled WRITE setFieldEnabled)
    Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
public:
    DateEdit *field() const { return m_field; }

    // "" for an empty field, otherwise the field's text as it stands.
    QString text() const;
    // A date is shown "yyyy-mm-dd"; anything else empties the field.
    void setText(const QString &text);
    bool fieldEnabled() const;
    void setFieldEnabled(bool enabled);
    uint backColor() const;
    void setBackColor(uint colour);

    void ToDay();

    // Loading puts the stored "Text" in unchanged, without the date check.
    void loadProperties(const PropertyStore &store);
    void saveProperties(PropertyStore &store) const;

    // The design size, so that a host's layout gives the box its height.
    QSize sizeHint() const override { return m_designSize; }

protected:
    SingleDateControl(DateEdit *field, const QSize &designSize, QWidget *parent);
    // The parts enabled and disabled together with the field.
    virtual void setPartsEnabled(bool enabled) = 0;

private:
    DateEdit *m_field;
    QSize m_designSize;
};
