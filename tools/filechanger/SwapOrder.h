#pragma once
#include <QStringList>
#include <optional>

// The file changer's order "program file;new file" (for example
// Quotadesk.exe;New_Quotadesk.exe): two plain file names in one folder.
struct SwapOrder {
    QString programFile;
    QString newFile;

    static std::optional<SwapOrder> parse(const QStringList &arguments);
};
