#include "PrintSession.h"

#include "MessageBoxes.h"
#include "PrintProgress.h"
#include "PrintSettings.h"
#include "SessionPreview.h"
#include "SpreadGrid.h"
#include "SpreadPrintJob.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QPrinter>

#include <functional>

PrintSession::PrintSession() = default;
PrintSession::~PrintSession() = default;

SpreadGrid *PrintSession::grid() const { return m_grid; }

void PrintSession::setGrid(SpreadGrid *grid) { m_grid = grid; }

PrintSettings PrintSession::settings() const { return PrintSettings(m_appName, m_section); }

QPrinter &PrintSession::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
    }
    return *m_printer;
}

bool PrintSession::printGrid()
{
    if (!m_grid)
        return false;
    SpreadPrintJob::Outcome outcome = SpreadPrintJob::Failed;
    {
        const WaitCursor wait;
        PrintProgress progress(m_appName, QApplication::activeWindow());
        const int page = m_preview ? m_preview->currentPage() : 1;
        outcome = SpreadPrintJob::print(*m_grid, printer(), page, std::ref(progress));
    }
    if (outcome == SpreadPrintJob::Failed) {
        MessageBoxes::show(MessageRequest{QStringLiteral("인쇄하지 못했습니다. 프린터를 확인하십시오."), m_appName,
                                          MsgButtons::Ok, MsgIcon::Exclamation, MsgOk});
    }
    return outcome == SpreadPrintJob::Printed;
}
