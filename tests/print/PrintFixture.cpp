#include "PrintFixture.h"

#include "PrintSession.h"
#include "SpreadGrid.h"

#include <QPrinter>

std::unique_ptr<SpreadGrid> PrintFixture::grid(int rows, int cols, double colWidth)
{
    auto grid = std::make_unique<SpreadGrid>();
    grid->SetMaxCols(cols);
    grid->SetMaxRows(rows);
    for (int col = 1; col <= cols; ++col) {
        grid->SetColWidth(col, colWidth);
        grid->SetText(col, 0, QStringLiteral("Head%1").arg(col));
        for (int row = 1; row <= rows; ++row)
            grid->SetText(col, row, QStringLiteral("R%1C%2").arg(row).arg(col));
    }
    return grid;
}

void PrintFixture::printTo(PrintSession &session, const QString &pdf)
{
    QPrinter &printer = session.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
}
