#include "DateControlBase.h"

#include "DateEdit.h"
#include "PropertyStore.h"

DateControlBase::DateControlBase(QWidget *parent) : QWidget(parent) {}

void DateControlBase::adoptField(DateEdit *field)
{
    m_fields.push_back(field);
    m_options.applyTo(field);
    connect(field, &DateEdit::KeyDown, this, &DateControlBase::KeyDown);
    connect(field, &DateEdit::KeyPress, this, &DateControlBase::KeyPress);
    connect(field, &DateEdit::KeyUp, this, &DateControlBase::KeyUp);
    connect(field, &DateEdit::Change, this, &DateControlBase::Change);
}

template <class T> void DateControlBase::setOption(T DateControlOptions::*option, T value, const char *name)
{
    m_options.*option = value;
    for (DateEdit *field : m_fields)
        m_options.applyTo(field);
    emit propertyChanged(QLatin1String(name));
}

void DateControlBase::setForeColor(uint colour) { setOption(&DateControlOptions::foreColor, colour, "ForeColor"); }
void DateControlBase::setBackStyle(int style) { setOption(&DateControlOptions::backStyle, style, "BackStyle"); }
void DateControlBase::setBorderStyle(int style) { setOption(&DateControlOptions::borderStyle, style, "BorderStyle"); }
void DateControlBase::setAllowEmpty(bool on) { setOption(&DateControlOptions::allowEmpty, on, "AllowEmpty"); }
void DateControlBase::setFocusEffect(bool on) { setOption(&DateControlOptions::focusEffect, on, "FocusEffect"); }
void DateControlBase::setFocusEffectParam(uint colour)
{
    setOption(&DateControlOptions::focusEffectParam, colour, "FocusEffectParam");
}
void DateControlBase::setAutoTab(bool on) { setOption(&DateControlOptions::autoTab, on, "AutoTab"); }

QFont DateControlBase::fieldFont() const { return m_fields.empty() ? font() : m_fields.front()->font(); }

void DateControlBase::applyFont(const QFont &font)
{
    for (DateEdit *field : m_fields)
        field->setFont(font);
}

void DateControlBase::setFieldFont(const QFont &font)
{
    applyFont(font);
    emit propertyChanged(QStringLiteral("Font"));
}

void DateControlBase::loadOptions(const PropertyStore &store)
{
    m_options.load(store);
    for (DateEdit *field : m_fields)
        m_options.applyTo(field);
    QFont font = parentWidget() ? parentWidget()->font() : this->font();
    if (store.contains(QStringLiteral("Font")))
        font.fromString(store.value(QStringLiteral("Font")).toString());
    applyFont(font);
}

void DateControlBase::saveOptions(PropertyStore &store) const
{
    m_options.save(store);
    store.setValue(QStringLiteral("Font"), fieldFont().toString());
}
