// Printing a long history: laying out 100,000 rows and showing the first
// preview page against drawing one page; drawing page 1,000 against page 1;
// printing 1,000 pages to a PDF file with the progress dialog against the
// same print without it.
#include "PrintProgress.h"
#include "ReDrawGuard.h"
#include "SpreadGrid.h"
#include "SpreadPageRenderer.h"
#include "SpreadPreviewView.h"
#include "SpreadPrintJob.h"
#include "SpreadPrintLayout.h"
#include "modSpread.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
constexpr int Rows = 100000;
constexpr int PrintedPages = 1000;

void fill(SpreadGrid &grid)
{
    const ReDrawGuard noPaint(grid);
    grid.SetMaxCols(8);
    grid.SetMaxRows(Rows);
    SetNumberColumn(grid, 5, 0, true, -1, true, false);
    SetNumberColumn(grid, 6, 0, true, -1, true, false);
    const char *heads[] = {"일자", "시간", "구분", "건수", "금액", "잔여", "처리자", "메모"};
    for (int col = 1; col <= 8; ++col) {
        grid.SetText(col, 0, QString::fromUtf8(heads[col - 1]));
        grid.SetColWidth(col, col == 8 ? 24 : 10);
    }
    for (int row = 1; row <= Rows; ++row) {
        grid.SetText(1, row, QStringLiteral("2011-05-%1").arg(row % 28 + 1, 2, 10, QLatin1Char('0')));
        grid.SetText(2, row, QStringLiteral("14:%1").arg(row % 60, 2, 10, QLatin1Char('0')));
        grid.SetText(3, row, row % 3 ? QStringLiteral("사용") : QStringLiteral("충전"));
        grid.SetText(4, row, QString::number(row % 500));
        grid.SetText(5, row, QString::number(row * 10));
        grid.SetText(6, row, QString::number(Rows - row));
        grid.SetText(7, row, QStringLiteral("운영자"));
        grid.SetText(8, row, QStringLiteral("메모 %1").arg(row));
    }
    grid.Print().PrintHeader = QStringLiteral("/fn\"굴림체\"/fz\"16\"/fb1/c충전 및 사용 내역/n/n/fz\"10\"/l상호/n");
    grid.Print().PrintFooter = QStringLiteral("/n/lPage: /p///pc/c출력일:2011.05.23");
    grid.Print().PrintUseDataMax = false;
}

double drawMs(const SpreadGrid &grid, const SpreadPrintLayout &layout, int page, int times)
{
    QImage image(794, 1123, QImage::Format_RGB32);
    const SpreadPageRenderer renderer(grid, layout);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < times; ++i) {
        QPainter painter(&image);
        renderer.render(painter, QRectF(0, 0, 794, 1123), page);
    }
    return timer.nsecsElapsed() / 1e6 / times;
}
// Pages per second of printing the first PrintedPages pages into a PDF file.
double printRate(SpreadGrid &grid, bool withProgress)
{
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("bench.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    grid.Print().PrintType = PrintTypePageRange;
    grid.Print().PrintPageStart = 1;
    grid.Print().PrintPageEnd = PrintedPages;
    QElapsedTimer timer;
    timer.start();
    SpreadPrintJob::Outcome outcome = SpreadPrintJob::Failed;
    if (withProgress) {
        PrintProgress progress(QStringLiteral("Quotadesk"), nullptr);
        outcome = SpreadPrintJob::print(grid, printer, 1, std::ref(progress));
    } else {
        outcome = SpreadPrintJob::print(grid, printer, 1);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    grid.Print().PrintType = PrintTypeAll;
    if (outcome != SpreadPrintJob::Printed)
        std::printf("printing failed\n");
    return PrintedPages / seconds;
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SpreadGrid grid;
    fill(grid);

    const SpreadPrintLayout warm(grid, QPageSize(QPageSize::A4));
    const double pageMs = drawMs(grid, warm, 1, 20);

    QElapsedTimer timer;
    timer.start();
    SpreadPreviewView view;
    view.resize(800, 1000);
    view.setGrid(&grid, QPageSize(QPageSize::A4));
    const double layoutMs = timer.nsecsElapsed() / 1e6;
    QImage shot(view.viewport()->size(), QImage::Format_RGB32);
    view.viewport()->render(&shot);
    const double firstPageMs = timer.nsecsElapsed() / 1e6;

    const SpreadPrintLayout &layout = *view.pageLayout();
    const double page1 = drawMs(grid, layout, 1, 20);
    const double page1000 = drawMs(grid, layout, 1000, 20);

    std::printf("rows %d, pages %d\n", Rows, layout.pageCount());
    std::printf("baseline: drawing one page          %8.2f ms\n", pageMs);
    std::printf("page count (layout of all rows)     %8.2f ms  = %6.2f x one page\n", layoutMs, layoutMs / pageMs);
    std::printf("page count + first preview page     %8.2f ms  = %6.2f x one page (target < 1000 ms: %s)\n",
                firstPageMs, firstPageMs / pageMs, firstPageMs < 1000 ? "met" : "MISSED");
    std::printf("page 1000 / page 1                  %8.2f / %.2f ms = %.2f\n", page1000, page1, page1000 / page1);

    // Alternated, best of three each, so that neither gains from running second.
    double plain = 0;
    double shown = 0;
    for (int round = 0; round < 3; ++round) {
        shown = std::max(shown, printRate(grid, true));
        plain = std::max(plain, printRate(grid, false));
    }
    std::printf("printing %d pages to PDF: without progress %.1f pages/s, with progress dialog %.1f pages/s\n",
                PrintedPages, plain, shown);
    std::printf("time with progress / time without   %8.3f (target <= 1.1: %s)\n", plain / shown,
                plain / shown <= 1.1 ? "met" : "MISSED");
    return 0;
}
