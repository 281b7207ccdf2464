#pragma once
#include <QList>

#include <functional>

class QPageSize;
class QPagedPaintDevice;
class QPainter;
class SpreadGrid;
struct SpreadPrintSettings;

// Prints a grid with its print properties onto a printer or a PDF writer:
// all pages, a cell range, the page the preview shows, or a page range.
// A cancelled job leaves nothing behind: a printer job is withdrawn, a file
// removed. Where the device can do neither, the job is finished instead, so
// that the printer never gets part of a document.
class SpreadPrintJob {
public:
    enum Outcome { Printed, Failed, Cancelled };
    // Told the pages done and the pages to print, before the first page and
    // after each; false asks to cancel.
    using Progress = std::function<bool(int done, int total)>;

    // The pages (1-based) that PrintType selects out of pageCount.
    static QList<int> pagesToPrint(const SpreadPrintSettings &print, int pageCount, int currentPage);
    // The number of pages the grid prints on the device's paper.
    static int pageCount(const SpreadGrid &grid, const QPagedPaintDevice &device);
    // Failed when the device could not be painted on (no printer, unwritable file).
    static Outcome print(const SpreadGrid &grid, QPagedPaintDevice &device, int currentPage,
                         const Progress &progress = {});

private:
    static QPageSize paperOf(const QPagedPaintDevice &device);
    static bool discard(QPainter &painter, QPagedPaintDevice &device);
};
