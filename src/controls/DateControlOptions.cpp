#include "DateControlOptions.h"

#include "DateEdit.h"
#include "PropertyStore.h"

void DateControlOptions::load(const PropertyStore &store)
{
    const DateControlOptions defaults;
    foreColor = store.value(QStringLiteral("ForeColor"), defaults.foreColor).toUInt();
    backStyle = store.value(QStringLiteral("BackStyle"), defaults.backStyle).toInt();
    borderStyle = store.value(QStringLiteral("BorderStyle"), defaults.borderStyle).toInt();
    allowEmpty = store.value(QStringLiteral("AllowEmpty"), defaults.allowEmpty).toBool();
    focusEffect = store.value(QStringLiteral("FocusEffect"), defaults.focusEffect).toBool();
    focusEffectParam = store.value(QStringLiteral("FocusEffectParam"), defaults.focusEffectParam).toUInt();
    autoTab = store.value(QStringLiteral("AutoTab"), defaults.autoTab).toBool();
}

void DateControlOptions::save(PropertyStore &store) const
{
    store.setValue(QStringLiteral("ForeColor"), foreColor);
    store.setValue(QStringLiteral("BackStyle"), backStyle);
    store.setValue(QStringLiteral("BorderStyle"), borderStyle);
    store.setValue(QStringLiteral("AllowEmpty"), allowEmpty);
    store.setValue(QStringLiteral("FocusEffect"), focusEffect);
    store.setValue(QStringLiteral("FocusEffectParam"), focusEffectParam);
    store.setValue(QStringLiteral("AutoTab"), autoTab);
}

void DateControlOptions::applyTo(DateEdit *field) const
{
    field->setAllowEmpty(allowEmpty);
    field->setFocusEffect(focusEffect);
    field->setFocusEffectParam(focusEffectParam);
    field->setAutoTab(autoTab);
}
