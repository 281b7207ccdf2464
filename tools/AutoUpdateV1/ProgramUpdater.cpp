#include "ProgramUpdater.h"

#include "ProgramFolder.h"
#include "PublishedRevision.h"
#include "Transfer.h"
#include "UpdateLog.h"

#include <QBuffer>
#include <QFile>
#include <QProgressDialog>
#include <QSaveFile>
#include <QTextStream>

namespace {
constexpr qint64 kVersionTextBytes = 20;
constexpr qint64 kSignatureBytes = 65; // one more than a signature, so a longer file is refused

QString withoutSuffix(const QString &programFile)
{
    const QString suffix = ProgramFolder::executableSuffix();
    if (!suffix.isEmpty() && programFile.endsWith(suffix, Qt::CaseInsensitive))
        return programFile.chopped(suffix.size());
    return programFile;
}

QString versionFileOf(const QString &programFile)
{
    return withoutSuffix(programFile) + QStringLiteral("_lastver.txt");
}

void report(const QString &text) { QTextStream(stderr) << "AutoUpdateV1: " << text << Qt::endl; }

void markRunnable(const QString &path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

// The first limit bytes of the resource; empty when it could not be read.
QByteArray fetchStart(const QUrl &url, qint64 limit)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    Transfer transfer(url, &bytes, limit);
    return transfer.run() ? bytes.data() : QByteArray();
}
} // namespace

ProgramUpdater::ProgramUpdater(const QString &folder, const QString &server, UpdateSignature signature)
    : m_folder(folder), m_server(server), m_signature(std::move(signature))
{
    if (!m_server.isEmpty() && !m_server.endsWith(QLatin1Char('/')))
        m_server += QLatin1Char('/');
}

QString ProgramUpdater::address(const QString &name) const
{
    return m_server + QStringLiteral("download/자동업데이트_v1/") + name;
}

ProgramUpdater::Result ProgramUpdater::run(const UpdateOrder &order)
{
    if (m_server.isEmpty())
        return Current; // this build has no download server
    const QString newFile = m_folder + QStringLiteral("/New_") + order.programFile;
    if (QFile::exists(newFile) && !QFile::remove(newFile)) {
        report(QStringLiteral("cannot remove the leftover ") + newFile);
        return Failed;
    }
    const std::optional<long> latest = latestRevision(order.programFile);
    if (!latest)
        return Failed;
    if (*latest < order.revision)
        UpdateLog::refused(
            versionFileOf(order.programFile),
            QStringLiteral("revision %1 is older than the installed %2").arg(*latest).arg(order.revision));
    if (*latest <= order.revision)
        return Current;
    const std::optional<QByteArray> content = download(order.programFile);
    if (!content || !isSigned(order.programFile, UpdateSignature::fileStatement(order.programFile, *latest, *content)))
        return Failed;
    return store(order.programFile, *content) ? Stored : Failed;
}

std::optional<long> ProgramUpdater::latestRevision(const QString &programFile) const
{
    const QString versionFile = versionFileOf(programFile);
    const QString text = QString::fromLatin1(fetchStart(QUrl(address(versionFile)), kVersionTextBytes));
    if (text.trimmed().isEmpty()) {
        report(QStringLiteral("the published revision of %1 could not be read").arg(programFile));
        return std::nullopt;
    }
    const long revision = PublishedRevision(text);
    if (!isSigned(versionFile, UpdateSignature::versionStatement(versionFile, revision)))
        return std::nullopt;
    return revision;
}

bool ProgramUpdater::isSigned(const QString &name, const QByteArray &statement) const
{
    const QByteArray signature = fetchStart(QUrl(address(name + QStringLiteral(".sig"))), kSignatureBytes);
    const std::optional<QString> refusal = m_signature.refusal(statement, signature);
    if (refusal) {
        UpdateLog::refused(name, *refusal);
        report(name + QStringLiteral(" refused: ") + *refusal);
    }
    return !refusal;
}

std::optional<QByteArray> ProgramUpdater::download(const QString &programFile) const
{
    QBuffer content;
    content.open(QIODevice::WriteOnly);
    Transfer transfer(QUrl(address(programFile)), &content);
    QProgressDialog dialog(QStringLiteral("%1의 새 버전을 받고 있습니다.").arg(programFile), QStringLiteral("취소"), 0,
                           100);
    dialog.setWindowTitle(QStringLiteral("자동 업데이트"));
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    QObject::connect(&transfer, &Transfer::progress, &dialog, [&dialog](qint64 got, qint64 total) {
        dialog.setMaximum(total > 0 ? 100 : 0);
        dialog.setValue(total > 0 ? static_cast<int>(got * 100 / total) : 0);
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &transfer, &Transfer::cancel);
    dialog.show();
    if (!transfer.run() || transfer.received() == 0) {
        report(QStringLiteral("the download of %1 did not complete").arg(programFile));
        return std::nullopt;
    }
    return content.data();
}

bool ProgramUpdater::store(const QString &programFile, const QByteArray &content) const
{
    const QString target = m_folder + QStringLiteral("/New_") + programFile;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        report(QStringLiteral("cannot store ") + target);
        return false;
    }
    markRunnable(target);
    return true;
}
