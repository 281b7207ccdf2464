#pragma once
#include <QString>

// The folder the program runs from: "config.ini", the SQL logs, "FormIni",
// "ExpExcel" and the companion programs live here. Tests redirect it.
class ProgramFolder {
public:
    static QString path();
    static QString file(const QString &name); // path() + "/" + name
    static void redirect(const QString &folder); // empty restores the real folder

    // Name of the running program file without folder or suffix ("Quotadesk").
    static QString executableBaseName();
    // The platform's suffix of program files: ".exe" on Windows, "" elsewhere.
    static QString executableSuffix();
    // base + executableSuffix(): the file name of a program of the suite.
    static QString programFileName(const QString &base);
};
