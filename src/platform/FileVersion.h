#pragma once
#include <QString>

// The "FileVersion" text stamped into a program file ("1.00.0027"), or a null
// string with *error set when the file is missing or carries no version.
QString ReadFileVersion(const QString &path, QString *error = nullptr);
