#include "SingleDateControl.h"

#include "DateEdit.h"
#include "DateText.h"
#include "PropertyStore.h"

SingleDateControl::SingleDateControl(DateEdit *field, const QSize &designSize, QWidget *parent)
    : QWidget(parent), m_field(field), m_designSize(designSize)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    resize(m_designSize);
    setFocusProxy(m_field);
    m_field->setObjectName(QStringLiteral("meDate"));
    m_options.applyTo(m_field);
    connect(m_field, &DateEdit::KeyDown, this, &SingleDateControl::KeyDown);
    connect(m_field, &DateEdit::KeyPress, this, &SingleDateControl::KeyPress);
    connect(m_field, &DateEdit::KeyUp, this, &SingleDateControl::KeyUp);
    connect(m_field, &DateEdit::Change, this, &SingleDateControl::Change);
}

void SingleDateControl::applyOptions(const QString &changed)
{
    m_options.applyTo(m_field);
    emit propertyChanged(changed);
}

void SingleDateControl::setForeColor(uint colour)
{
    m_options.foreColor = colour;
    applyOptions(QStringLiteral("ForeColor"));
}

void SingleDateControl::setBackStyle(int style)
{
    m_options.backStyle = style;
    applyOptions(QStringLiteral("BackStyle"));
}

void SingleDateControl::setBorderStyle(int style)
{
    m_options.borderStyle = style;
    applyOptions(QStringLiteral("BorderStyle"));
}

QString SingleDateControl::text() const { return m_field->dateText(); }

void SingleDateControl::setText(const QString &text)
{
    m_field->setDateText(text);
    emit propertyChanged(QStringLiteral("Text"));
}

void SingleDateControl::setAllowEmpty(bool on)
{
    m_options.allowEmpty = on;
    applyOptions(QStringLiteral("AllowEmpty"));
}

bool SingleDateControl::fieldEnabled() const { return m_field->isEnabled(); }

void SingleDateControl::setFieldEnabled(bool enabled)
{
    setPartsEnabled(enabled);
    emit propertyChanged(QStringLiteral("Enabled"));
}

void SingleDateControl::setFocusEffect(bool on)
{
    m_options.focusEffect = on;
    applyOptions(QStringLiteral("FocusEffect"));
}

void SingleDateControl::setFocusEffectParam(uint colour)
{
    m_options.focusEffectParam = colour;
    applyOptions(QStringLiteral("FocusEffectParam"));
}

uint SingleDateControl::backColor() const { return m_field->backColor(); }

void SingleDateControl::setBackColor(uint colour)
{
    m_field->setBackColor(colour);
    emit propertyChanged(QStringLiteral("BackColor"));
}

QFont SingleDateControl::fieldFont() const { return m_field->font(); }

void SingleDateControl::setFieldFont(const QFont &font)
{
    m_field->setFont(font);
    emit propertyChanged(QStringLiteral("Font"));
}

void SingleDateControl::setAutoTab(bool on)
{
    m_options.autoTab = on;
    applyOptions(QStringLiteral("AutoTab"));
}

void SingleDateControl::ToDay() { m_field->setToday(); }

void SingleDateControl::loadProperties(const PropertyStore &store)
{
    m_options.load(store);
    m_options.applyTo(m_field);
    m_field->setRawText(store.value(QStringLiteral("Text"), DateText::EmptyPattern).toString());
    setPartsEnabled(store.value(QStringLiteral("Enabled"), true).toBool());
    m_field->setBackColor(store.value(QStringLiteral("BackColor"), DateColor::WindowBackground).toUInt());
    QFont font = parentWidget() ? parentWidget()->font() : this->font();
    if (store.contains(QStringLiteral("Font")))
        font.fromString(store.value(QStringLiteral("Font")).toString());
    m_field->setFont(font);
}

void SingleDateControl::saveProperties(PropertyStore &store) const
{
    m_options.save(store);
    store.setValue(QStringLiteral("Text"), m_field->rawText());
    store.setValue(QStringLiteral("Enabled"), m_field->isEnabled());
    store.setValue(QStringLiteral("BackColor"), m_field->backColor());
    store.setValue(QStringLiteral("Font"), m_field->font().toString());
}
