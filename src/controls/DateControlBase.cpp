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

void DateControlBase::applyOptions(const QString &changed)
{
    for (DateEdit *field : m_fields)
        m_options.applyTo(field);
    emit propertyChanged(changed);
}

void DateControlBase::setForeColor(uint colour)
{
    m_options.foreColor = colour;
    applyOptions(QStringLiteral("ForeColor"));
}

void DateControlBase::setBackStyle(int style)
{
    m_options.backStyle = style;
    applyOptions(QStringLiteral("BackStyle"));
}

void DateControlBase::setBorderStyle(int style)
{
    m_options.borderStyle = style;
    applyOptions(QStringLiteral("BorderStyle"));
}

void DateControlBase::setAllowEmpty(bool on)
{
    m_options.allowEmpty = on;
    applyOptions(QStringLiteral("AllowEmpty"));
}

void DateControlBase::setFocusEffect(bool on)
{
    m_options.focusEffect = on;
    applyOptions(QStringLiteral("FocusEffect"));
}

void DateControlBase::setFocusEffectParam(uint colour)
{
    m_options.focusEffectParam = colour;
    applyOptions(QStringLiteral("FocusEffectParam"));
}

void DateControlBase::setAutoTab(bool on)
{
    m_options.autoTab = on;
    applyOptions(QStringLiteral("AutoTab"));
}

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
