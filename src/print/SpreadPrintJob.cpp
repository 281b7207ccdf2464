#include "SpreadPrintJob.h"

#include "SpreadGrid.h"
#include "SpreadPageRenderer.h"
#include "SpreadPrintLayout.h"

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

bool SpreadPrintJob::print(const SpreadGrid &grid, QPagedPaintDevice &device, int currentPage)
{
    const QPageSize paper = paperOf(device);
    const SpreadPrintLayout layout(grid, paper);
    const QList<int> pages = pagesToPrint(grid.Print(), layout.pageCount(), currentPage);
    if (pages.isEmpty())
        return true;
    if (auto *printer = dynamic_cast<QPrinter *>(&device)) {
        printer->setFullPage(true);
        if (!grid.Print().PrintJobName.isEmpty())
            printer->setDocName(grid.Print().PrintJobName);
    }
    device.setPageLayout(QPageLayout(paper, layout.orientation(), QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const SpreadPageRenderer renderer(grid, layout);
    bool first = true;
    for (int page : pages) {
        if (!first && !device.newPage())
            return false;
        first = false;
        const QRectF target(0, 0, device.width(), device.height());
        renderer.render(painter, target, page);
    }
    return painter.end();
}
