#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// What the program asks the updater for: its own revision and its file name,
// given as one argument "revision;program file" (for example 27;Quotadesk.exe).
struct UpdateOrder {
    int revision = 0;
    QString programFile;

    // The order in the arguments (without the program's own name); none when
    // they do not hold a revision and a plain file name.
    static std::optional<UpdateOrder> parse(const QStringList &arguments);
};
