#include "Launcher.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {
Launcher::Handler &handler()
{
    static Launcher::Handler h;
    return h;
}

bool dispatch(const LaunchRequest &request, const std::function<bool()> &real)
{
    if (handler())
        return handler()(request);
    return real();
}
} // namespace

QStringList Launcher::splitParameters(const QString &parameters)
{
    QStringList args;
    QString current;
    bool quoted = false, any = false;
    for (QChar c : parameters) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            any = true;
        } else if (c.isSpace() && !quoted) {
            if (any || !current.isEmpty())
                args << current;
            current.clear();
            any = false;
        } else {
            current += c;
        }
    }
    if (any || !current.isEmpty())
        args << current;
    return args;
}

bool Launcher::start(const QString &program, const QString &parameters, const QString &folder, WindowMode mode)
{
    const LaunchRequest request{LaunchRequest::Start, program, parameters, folder, mode};
    return dispatch(request, [&] { return QProcess::startDetached(program, splitParameters(parameters), folder); });
}

bool Launcher::startAndWait(const QString &program, const QString &parameters, const QString &folder, WindowMode mode)
{
    const LaunchRequest request{LaunchRequest::StartAndWait, program, parameters, folder, mode};
    return dispatch(request, [&] {
        QProcess process;
        process.setProgram(program);
        process.setArguments(splitParameters(parameters));
        process.setWorkingDirectory(folder);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start();
        if (!process.waitForStarted())
            return false;
        process.waitForFinished(-1);
        return true;
    });
}

// The desktop's opener starts without waiting and says nothing when no
// program is associated with the file's type, so the association is asked
// first where the desktop can tell it; elsewhere the opener's answer stands.
bool Launcher::hasProgramFor(const QString &path)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true;
    QProcess query;
    query.start(xdgMime,
                {QStringLiteral("query"), QStringLiteral("default"), QMimeDatabase().mimeTypeForFile(path).name()});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit)
        return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
#else
    Q_UNUSED(path);
    return true;
#endif
}

bool Launcher::openDocument(const QString &path)
{
    const LaunchRequest request{LaunchRequest::OpenDocument, path, QString(), QString(), WindowMode::Normal};
    return dispatch(request,
                    [&] { return hasProgramFor(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
}

void Launcher::setHandler(Handler h) { handler() = std::move(h); }
