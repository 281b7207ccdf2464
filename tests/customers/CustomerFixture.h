#pragma once
#include "Launcher.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "TestWorkspace.h"

#include <QList>
#include <QStringList>

#include <memory>

// A known start for every screen test: empty tables with one admitted
// workstation and its operators, the program connected to the test server,
// the notice program present (its starts recorded, never run), the clock fixed.
class CustomerFixture {
public:
    CustomerFixture();
    ~CustomerFixture();

    TestDatabase db;
    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<MessageRecorder> messages;
    QList<LaunchRequest> launches;

    // Adds a customer directly; returns its key.
    int addCustomer(const QString &userid, const QString &username, const QString &hpno = QString(), long restcnt = 0);
    // Makes the server's now() read this moment on the program's connection.
    static void setServerTime(const QString &moment);
    QStringList notices() const; // texts handed to the notice program
    // Today's SQL log, one statement a line as the program wrote it (with
    // its ";", without the time in front).
    static QStringList sqlLog();
};
