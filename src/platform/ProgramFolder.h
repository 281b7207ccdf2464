#pragma once
#include <QString>

// The folder the program runs from, with its companion programs. Its own files
// ("config.ini", the SQL logs, "FormIni", "ExpExcel") go to DataFolder.
// Tests redirect it.
class ProgramFolder {
public:
    static QString path();
    static QString file(const QString &name);    // path() + "/" + name
    static void redirect(const QString &folder); // empty restores the real folder
    // Whether a file can be created in the folder (by this user, on this mount).
    static bool isWritable();

    // Name of the running program file without folder or suffix ("Quotadesk").
    static QString executableBaseName();
    // The platform's suffix of program files: ".exe" on Windows, "" elsewhere.
    static QString executableSuffix();
    // base + executableSuffix(): the file name of a program of the suite.
    static QString programFileName(const QString &base);
};
