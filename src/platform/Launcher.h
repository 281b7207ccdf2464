#pragma once
#include <QString>
#include <functional>

// Starting other programs and opening documents. Tests install a handler that
// records the request instead of starting anything.
enum class WindowMode { Normal, Hidden, MinimizedNoActivate, Minimized };

struct LaunchRequest {
    enum Kind { Start, StartAndWait, OpenDocument } kind = Start;
    QString program;    // file to start or document to open
    QString parameters; // the parameter text, passed as one command-line tail
    QString folder;     // working folder
    WindowMode mode = WindowMode::Normal;
};

class Launcher {
public:
    using Handler = std::function<bool(const LaunchRequest &)>;

    // Starts without waiting; false when the start failed.
    static bool start(const QString &program, const QString &parameters, const QString &folder = QString(),
                      WindowMode mode = WindowMode::Normal);
    // Starts and waits without limit until the program ends; false when the start failed.
    static bool startAndWait(const QString &program, const QString &parameters, const QString &folder = QString(),
                             WindowMode mode = WindowMode::Normal);
    // Opens a document or folder with its associated application; false when
    // no application is associated with it or it could not be started.
    static bool openDocument(const QString &path);
    // False when the desktop reports no application for the file's type;
    // true where it cannot tell.
    static bool hasProgramFor(const QString &path);

    static void setHandler(Handler handler); // empty restores real starts

    // Splits a parameter text into arguments the way a Windows command line is
    // split (blanks separate, double quotes group).
    static QStringList splitParameters(const QString &parameters);
};
