#include "ProgramUpdater.h"

#include "ProgramFolder.h"
#include "PublishedRevision.h"
#include "Transfer.h"

#include <QBuffer>
#include <QFile>
#include <QProgressDialog>
#include <QSaveFile>
#include <QTextStream>

namespace {
constexpr qint64 kVersionTextBytes = 20;

QString withoutSuffix(const QString &programFile)
{
    const QString suffix = ProgramFolder::executableSuffix();
    if (!suffix.isEmpty() && programFile.endsWith(suffix, Qt::CaseInsensitive))
        return programFile.chopped(suffix.size());
    return programFile;
}

void report(const QString &text) { QTextStream(stderr) << "AutoUpdateV1: " << text << Qt::endl; }

void markRunnable(const QString &path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}
} // namespace

ProgramUpdater::ProgramUpdater(const QString &folder, const QString &server) : m_folder(folder), m_server(server)
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
    const std::optional<long> latest = latestRevision(order.programFile);
    if (!latest) {
        report(QStringLiteral("the published revision of %1 could not be read").arg(order.programFile));
        return Failed;
    }
    const QString newFile = m_folder + QStringLiteral("/New_") + order.programFile;
    if (*latest <= order.revision) {
        if (QFile::exists(newFile) && !QFile::remove(newFile))
            report(QStringLiteral("cannot remove the leftover ") + newFile);
        return Current;
    }
    return download(order.programFile) ? Stored : Failed;
}

std::optional<long> ProgramUpdater::latestRevision(const QString &programFile) const
{
    QBuffer text;
    text.open(QIODevice::WriteOnly);
    Transfer transfer(QUrl(address(withoutSuffix(programFile) + QStringLiteral("_lastver.txt"))), &text,
                      kVersionTextBytes);
    if (!transfer.run() || QString::fromLatin1(text.data()).trimmed().isEmpty())
        return std::nullopt;
    return PublishedRevision(QString::fromLatin1(text.data()));
}

bool ProgramUpdater::download(const QString &programFile) const
{
    const QString target = m_folder + QStringLiteral("/New_") + programFile;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        report(QStringLiteral("cannot write ") + target);
        return false;
    }
    Transfer transfer(QUrl(address(programFile)), &file);
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
        file.cancelWriting();
        report(QStringLiteral("the download of %1 did not complete").arg(programFile));
        return false;
    }
    if (!file.commit()) {
        report(QStringLiteral("cannot store ") + target);
        return false;
    }
    markRunnable(target);
    return true;
}
