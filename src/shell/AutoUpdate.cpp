#include "AutoUpdate.h"

#include "ProgramExit.h"

#include "Cp949.h"
#include "Launcher.h"
#include "LeadingNumber.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "ShellUtils.h"
#include "UpdateLog.h"
#include "UpdateServer.h"
#include "UpdateSignature.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <memory>

#ifndef QD_REVISION
#error "QD_REVISION comes from the build (src/shell/CMakeLists.txt)"
#endif

namespace {
const QString kUpdaterBase = QStringLiteral("AutoUpdateV1");
const QString kChangerBase = QStringLiteral("filechanger");
const QString kNewPrefix = QStringLiteral("New_");
const QByteArray kAgent = "Quotadesk AutoUpdate/1.0";
constexpr qsizetype kVersionTextBytes = 20;
constexpr qsizetype kSignatureBytes = 65; // one more than a signature, so a longer file is refused
constexpr int kStallTimeoutMs = 15000;    // no data for this long ends a transfer
constexpr int kVersionTimeoutMs = 30000;  // the version text never takes longer

QNetworkRequest UpdateRequest(const QString &address)
{
    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setHeader(QNetworkRequest::UserAgentHeader, kAgent);
    request.setTransferTimeout(kStallTimeoutMs);
    return request;
}

// One blocking request on its own manager, which uses the system's proxy settings.
class Fetch {
public:
    explicit Fetch(const QString &address)
    {
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        m_reply.reset(m_manager.get(UpdateRequest(address)));
    }
    ~Fetch()
    {
        if (m_reply && m_reply->isRunning())
            m_reply->abort();
    }
    QNetworkReply *reply() const { return m_reply.get(); }

    // Runs until the reply has finished or stop() is called.
    void wait()
    {
        if (m_reply->isFinished())
            return;
        QObject::connect(m_reply.get(), &QNetworkReply::finished, &m_loop, &QEventLoop::quit);
        m_loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    void stop() { m_loop.quit(); }

    // The server answered with success (any status below 300; other schemes have none).
    bool succeeded() const
    {
        if (m_reply->error() != QNetworkReply::NoError)
            return false;
        const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        return !status.isValid() || status.toInt() < 300;
    }

private:
    QNetworkAccessManager m_manager;
    std::unique_ptr<QNetworkReply> m_reply;
    QEventLoop m_loop;
};

// The last part of the updater's file version, "0" when the file is absent.
QString UpdaterRevision(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QStringLiteral("0");
    const QString version = GetFileVer(path, true, true);
    return version.mid(version.lastIndexOf(QLatin1Char('.')) + 1);
}

// The first limit bytes of the resource at the address; empty on any failure.
QByteArray ReadUrlBytes(const QString &address, qsizetype limit)
{
    Fetch fetch(address);
    QByteArray bytes;
    QNetworkReply *reply = fetch.reply();
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        bytes += reply->read(limit - bytes.size());
        if (bytes.size() >= limit)
            fetch.stop();
    });
    QTimer::singleShot(kVersionTimeoutMs, reply, [&] { reply->abort(); });
    fetch.wait();
    return fetch.succeeded() ? bytes : QByteArray();
}

// Whether the signature published beside the file verifies the statement; a
// refusal is written to the update log.
bool SignedByDeployer(const QString &name, const QByteArray &statement)
{
    const QByteArray signature = ReadUrlBytes(UpdateDownloadFolder() + name + QStringLiteral(".sig"), kSignatureBytes);
    const std::optional<QString> refusal = UpdateSignature(UpdateServer::keys()).refusal(statement, signature);
    if (refusal)
        UpdateLog::refused(name, *refusal);
    return !refusal;
}

// Fetches one program of the suite, published under revision, into the
// program folder, ready to run; the local file is replaced only by a signed one.
bool DownloadProgram(const QString &name, long revision)
{
    const QString path = ProgramFolder::file(name);
    const auto isSigned = [&](const QByteArray &content) {
        return SignedByDeployer(name, UpdateSignature::fileStatement(name, revision, content));
    };
    if (!DownloadToFile(UpdateDownloadFolder() + name, path, isSigned))
        return false;
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    return true;
}

// The program's own file in the program folder, with its name as stored there; "" if absent.
QString OwnProgramFileName()
{
    const QString wanted = ProgramFolder::programFileName(ProgramFolder::executableBaseName());
#ifdef Q_OS_WIN
    const QDir::Filters filters = QDir::Files;
#else
    const QDir::Filters filters = QDir::Files | QDir::CaseSensitive;
#endif
    return QDir(ProgramFolder::path()).entryList({wanted}, filters).value(0);
}

void ReportMissingChanger(const QString &changer)
{
    MessageBoxes::show(MessageRequest{QStringLiteral("파일교체 프로그램을 찾을 수 없습니다.\r\n\r\n")
                                          + QDir::toNativeSeparators(changer),
                                      g_sAppTitle, MsgButtons::Ok, MsgIcon::None, MsgOk});
    Launcher::openDocument(ProgramFolder::path());
}
} // namespace

QString UpdateDownloadFolder()
{
    QString folder = UpdateServer::address();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral("download/자동업데이트_v1/");
}

QString ReadUrlText(const QString &address) { return Cp949::decode(ReadUrlBytes(address, kVersionTextBytes)); }

bool DownloadToFile(const QString &address, const QString &path, const ContentCheck &accept)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    Fetch fetch(address);
    QNetworkReply *reply = fetch.reply();
    bool writeFailed = false;
    qint64 received = 0;
    QByteArray content; // kept only for the check
    const auto store = [&] {
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        if (accept)
            content += chunk;
        if (file.write(chunk) != chunk.size()) {
            writeFailed = true;
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::readyRead, reply, store);
    fetch.wait();
    store();
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool complete = !announced.isValid() || announced.toLongLong() == received;
    if (writeFailed || !fetch.succeeded() || !complete || (accept && !accept(content))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool AutoUpdaterSelfUpdate()
{
    if (UpdateServer::address().isEmpty())
        return false;
    const QString name = ProgramFolder::programFileName(kUpdaterBase);
    const long localRevision = std::lround(LeadingNumber(UpdaterRevision(ProgramFolder::file(name))));
    const QString versionFile = kUpdaterBase + QStringLiteral("_lastver.txt");
    const QString text = ReadUrlText(UpdateDownloadFolder() + versionFile);
    if (text.trimmed().isEmpty()) {
        MessageBoxes::show(MessageRequest{name + QStringLiteral("의 최신버전 정보를 읽어올 수 없습니다!"), g_sAppTitle,
                                          MsgButtons::Ok, MsgIcon::Critical, MsgOk});
        return false;
    }
    const long latest = std::lround(LeadingNumber(text.trimmed()));
    // The announced revision counts only when the deployer signed it.
    if (!SignedByDeployer(versionFile, UpdateSignature::versionStatement(versionFile, latest)))
        return false;
    if (localRevision > latest)
        UpdateLog::refused(versionFile,
                           QStringLiteral("revision %1 is older than the installed %2").arg(latest).arg(localRevision));
    if (localRevision >= latest)
        return true;
    if (!DownloadProgram(name, latest))
        return false;
    return DownloadProgram(ProgramFolder::programFileName(kChangerBase), latest);
}

void RunAutoUpdate(bool skip)
{
    // An install the program cannot write to is updated by its package manager.
    if (UpdateServer::address().isEmpty() || !ProgramFolder::isWritable())
        return;
    if (!skip && !AutoUpdaterSelfUpdate())
        return;
    const QString exe = OwnProgramFileName();
    if (exe.isEmpty())
        return;
    RunAndWait(ProgramFolder::file(ProgramFolder::programFileName(kUpdaterBase)), nullptr,
               QString::number(QD_REVISION) + QLatin1Char(';') + exe, ProgramFolder::path(), false, false);
    if (!QFileInfo::exists(ProgramFolder::file(kNewPrefix + exe)))
        return;
    const QString changer = ProgramFolder::file(ProgramFolder::programFileName(kChangerBase));
    if (!QFileInfo::exists(changer)) {
        ReportMissingChanger(changer);
        ProgramExit::now(0);
        return;
    }
    // The program only ends once the file changer is on its way; otherwise it
    // goes on with the current version.
    if (Launcher::start(changer, exe + QLatin1Char(';') + kNewPrefix + exe, ProgramFolder::path(),
                        WindowMode::Minimized))
        ProgramExit::now(0);
}
