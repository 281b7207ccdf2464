#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

// The design-time properties of one control instance, kept by its host window
// under keys equal to the property names. A missing key reads as the default
// the control passes; values are plain texts and numbers.
class PropertyStore {
public:
    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const
    {
        return m_values.value(key, defaultValue);
    }
    void setValue(const QString &key, const QVariant &value)
    {
        if (!m_order.contains(key))
            m_order << key;
        m_values.insert(key, value);
    }
    bool contains(const QString &key) const { return m_values.contains(key); }
    // Keys in the order they were first written (the save order of a control).
    const QStringList &keys() const { return m_order; }

private:
    QHash<QString, QVariant> m_values;
    QStringList m_order;
};
