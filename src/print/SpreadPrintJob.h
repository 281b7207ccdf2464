#pragma once
#include <QList>

class QPageSize;
class QPagedPaintDevice;
class SpreadGrid;
struct SpreadPrintSettings;

// Prints a grid with its print properties onto a printer or a PDF writer:
// all pages, a cell range, the page the preview shows, or a page range.
class SpreadPrintJob {
public:
    // The pages (1-based) that PrintType selects out of pageCount.
    static QList<int> pagesToPrint(const SpreadPrintSettings &print, int pageCount, int currentPage);
    // The number of pages the grid prints on the device's paper.
    static int pageCount(const SpreadGrid &grid, const QPagedPaintDevice &device);
    // False when the device could not be painted on (no printer, unwritable file).
    static bool print(const SpreadGrid &grid, QPagedPaintDevice &device, int currentPage);

private:
    static QPageSize paperOf(const QPagedPaintDevice &device);
};
