#pragma once
#include <QString>

// The per-user settings store, addressed by application, section and key.
// Windows: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<app>\<section>.
// Elsewhere: one INI file per application in the user's configuration folder,
// readable by the user only.
class SettingsStore {
public:
    static QString get(const QString &app, const QString &section, const QString &key,
                       const QString &defaultValue = QString());
    static void save(const QString &app, const QString &section, const QString &key, const QString &value);
    static void remove(const QString &app, const QString &section, const QString &key);

    // Folder of the INI files; tests point it at a temporary folder. Empty restores.
    static void redirect(const QString &folder);
    static QString fileFor(const QString &app);
};

inline QString GetSetting(const QString &app, const QString &section, const QString &key,
                          const QString &defaultValue = QString())
{
    return SettingsStore::get(app, section, key, defaultValue);
}
inline void SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value)
{
    SettingsStore::save(app, section, key, value);
}
