#include "PrintSession.h"

#include "MessageBoxes.h"
#include "PrintSettings.h"
#include "SessionPreview.h"
#include "SpreadGrid.h"
#include "SpreadPrintJob.h"
#include "WaitCursor.h"

#include <QPrinter>

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
    bool printed = false;
    {
        const WaitCursor wait;
        const int page = m_preview ? m_preview->currentPage() : 1;
        printed = SpreadPrintJob::print(*m_grid, printer(), page);
    }
    if (!printed) {
        MessageBoxes::show(MessageRequest{QStringLiteral("인쇄하지 못했습니다. 프린터를 확인하십시오."), m_appName,
                                          MsgButtons::Ok, MsgIcon::Exclamation, MsgOk});
    }
    return printed;
}
