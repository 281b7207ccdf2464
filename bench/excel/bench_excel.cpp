// Exporting a grid of 100,000 rows x 8 columns against libxlsxwriter writing
// the same values directly in constant-memory mode; extra memory of the
// export at 10,000 and at 100,000 rows.
#include "BenchFigures.h"
#include "ProgramFolder.h"
#include "SpreadGrid.h"
#include "modExcel.h"
#include "modSpread.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Cols = 8;

QString cellText(int row, int col)
{
    switch (col) {
    case 4: return QString::number(row * 17);
    case 5: return QString::number(-row);
    default: return QStringLiteral("row %1 col %2").arg(row).arg(col);
    }
}

void fill(SpreadGrid &grid, int rows)
{
    grid.SetMaxCols(Cols);
    CommonSpreadDesign(grid, true, true, true, true, true);
    SetNumberColumn(grid, 4, 0, true, -1, true, false);
    SetNumberColumn(grid, 5, 0, true, -1, true, false);
    grid.SetReDraw(false);
    grid.SetMaxRows(rows);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= Cols; ++c)
            grid.SetText(c, r, cellText(r, c));
    grid.SetReDraw(true);
}

double exportGrid(SpreadGrid &grid)
{
    QElapsedTimer t;
    t.start();
    const QString file = ExportToExcelFile(grid, QStringLiteral("Sheet1"), true, true, false, false, true);
    const double ms = t.nsecsElapsed() / 1e6;
    if (file.isEmpty())
        std::printf("export failed\n");
    QFile::remove(file);
    return ms;
}

// The same values written straight through libxlsxwriter, texts ready as UTF-8.
double exportDirect(const QString &path, int rows)
{
    std::vector<std::string> texts;
    std::vector<double> numbers;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= Cols; ++c) {
            texts.push_back(cellText(r, c).toStdString());
            numbers.push_back(cellText(r, c).toDouble());
        }
    QElapsedTimer t;
    t.start();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook *book = workbook_new_opt(path.toUtf8().constData(), &options);
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Sheet1");
    lxw_format *number = workbook_add_format(book);
    format_set_num_format(number, "#,##0;[Red]-#,##0");
    lxw_format *text = workbook_add_format(book);
    format_set_bold(text);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Cols; ++c) {
            const size_t i = static_cast<size_t>(r) * Cols + c;
            if (c == 3 || c == 4)
                worksheet_write_number(sheet, r, c, numbers[i], number);
            else
                worksheet_write_string(sheet, r, c, texts[i].c_str(), text);
        }
    workbook_close(book);
    const double ms = t.nsecsElapsed() / 1e6;
    QFile::remove(path);
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    ProgramFolder::redirect(folder.path());

    constexpr int Big = 100000;
    constexpr int Small = 10000;
    double direct = 1e18;
    double grid = 1e18;
    long bigExtra = 0;
    long smallExtra = 0;
    {
        SpreadGrid small;
        fill(small, Small);
        smallExtra = BenchFigures::peakExtraKb([&] { exportGrid(small); });
    }
    {
        SpreadGrid big;
        fill(big, Big);
        bigExtra = BenchFigures::peakExtraKb([&] { grid = std::min(grid, exportGrid(big)); });
        for (int i = 0; i < 2; ++i) {
            direct = std::min(direct, exportDirect(folder.filePath("direct.xlsx"), Big));
            grid = std::min(grid, exportGrid(big));
        }
    }
    std::printf("export %d x %d: libxlsxwriter directly %.0f ms, grid export %.0f ms, ratio %.2f "
                "(target <= 1.5)\n",
                Big, Cols, direct, grid, grid / direct);
    std::printf("extra resident memory during the export: %d rows %ld KB, %d rows %ld KB, "
                "ratio %.2f for 10x the rows (flat ~1)\n",
                Small, smallExtra, Big, bigExtra, smallExtra ? double(bigExtra) / smallExtra : 0.0);
    ProgramFolder::redirect(QString());
    return 0;
}
