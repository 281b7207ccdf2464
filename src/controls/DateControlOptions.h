#pragma once
#include "DateColor.h"

class DateEdit;
class PropertyStore;

// The design-time settings every date control shares, with their defaults and
// their persisted keys. ForeColor, BackStyle and BorderStyle are kept and
// saved only; the others go to the date fields.
struct DateControlOptions {
    uint foreColor = 0;
    int backStyle = 0;
    int borderStyle = 0;
    bool allowEmpty = false;
    bool focusEffect = false;
    uint focusEffectParam = DateColor::FocusDefault;
    bool autoTab = true;

    void load(const PropertyStore &store);
    void save(PropertyStore &store) const;
    void applyTo(DateEdit *field) const;
};
