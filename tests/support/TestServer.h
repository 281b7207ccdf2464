#pragma once
#include <QStringList>

// Stops and starts again the test server that scripts/test runs (its folder
// comes in QD_TEST_DB_FOLDER), for tests of a server going away under the
// program. The server is started again with the command line it ran with.
class TestServer {
public:
    static bool available();
    // Shuts the server down cleanly and waits until its process has ended.
    static void stop();
    // Starts it again and waits until it answers.
    static void start();

private:
    static QString folder();
    static bool answers();
    static QStringList s_commandLine;
};
