#include "PrintProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

PrintProgress::PrintProgress(const QString &title, QWidget *parent)
    : m_dialog(std::make_unique<QProgressDialog>(parent))
{
    m_dialog->setObjectName(QStringLiteral("PrintProgress"));
    m_dialog->setWindowTitle(title);
    m_dialog->setCancelButtonText(QStringLiteral("취소"));
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setMinimumDuration(ShowAfterMs);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumWidth(320);
}

PrintProgress::~PrintProgress() = default;

QString PrintProgress::label(int page, int total)
{
    return QStringLiteral("인쇄 중입니다. %1 / %2 페이지").arg(page).arg(total);
}

// The dialog shows the page being printed. It is brought up to date, and
// waiting events handled, at most every UpdateEveryMs: often enough to see
// the pages go by and to answer a click on "취소" at once.
bool PrintProgress::operator()(int done, int total)
{
    if (done == 0) {
        m_dialog->setRange(0, total);
        m_dialog->setLabelText(label(1, total));
        m_dialog->setValue(0);
        m_sinceUpdate.start();
    } else if (done == total || m_sinceUpdate.elapsed() >= UpdateEveryMs) {
        m_dialog->setLabelText(label(qMin(done + 1, total), total));
        m_dialog->setValue(done);
        QCoreApplication::processEvents();
        m_sinceUpdate.restart();
    }
    return !m_dialog->wasCanceled();
}
