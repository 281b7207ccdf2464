#pragma once
#include <QString>

// The download server of the automatic update, fixed when the program is built
// (empty: no automatic update). Quotadesk and its updater read it here alike.
// Tests point it at a local server.
class UpdateServer {
public:
    static QString address();
    static void redirect(const QString &address); // a null string restores the built-in one
};
