#include "SpreadPrintJob.h"

#include "SpreadGrid.h"
#include "SpreadPageRenderer.h"
#include "SpreadPrintLayout.h"

#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

QList<int> SpreadPrintJob::pagesToPrint(const SpreadPrintSettings &print, int pageCount, int currentPage)
{
    QList<int> pages;
    switch (print.PrintType) {
    case PrintTypeCurrentPage: pages << qBound(1, currentPage, pageCount); break;
    case PrintTypePageRange: {
        const int first = qMax(1, print.PrintPageStart);
        const int last = qMin(pageCount, print.PrintPageEnd);
        for (int page = first; page <= last; ++page)
            pages << page;
        break;
    }
    default:
        for (int page = 1; page <= pageCount; ++page)
            pages << page;
        break;
    }
    return pages;
}

QPageSize SpreadPrintJob::paperOf(const QPagedPaintDevice &device)
{
    const QPageSize paper = device.pageLayout().pageSize();
    return paper.isValid() ? paper : QPageSize(QPageSize::A4);
}

int SpreadPrintJob::pageCount(const SpreadGrid &grid, const QPagedPaintDevice &device)
{
    return SpreadPrintLayout(grid, paperOf(device)).pageCount();
}

SpreadPrintJob::Outcome SpreadPrintJob::print(const SpreadGrid &grid, QPagedPaintDevice &device, int currentPage,
                                              const Progress &progress)
{
    const QPageSize paper = paperOf(device);
    const SpreadPrintLayout layout(grid, paper);
    const QList<int> pages = pagesToPrint(grid.Print(), layout.pageCount(), currentPage);
    if (pages.isEmpty())
        return Printed;
    if (auto *printer = dynamic_cast<QPrinter *>(&device)) {
        printer->setFullPage(true);
        if (!grid.Print().PrintJobName.isEmpty())
            printer->setDocName(grid.Print().PrintJobName);
    }
    device.setPageLayout(QPageLayout(paper, layout.orientation(), QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&device))
        return Failed;
    const SpreadPageRenderer renderer(grid, layout);
    const int total = static_cast<int>(pages.size());
    bool asking = static_cast<bool>(progress);
    for (int done = 0; done < total; ++done) {
        if (asking && !progress(done, total)) {
            if (discard(painter, device))
                return Cancelled;
            asking = false;
        }
        if (done > 0 && !device.newPage())
            return Failed;
        renderer.render(painter, QRectF(0, 0, device.width(), device.height()), pages.at(done));
    }
    if (asking)
        progress(total, total);
    return painter.end() ? Printed : Failed;
}

// Withdraws the job the painter has begun: the printer's own abort, or for
// output to a file, the file removed once it is closed.
bool SpreadPrintJob::discard(QPainter &painter, QPagedPaintDevice &device)
{
    auto *printer = dynamic_cast<QPrinter *>(&device);
    if (!printer)
        return false;
    if (printer->abort()) {
        painter.end();
        return true;
    }
    const QString file = printer->outputFileName();
    if (file.isEmpty())
        return false;
    painter.end();
    QFile::remove(file);
    return true;
}
