#include "SingleDateControl.h"

#include "DateEdit.h"
#include "DateText.h"
#include "PropertyStore.h"

SingleDateControl::SingleDateControl(DateEdit *field, const QSize &designSize, QWidget *parent)
    : DateControlBase(parent), m_field(field), m_designSize(designSize)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    resize(m_designSize);
    setFocusProxy(m_field);
    m_field->setObjectName(QStringLiteral("meDate"));
    adoptField(m_field);
}

QString SingleDateControl::text() const { return m_field->dateText(); }

void SingleDateControl::setText(const QString &text)
{
    m_field->setDateText(text);
    emit propertyChanged(QStringLiteral("Text"));
}

bool SingleDateControl::fieldEnabled() const { return m_field->isEnabled(); }

void SingleDateControl::setFieldEnabled(bool enabled)
{
    setPartsEnabled(enabled);
    emit propertyChanged(QStringLiteral("Enabled"));
}

uint SingleDateControl::backColor() const { return m_field->backColor(); }

void SingleDateControl::setBackColor(uint colour)
{
    m_field->setBackColor(colour);
    emit propertyChanged(QStringLiteral("BackColor"));
}

void SingleDateControl::ToDay() { m_field->setToday(); }

void SingleDateControl::loadProperties(const PropertyStore &store)
{
    loadOptions(store);
    m_field->setRawText(store.value(QStringLiteral("Text"), DateText::EmptyPattern).toString());
    setPartsEnabled(store.value(QStringLiteral("Enabled"), true).toBool());
    m_field->setBackColor(store.value(QStringLiteral("BackColor"), DateColor::WindowBackground).toUInt());
}

void SingleDateControl::saveProperties(PropertyStore &store) const
{
    saveOptions(store);
    store.setValue(QStringLiteral("Text"), m_field->rawText());
    store.setValue(QStringLiteral("Enabled"), m_field->isEnabled());
    store.setValue(QStringLiteral("BackColor"), m_field->backColor());
}
