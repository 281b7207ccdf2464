#pragma once
#include <QString>

// Where the program keeps the files it writes itself: "config.ini", the daily
// SQL log, "FormIni" and "ExpExcel". That is the program folder when it can be
// written (a workstation copy), otherwise the user's own application data
// folder (an installed package, whose program folder is read-only).
class DataFolder {
public:
    static QString path();
    static QString file(const QString &name); // path() + "/" + name
};
