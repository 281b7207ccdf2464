#include "GridSheetSource.h"
#include "Launcher.h"
#include "MessageRecorder.h"
#include "SpreadGrid.h"
#include "TestWorkspace.h"
#include "modExcel.h"
#include "modSpread.h"

#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QProcess>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <functional>

namespace {

const QString Question = QStringLiteral(
    "엑셀로 자료를 내보내기 하시겠습니까?\n\n※내보낸 자료가 엑셀에서 편집되지 않을 경우,\n"
    "엑셀의 메뉴중 [도구] - [보호] -[시트보호 해제]를 클릭하세요.");
const QString ExpectedBase = QStringLiteral("ExpExcel/Exp110523_142501");

// The history list: 8 columns, column 4 and 5 numbers, locked as the common look leaves it.
void buildHistory(SpreadGrid &grid, int rows)
{
    grid.SetMaxCols(8);
    CommonSpreadDesign(grid, true, true, true, true, true);
    const QStringList headers{"일자", "시간", "구분", "건수", "입금액", "처리자", "메모", ""};
    for (int c = 1; c <= 8; ++c)
        grid.SetText(c, 0, headers[c - 1]);
    SetNumberColumn(grid, 4, 0, true, -1, true, false);
    SetNumberColumn(grid, 5, 0, true, -1, true, false);
    grid.SetColWidth(7, 30);
    grid.SetMaxRows(rows);
    for (int r = 1; r <= rows; ++r) {
        grid.SetText(1, r, QStringLiteral("2011-05-%1").arg(r, 2, 10, QLatin1Char('0')));
        grid.SetText(2, r, QStringLiteral("10:0%1").arg(r % 10));
        grid.SetText(3, r, r % 2 ? QStringLiteral("충전") : QStringLiteral("사용"));
        grid.SetText(4, r, QString::number(r * 1000));
        grid.SetText(5, r, QString::number(-r));
        grid.SetText(6, r, QStringLiteral("관리자"));
        grid.SetText(7, r, QStringLiteral("memo <%1> & more").arg(r));
        grid.SetText(8, r, QString::number(100 + r));
    }
    grid.SetActiveCell(2, rows);
}

// Everything a caller can see of the grid's cells.
QStringList snapshot(const SpreadGrid &grid)
{
    QStringList out{QStringLiteral("rows %1 cols %2 address %3,%4 active %5,%6")
                        .arg(grid.MaxRows())
                        .arg(grid.MaxCols())
                        .arg(grid.Col())
                        .arg(grid.Row())
                        .arg(grid.ActiveCol())
                        .arg(grid.ActiveRow())};
    for (int r = 0; r <= grid.MaxRows(); ++r)
        for (int c = 0; c <= grid.MaxCols(); ++c)
            out << QStringLiteral("%1|%2|%3|%4|%5")
                       .arg(grid.displayText(c, r))
                       .arg(grid.FontBold(c, r))
                       .arg(grid.Lock(c, r))
                       .arg(int(grid.CellType(c, r)))
                       .arg(grid.ForeColor(c, r).name());
    return out;
}

QString unzip(const QString &file, const QString &member)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, member});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Records the documents the export asks to open; onOpen runs at each.
struct OpenRecorder {
    QStringList opened;
    std::function<void()> onOpen;
    OpenRecorder()
    {
        Launcher::setHandler([this](const LaunchRequest &r) {
            if (r.kind == LaunchRequest::OpenDocument)
                opened << r.program;
            if (onOpen)
                onOpen();
            return true;
        });
    }
    ~OpenRecorder() { Launcher::setHandler({}); }
};

} // namespace

class TestExcelExport : public QObject {
    Q_OBJECT
private slots:
    void emptyGridIsRefused();
    void answeringNoChangesNothing();
    void exportWritesWorkbookAndLog();
    void lockedCellsStayLockedWithoutUnlock();
    void failureWarnsAndRestoresTheGrid_data();
    void failureWarnsAndRestoresTheGrid();
    void exportsOfOneSecondKeepEachOther();
    void headerRowsReachTheFileNotTheGrid();
    void headerCellsTakeTheirColumnsLookOnly();
    void columnsAsWideAsTheirWidestValue_data();
    void columnsAsWideAsTheirWidestValue();
    void withoutAProgramTheOperatorLearnsWhereTheFileIs();
};

void TestExcelExport::emptyGridIsRefused()
{
    TestWorkspace ws;
    MessageRecorder recorder;
    SpreadGrid grid;
    buildHistory(grid, 0);
    QVERIFY(ExportToExcelFile(grid, "Sheet1", true, false, false, true, true).isEmpty());
    QCOMPARE(recorder.count(), 1);
    QCOMPARE(recorder.last().text, QStringLiteral("엑셀로 보낼 데이터가 없습니다.\n자료 검색후 엑셀로 보내세요."));
    QCOMPARE(recorder.last().icon, MsgIcon::Information);
    QVERIFY(!QDir(ws.file(QStringLiteral("ExpExcel"))).exists());
}

void TestExcelExport::answeringNoChangesNothing()
{
    TestWorkspace ws;
    MessageRecorder recorder;
    OpenRecorder opens;
    SpreadGrid grid;
    buildHistory(grid, 5);
    const QStringList before = snapshot(grid);
    recorder.answerNext(MsgNo);
    QVERIFY(ExportToExcelFile(grid, "Sheet1", true, false, false, true, true).isEmpty());
    QCOMPARE(recorder.count(), 1);
    QCOMPARE(recorder.last().text, Question);
    QCOMPARE(recorder.last().buttons, MsgButtons::YesNo);
    QCOMPARE(recorder.last().defaultAnswer, MsgYes);
    QCOMPARE(snapshot(grid), before);
    QVERIFY(!QDir(ws.file(QStringLiteral("ExpExcel"))).exists());
    QVERIFY(opens.opened.isEmpty());
}

void TestExcelExport::exportWritesWorkbookAndLog()
{
    TestWorkspace ws;
    MessageRecorder recorder;
    OpenRecorder opens;
    SpreadGrid grid;
    buildHistory(grid, 3);
    const QStringList before = snapshot(grid);

    const QString file = ExportToExcelFile(grid, "Sheet1", true, false, false, true, true);
    QCOMPARE(file, ws.file(ExpectedBase + QStringLiteral(".xlsx")));
    QVERIFY(QFile::exists(file));
    QCOMPARE(recorder.texts(), QStringList{Question});
    QCOMPARE(opens.opened, QStringList{file});
    QCOMPARE(snapshot(grid), before);

    const QString log = QString::fromUtf8(ws.readFile(ExpectedBase + QStringLiteral("LOG.TXT")));
    QVERIFY2(log.contains(QStringLiteral("Sheet: Sheet1")), qPrintable(log));
    QVERIFY(log.contains(QStringLiteral("Rows: 4")));
    QVERIFY(log.contains(QStringLiteral("Columns: 8")));
    QVERIFY(log.contains(QStringLiteral("Result: success")));

    QVERIFY(unzip(file, QStringLiteral("xl/workbook.xml")).contains(QStringLiteral("name=\"Sheet1\"")));
    const QString sheet = unzip(file, QStringLiteral("xl/worksheets/sheet1.xml"));
    QVERIFY(sheet.contains(QStringLiteral("<t>일자</t>"))); // header row first
    QVERIFY(sheet.contains(QStringLiteral("<t>입금액</t>")));
    QVERIFY(sheet.contains(QStringLiteral("<t>2011-05-03</t>")));
    QVERIFY(sheet.contains(QStringLiteral("<t>memo &lt;2&gt; &amp; more</t>")));
    QVERIFY(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"D4\" s=\"\\d+\"><v>3000</v></c>"))));
    QVERIFY(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"E2\" s=\"\\d+\"><v>-1</v></c>"))));
    QVERIFY(!sheet.contains(QStringLiteral("r=\"A5\""))); // 1 header row + 3 rows
    QVERIFY(sheet.contains(QStringLiteral("<sheetProtection")));
    QVERIFY(sheet.contains(QRegularExpression(QStringLiteral("<col min=\"7\" max=\"7\" width=\"30"))));

    const QString styles = unzip(file, QStringLiteral("xl/styles.xml"));
    QVERIFY(styles.contains(QStringLiteral("formatCode=\"#,##0;[Red]-#,##0\"")));
    QVERIFY(styles.contains(QStringLiteral("<b/>")));
    QVERIFY(styles.contains(QStringLiteral("horizontal=\"center\"")));
    QVERIFY(styles.contains(QStringLiteral("locked=\"0\""))); // cells unlocked for editing
}

void TestExcelExport::lockedCellsStayLockedWithoutUnlock()
{
    TestWorkspace ws;
    MessageRecorder recorder;
    SpreadGrid grid;
    buildHistory(grid, 2);
    const QString file = ExportToExcelFile(grid, "Data", false, true, false, false, false);
    QVERIFY(!file.isEmpty());
    QCOMPARE(recorder.count(), 0); // no question asked
    QVERIFY(unzip(file, QStringLiteral("xl/workbook.xml")).contains(QStringLiteral("name=\"Data\"")));
    QVERIFY(!unzip(file, QStringLiteral("xl/styles.xml")).contains(QStringLiteral("locked=\"0\"")));
    QVERIFY(!unzip(file, QStringLiteral("xl/worksheets/sheet1.xml")).contains(QStringLiteral("일자")));
    QVERIFY(grid.Lock(1, 1)); // the grid's own locks are left as they were
}

void TestExcelExport::failureWarnsAndRestoresTheGrid_data()
{
    QTest::addColumn<bool>("folderBlocked");
    QTest::addColumn<QString>("sheetName");
    QTest::newRow("folder cannot be made") << true << "Sheet1";
    QTest::newRow("sheet name not allowed") << false << "bad/name";
    QTest::newRow("sheet name of 40 characters") << false << QString(40, QLatin1Char('x'));
}

void TestExcelExport::failureWarnsAndRestoresTheGrid()
{
    QFETCH(bool, folderBlocked);
    QFETCH(QString, sheetName);
    TestWorkspace ws;
    MessageRecorder recorder;
    OpenRecorder opens;
    if (folderBlocked) {
        QFile blocker(ws.file(QStringLiteral("ExpExcel")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    SpreadGrid grid;
    buildHistory(grid, 4);
    const QStringList before = snapshot(grid);
    QVERIFY(ExportToExcelFile(grid, sheetName, true, true, false, true, true).isEmpty());
    QCOMPARE(recorder.texts(), QStringList{QStringLiteral("엑셀로 내보내기에 실패했습니다.")});
    QCOMPARE(recorder.last().icon, MsgIcon::Exclamation);
    QVERIFY(opens.opened.isEmpty());
    QCOMPARE(snapshot(grid), before);
    if (!folderBlocked) {
        const QString log = QString::fromUtf8(ws.readFile(ExpectedBase + QStringLiteral("LOG.TXT")));
        QVERIFY2(log.contains(QStringLiteral("Result: failed")), qPrintable(log));
        // Only the log stays: no workbook, not even a part of one.
        QCOMPARE(QDir(ws.file(QStringLiteral("ExpExcel"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("Exp110523_142501LOG.TXT")});
    }
}

// The name has one-second resolution; a second export of that second gets a
// name of its own, and a failed one in between replaces nothing.
void TestExcelExport::exportsOfOneSecondKeepEachOther()
{
    TestWorkspace ws;
    MessageRecorder recorder;
    SpreadGrid grid;
    buildHistory(grid, 3);
    const QString first = ExportToExcelFile(grid, "Sheet1", true, true, false, false, true);
    QCOMPARE(first, ws.file(ExpectedBase + QStringLiteral(".xlsx")));
    const QByteArray firstBytes = ws.readFile(ExpectedBase + QStringLiteral(".xlsx"));

    grid.SetText(7, 1, QStringLiteral("second export"));
    QVERIFY(ExportToExcelFile(grid, "bad/name", true, true, false, false, true).isEmpty());
    const QString second = ExportToExcelFile(grid, "Sheet1", true, true, false, false, true);
    QCOMPARE(second, ws.file(ExpectedBase + QStringLiteral("_3.xlsx")));
    const QString third = ExportToExcelFile(grid, "Sheet1", true, true, false, false, true);
    QCOMPARE(third, ws.file(ExpectedBase + QStringLiteral("_4.xlsx")));

    QCOMPARE(ws.readFile(ExpectedBase + QStringLiteral(".xlsx")), firstBytes);
    QVERIFY(!unzip(first, QStringLiteral("xl/sharedStrings.xml")).contains(QStringLiteral("second export"))
            && !unzip(first, QStringLiteral("xl/worksheets/sheet1.xml")).contains(QStringLiteral("second export")));
    QVERIFY(unzip(second, QStringLiteral("xl/worksheets/sheet1.xml")).contains(QStringLiteral("second export")));
    QStringList files = QDir(ws.file(QStringLiteral("ExpExcel"))).entryList(QDir::Files);
    files.sort();
    QCOMPARE(files, (QStringList{"Exp110523_142501.xlsx", "Exp110523_142501LOG.TXT", "Exp110523_142501_2LOG.TXT",
                                 "Exp110523_142501_3.xlsx", "Exp110523_142501_3LOG.TXT", "Exp110523_142501_4.xlsx",
                                 "Exp110523_142501_4LOG.TXT"}));
}

// The column-header rows go into the workbook first, in order, and never
// into the grid: when the workbook is opened for the user the grid still holds
// its own rows, and its model reported no change the screen would redraw for.
void TestExcelExport::headerRowsReachTheFileNotTheGrid()
{
    TestWorkspace ws;
    MessageRecorder recorder;
    OpenRecorder opens;
    SpreadGrid grid;
    buildHistory(grid, 3);
    grid.SetColHeaderRows(2);
    for (int c = 1; c <= 8; ++c)
        grid.SetText(c, HeaderRowBase + 1, QStringLiteral("둘째줄%1").arg(c));
    const QAbstractItemModel *model = grid.view()->model();
    grid.view()->selectionModel()->select(QItemSelection(model->index(1, 2), model->index(2, 4)),
                                          QItemSelectionModel::ClearAndSelect);
    const QStringList before = snapshot(grid);
    const SpreadCellRange block = grid.SelectedBlock();
    QStringList whenOpened;
    opens.onOpen = [&] { whenOpened = snapshot(grid); };
    QSignalSpy resets(model, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy inserts(model, &QAbstractItemModel::rowsAboutToBeInserted);
    QSignalSpy removals(model, &QAbstractItemModel::rowsAboutToBeRemoved);
    QSignalSpy changes(model, &QAbstractItemModel::dataChanged);

    const QString file = ExportToExcelFile(grid, "Sheet1", true, true, false, true, true);
    QVERIFY(!file.isEmpty());
    QCOMPARE(whenOpened, before);
    QCOMPARE(resets.count() + inserts.count() + removals.count() + changes.count(), 0);
    QCOMPARE(snapshot(grid), before);
    const SpreadCellRange after = grid.SelectedBlock();
    QCOMPARE(QList<int>({after.col, after.row, after.col2, after.row2}),
             QList<int>({block.col, block.row, block.col2, block.row2}));

    const QString sheet = unzip(file, QStringLiteral("xl/worksheets/sheet1.xml"));
    auto cellText = [&sheet](const char *ref) {
        const QRegularExpression cell(QStringLiteral("<c r=\"%1\"[^>]*><is><t>([^<]*)</t>").arg(QLatin1String(ref)));
        return cell.match(sheet).captured(1);
    };
    QCOMPARE(cellText("A1"), QStringLiteral("일자"));
    QCOMPARE(cellText("E1"), QStringLiteral("입금액"));
    QCOMPARE(cellText("A2"), QStringLiteral("둘째줄1"));
    QCOMPARE(cellText("A3"), QStringLiteral("2011-05-01"));
    QCOMPARE(cellText("A5"), QStringLiteral("2011-05-03"));
    QVERIFY(!sheet.contains(QStringLiteral("r=\"A6\"")));
}

// A header cell looks as its column does, with the header look over it: the
// column's colour reaches it, a data row's or a data cell's does not.
void TestExcelExport::headerCellsTakeTheirColumnsLookOnly()
{
    SpreadGrid grid;
    buildHistory(grid, 2);
    grid.SetCol(3);
    grid.SetRow(AllCells);
    grid.SetForeColor(QColor(0x12, 0x34, 0x56));
    grid.SetCol(AllCells);
    grid.SetRow(1);
    grid.SetForeColor(QColor(0xab, 0xcd, 0xef));
    grid.SetCol(3);
    grid.SetRow(2);
    grid.SetForeColor(QColor(0x65, 0x43, 0x21));

    const GridSheetSource source(*grid.model(), 1);
    const ExcelCell header = source.cell(2, 0); // column 3's header
    QCOMPARE(header.text, QStringLiteral("구분"));
    QCOMPARE(header.color, 0x123456u);
    QVERIFY(header.bold);
    QCOMPARE(header.hAlign, ExcelCell::HAlignCenter);
    QCOMPARE(source.cell(0, 0).color, 0u);
    QCOMPARE(source.cell(2, 1).color, 0xabcdefu); // data row 1: the row's colour
    QCOMPARE(source.cell(2, 2).color, 0x654321u); // data row 2: the cell's own
}

void TestExcelExport::columnsAsWideAsTheirWidestValue_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("value");
    QTest::addColumn<double>("leastWidth"); // the value as shown, a wide character counting two
    QTest::newRow("count") << 4 << "12345678901" << double(QStringLiteral("12,345,678,901").size());
    QTest::newRow("amount") << 5 << "-999999999999" << double(QStringLiteral("-999,999,999,999").size());
    QTest::newRow("Korean memo") << 7 << QString(40, QChar(0xAC00)) << 80.0;
}

// A number wider than its column shows as "####" in a spreadsheet program.
void TestExcelExport::columnsAsWideAsTheirWidestValue()
{
    QFETCH(int, col);
    QFETCH(QString, value);
    QFETCH(double, leastWidth);
    TestWorkspace ws;
    MessageRecorder recorder;
    SpreadGrid grid;
    buildHistory(grid, 3);
    grid.SetText(col, 2, value);
    const QString file = ExportToExcelFile(grid, "Sheet1", true, true, false, false, true);
    const QString sheet = unzip(file, QStringLiteral("xl/worksheets/sheet1.xml"));
    const QRegularExpression colWidth(QStringLiteral("<col min=\"%1\" max=\"%1\" width=\"([0-9.]+)\"").arg(col));
    const QRegularExpressionMatch found = colWidth.match(sheet);
    QVERIFY2(found.hasMatch(), qPrintable(sheet.left(600)));
    const double width = found.captured(1).toDouble();
    const double padding = 1;
    QVERIFY2(width >= leastWidth + padding, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(leastWidth + padding)));
}

void TestExcelExport::withoutAProgramTheOperatorLearnsWhereTheFileIs()
{
    TestWorkspace ws;
    MessageRecorder recorder;
    Launcher::setHandler([](const LaunchRequest &) { return false; });
    SpreadGrid grid;
    buildHistory(grid, 2);
    const QString file = ExportToExcelFile(grid, "Sheet1", true, true, false, true, true);
    Launcher::setHandler({});
    QVERIFY(QFile::exists(file));
    QCOMPARE(recorder.texts(), QStringList{QStringLiteral("엑셀 파일을 열 수 있는 프로그램이 없습니다.\n"
                                                          "파일은 다음 위치에 저장되었습니다.\n")
                                           + QDir::toNativeSeparators(file)});
    QCOMPARE(recorder.last().icon, MsgIcon::Information);
}

QTEST_MAIN(TestExcelExport)
#include "TestExcelExport.moc"
