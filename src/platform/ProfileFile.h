#pragma once
#include <QString>

// Classic sectioned profile (INI) files, read and written as the Windows profile
// functions do: CP949 text, case-insensitive section and key names, values
// trimmed of blanks, a damaged or missing file reads as empty.
class ProfileFile {
public:
    // The value, cut to maxChars characters, or defaultValue when absent.
    static QString read(const QString &path, const QString &section, const QString &key,
                        const QString &defaultValue = QString(), int maxChars = 255);
    // Adds or replaces key=value; creates the file and the section when absent.
    static bool write(const QString &path, const QString &section, const QString &key, const QString &value);
};
