#include "KoreanFonts.h"
#include "MessageRecorder.h"
#include "PrintFixture.h"
#include "PrintSettings.h"
#include "SettingsStore.h"
#include "SpreadGrid.h"
#include "SpreadPageRenderer.h"
#include "SpreadPrintLayout.h"
#include "TestWorkspace.h"
#include "cSpreadPreview.h"
#include "modSpread.h"
#include "modSpreadPrint.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QtTest>

namespace {
const QString LongMemo = QStringLiteral(
    "서초지점 담당자 연락처 변경 및 대량 발송 예약 확인 요청 건 (정기 점검 이후 재발송 예정, "
    "수신 거부 목록 정리 후 발송 대상 재확인 및 결과 보고서 송부 요청)");
const QStringList Figures{"12345678901", "987654321098", "-999999999999", "999999999999"};

// The history screen's grid: columns as wide as the screen designs them,
// the figures' for "-999,999", holding figures of up to twelve digits, a long
// operator name and long memos.
std::unique_ptr<SpreadGrid> historyGrid(int rows)
{
    auto grid = std::make_unique<SpreadGrid>();
    grid->SetMaxCols(7);
    CommonSpreadDesign(*grid, true, true, true, true, true);
    SetNumberColumn(*grid, 4, 0, true, -1, true, false);
    SetNumberColumn(*grid, 5, 0, true, -1, true, false);
    const QStringList heads{"일자", "시간", "구분", "건수", "입금액", "처리자", "메모"};
    const QStringList designed{
        "0000-00-00", "00:00", "충전", "-999,999,999", "-999,999,999", "이메일마케팅서초", "서초지점 담당자 연락처"};
    for (int col = 1; col <= 7; ++col) {
        grid->SetText(col, 0, heads[col - 1]);
        grid->FitColWidth(col, designed[col - 1]);
    }
    grid->SetMaxRows(rows);
    for (int row = 1; row <= rows; ++row) {
        grid->SetText(1, row, QStringLiteral("2011-05-12"));
        grid->SetText(2, row, QStringLiteral("14:25"));
        grid->SetText(3, row, row % 2 ? QStringLiteral("충전") : QStringLiteral("사용"));
        grid->SetText(4, row, Figures[row % 4]);
        grid->SetText(5, row, Figures[(row + 1) % 4]);
        grid->SetText(6, row, QStringLiteral("이메일마케팅서초지점관리자"));
        grid->SetText(7, row, LongMemo);
        grid->SetRow(row);
        grid->SetCol(4);
        grid->SetForeColor(row % 2 ? QColor(0, 0, 255) : QColor(255, 0, 0));
    }
    return grid;
}

// Page 1 at 300 dpi.
QImage renderFirstPage(const SpreadGrid &grid, const SpreadPrintLayout &layout)
{
    const QSize size = (layout.paperSize() * 300 / 1440).toSize();
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    SpreadPageRenderer(grid, layout).render(painter, QRectF(QPointF(0, 0), size), 1);
    return image;
}

// The pixel rectangle of a cell of page 1 in an image of the whole page.
QRect cellPixels(const SpreadPrintLayout &layout, const QImage &image, int col, int row)
{
    const double perTwip = image.width() / layout.paperSize().width();
    double left = layout.sheetArea().left() + layout.rowHeaderWidth();
    for (int c : layout.pageColumns(1)) {
        if (c == col)
            break;
        left += layout.colWidth(c);
    }
    double top = layout.sheetArea().top() + layout.headerHeight();
    for (int r = layout.pageRows(1).first; r < row; ++r)
        top += layout.rowHeight(r);
    return QRectF(left * perTwip, top * perTwip, layout.colWidth(col) * perTwip, layout.rowHeight(row) * perTwip)
        .toRect();
}

// First and last x of the ink (what differs from the cell's background)
// inside rect, away from the lines above and below; first > last when there is none.
std::pair<int, int> inkSpan(const QImage &image, const QRect &cell)
{
    const QRect rect = cell.adjusted(0, cell.height() / 6, 0, -cell.height() / 6);
    const QRgb background = image.pixel(rect.left() + 1, rect.top() + 1);
    const auto differs = [background](QRgb c) {
        return qAbs(qRed(c) - qRed(background)) + qAbs(qGreen(c) - qGreen(background))
                   + qAbs(qBlue(c) - qBlue(background))
               > 120;
    };
    int first = rect.right() + 1;
    int last = rect.left() - 1;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (differs(image.pixel(x, y))) {
                first = qMin(first, x);
                last = qMax(last, x);
            }
        }
    }
    return {first, last};
}
} // namespace

// A print request from a screen to paper (a PDF file read back).
class TestPrintPipeline : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void marginsFromCallerDefaults();
    void storedSettingsUnderScreenSection();
    void headerFooterAndColumnHeadersOnEveryPage();
    void everyRowPrintedOnce();
    void wideGridContinuesAcross();
    void cellRangeAndPageRange();
    void fitToPageShrinksToOneWidth();
    void fitOptionNeedsScalingAllowed();
    void footerOptionKeepsBuiltFooter();
    void missingAppName();
    void coloursPrintInGreysWithoutColourOption();
    void unwritableFileIsReported();
    void screenWidthsHoldTheirTextOnPaper_data();
    void screenWidthsHoldTheirTextOnPaper();
    void widestFiguresPrintWhole_data();
    void widestFiguresPrintWhole();
    void landscapeFillsThePageAndCutsTextVisibly();
    void widenedFiguresTakeTheirRoomFromTheMemo();
    void cancelledJobLeavesNoFile();

private:
    bool request(SpreadGrid &grid, const QString &key = QStringLiteral("FrmDetail"), int scaling = 0,
                 bool footer = true, const QString &footText = QString());
    QString pdf() const { return m_workspace->file(QStringLiteral("out.pdf")); }

    std::unique_ptr<TestWorkspace> m_workspace;
    std::unique_ptr<MessageRecorder> m_messages;
    cSpreadPreview m_print;
};

void TestPrintPipeline::init()
{
    m_workspace = std::make_unique<TestWorkspace>();
    m_messages = std::make_unique<MessageRecorder>();
    m_print.SetAppName(QStringLiteral("Quotadesk"));
    PrintFixture::printTo(m_print.session(), pdf());
}

void TestPrintPipeline::cleanup()
{
    m_messages.reset();
    m_workspace.reset();
}

bool TestPrintPipeline::request(SpreadGrid &grid, const QString &key, int scaling, bool footer, const QString &footText)
{
    return m_print.SpreadPreview(grid, key, QStringLiteral("Title"), QStringLiteral("LeftText"),
                                 QStringLiteral("CenterText"), 1, 0.3, 0.2, 0.5, 0.5, footer, scaling, footText, true,
                                 16);
}

void TestPrintPipeline::marginsFromCallerDefaults()
{
    auto grid = PrintFixture::grid(10, 3);
    QVERIFY(request(*grid));
    const SpreadPrintSettings &print = grid->Print();
    QCOMPARE(print.PrintMarginLeft, 432);
    QCOMPARE(print.PrintMarginRight, 288);
    QCOMPARE(print.PrintMarginTop, 720);
    QCOMPARE(print.PrintMarginBottom, 720);
    QCOMPARE(print.PrintOrientation, 1);

    const PdfDocument doc(pdf());
    QCOMPARE(doc.pages(), 1);
    const double width = doc.pageSize().width();
    const double height = doc.pageSize().height();
    QVERIFY(width < height);
    const PdfWord left = doc.word(1, QStringLiteral("LeftText"));
    QVERIFY2(qAbs(left.xMin - 21.6) < 1.0, qPrintable(QString::number(left.xMin)));
    const PdfWord title = doc.word(1, QStringLiteral("Title"));
    QVERIFY2(qAbs(title.yMin - 36) < 4, qPrintable(QString::number(title.yMin)));
    const double centre = (21.6 + width - 14.4) / 2;
    QVERIFY2(qAbs((title.xMin + title.xMax) / 2 - centre) < 1.5, qPrintable(QString::number(title.xMin)));
    const PdfWord date = doc.word(1, QStringLiteral("출력일:2011.05.23"));
    QVERIFY2(date.yMax <= height - 36 + 1 && date.yMax > height - 36 - 6, qPrintable(QString::number(date.yMax)));
    QVERIFY(doc.word(1, QStringLiteral("Page:")).xMin >= 21.0);
}

void TestPrintPipeline::storedSettingsUnderScreenSection()
{
    const QString app = QStringLiteral("Quotadesk_PritSetUp");
    SaveSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("PrintMarginTop"), QStringLiteral("1"));
    SaveSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("PrintOrientation"), QStringLiteral("2"));
    SaveSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("CheckBox_0"), QStringLiteral("0"));
    auto grid = PrintFixture::grid(5, 2);
    QVERIFY(request(*grid));
    QCOMPARE(grid->Print().PrintMarginTop, 1440);
    QCOMPARE(grid->Print().PrintOrientation, 2);
    QVERIFY(!grid->Print().PrintColHeaders);
    const PdfDocument doc(pdf());
    QVERIFY(doc.pageSize().width() > doc.pageSize().height());
    QVERIFY(!doc.pageText(1).contains(QStringLiteral("Head1")));

    QVERIFY(request(*grid, QStringLiteral("FrmOther")));
    QCOMPARE(grid->Print().PrintMarginTop, 720);
    QCOMPARE(grid->Print().PrintOrientation, 1);
    QVERIFY(grid->Print().PrintColHeaders);
}

void TestPrintPipeline::headerFooterAndColumnHeadersOnEveryPage()
{
    auto grid = PrintFixture::grid(200, 3);
    QVERIFY(request(*grid, QStringLiteral("FrmDetail"), 0, true, QStringLiteral("FootLine1\r\nFootLine2")));
    const SpreadPrintLayout layout(*grid, QPageSize(QPageSize::A4));
    const PdfDocument doc(pdf());
    QVERIFY(layout.pageCount() > 2);
    QCOMPARE(doc.pages(), layout.pageCount());
    for (int page = 1; page <= doc.pages(); ++page) {
        const QString text = doc.pageText(page);
        QVERIFY(text.contains(QStringLiteral("Title")));
        QVERIFY(text.contains(QStringLiteral("LeftText")));
        QVERIFY(text.contains(QStringLiteral("Head3")));
        QVERIFY(text.contains(QStringLiteral("FootLine1")) && text.contains(QStringLiteral("FootLine2")));
        QVERIFY(PdfDocument::squeezed(text).contains(QStringLiteral("Page:%1/%2").arg(page).arg(doc.pages())));
        QVERIFY(text.contains(QStringLiteral("출력일:2011.05.23")));
    }
    // The two foot lines print above the page line.
    QVERIFY(doc.word(1, QStringLiteral("FootLine2")).yMin < doc.word(1, QStringLiteral("Page:")).yMin);
}

void TestPrintPipeline::everyRowPrintedOnce()
{
    auto grid = PrintFixture::grid(150, 2);
    for (int row = 10; row <= 30; ++row)
        grid->SetRowHeight(row, 40);
    QVERIFY(request(*grid));
    const PdfDocument doc(pdf());
    QMap<QString, int> seen;
    for (int page = 1; page <= doc.pages(); ++page) {
        for (const PdfWord &w : doc.words(page)) {
            if (w.text.endsWith(QStringLiteral("C1")))
                ++seen[w.text];
        }
    }
    QCOMPARE(seen.size(), 150);
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        QCOMPARE(it.value(), 1);
    const SpreadPrintLayout layout(*grid, QPageSize(QPageSize::A4));
    QCOMPARE(layout.pageBreakRows().size(), doc.pages() - 1);
}

void TestPrintPipeline::wideGridContinuesAcross()
{
    auto grid = PrintFixture::grid(120, 12, 20);
    QVERIFY(request(*grid));
    const SpreadPrintLayout layout(*grid, QPageSize(QPageSize::A4));
    const int down = static_cast<int>(layout.pageBreakRows().size()) + 1;
    QVERIFY(down >= 2);
    QVERIFY(layout.pageCount() > down);
    QCOMPARE(layout.pageCount() % down, 0);
    const PdfDocument doc(pdf());
    QCOMPARE(doc.pages(), layout.pageCount());
    // Down first: the second page continues the rows of the first columns ...
    QVERIFY(doc.pageText(1).contains(QStringLiteral("R1C1")));
    QVERIFY(!doc.pageText(1).contains(QStringLiteral("Head12")));
    QVERIFY(doc.pageText(2).contains(QStringLiteral("Head1")));
    QVERIFY(!doc.pageText(2).contains(QStringLiteral("R1C1 ")));
    // ... then across: the next page column starts again at row 1 with its headers.
    const QString across = doc.pageText(down + 1);
    QVERIFY(!across.contains(QStringLiteral("Head1 ")));
    QVERIFY(across.contains(QStringLiteral("R1C")));
    QVERIFY(doc.pageText(layout.pageCount()).contains(QStringLiteral("R120C12")));
}

void TestPrintPipeline::cellRangeAndPageRange()
{
    auto grid = PrintFixture::grid(200, 4);
    QVERIFY(request(*grid));
    PrintSession &session = m_print.session();
    grid->Print().PrintType = PrintTypeCellRange;
    grid->Print().PrintRange = SpreadCellRange{3, 5, 2, 6};
    QVERIFY(session.printGrid());
    PdfDocument doc(pdf());
    QCOMPARE(doc.pages(), 1);
    const QString text = doc.pageText(1);
    for (const char *present : {"R5C2", "R6C3", "Head2", "Head3"})
        QVERIFY(text.contains(QLatin1String(present)));
    for (const char *absent : {"R4C2", "R5C1", "R7C2", "R5C4"})
        QVERIFY2(!text.contains(QLatin1String(absent)), absent);

    grid->Print().PrintType = PrintTypePageRange;
    grid->Print().PrintPageStart = 2;
    grid->Print().PrintPageEnd = 3;
    QVERIFY(session.printGrid());
    const int total = SpreadPrintLayout(*grid, QPageSize(QPageSize::A4)).pageCount();
    doc = PdfDocument(pdf());
    QCOMPARE(doc.pages(), 2);
    QVERIFY(PdfDocument::squeezed(doc.pageText(1)).contains(QStringLiteral("Page:2/%1").arg(total)));
    QVERIFY(PdfDocument::squeezed(doc.pageText(2)).contains(QStringLiteral("Page:3/%1").arg(total)));
}

void TestPrintPipeline::fitToPageShrinksToOneWidth()
{
    SaveSetting(QStringLiteral("Quotadesk_PritSetUp"), QStringLiteral("FrmDetail"), QStringLiteral("CheckBox_7"),
                QStringLiteral("1"));
    SaveSetting(QStringLiteral("Quotadesk_PritSetUp"), QStringLiteral("FrmDetail"), QStringLiteral("PrintMarginLeft"),
                QStringLiteral("3"));
    auto grid = PrintFixture::grid(40, 14, 20);
    QVERIFY(request(*grid, QStringLiteral("FrmDetail"), 1));
    QCOMPARE(grid->Print().PrintScalingMethod, 1);
    const SpreadPrintLayout layout(*grid, QPageSize(QPageSize::A4));
    QCOMPARE(layout.orientation(), QPageLayout::Landscape);
    QVERIFY(layout.scale() < 1);
    QCOMPARE(layout.margins().left(), SpreadPrintLayout::FitMargin);
    const PdfDocument doc(pdf());
    QVERIFY(doc.pageSize().width() > doc.pageSize().height());
    QCOMPARE(doc.pages(), layout.pageCount());
    QVERIFY(doc.pageText(1).contains(QStringLiteral("Head14")));
    QVERIFY(doc.word(1, QStringLiteral("R1C14")).xMax < doc.pageSize().width());

    // A narrow grid is never enlarged.
    auto narrow = PrintFixture::grid(5, 2);
    QVERIFY(request(*narrow, QStringLiteral("FrmDetail"), 1));
    QCOMPARE(SpreadPrintLayout(*narrow, QPageSize(QPageSize::A4)).scale(), 1.0);
}

void TestPrintPipeline::fitOptionNeedsScalingAllowed()
{
    SaveSetting(QStringLiteral("Quotadesk_PritSetUp"), QStringLiteral("FrmDetail"), QStringLiteral("CheckBox_7"),
                QStringLiteral("1"));
    auto grid = PrintFixture::grid(5, 2);
    QVERIFY(request(*grid, QStringLiteral("FrmDetail"), 0));
    QCOMPARE(grid->Print().PrintScalingMethod, 0);
}

void TestPrintPipeline::footerOptionKeepsBuiltFooter()
{
    auto grid = PrintFixture::grid(5, 2);
    QVERIFY(request(*grid, QStringLiteral("FrmDetail"), 0, false, QString()));
    QCOMPARE(grid->Print().PrintFooter, QString());
    QVERIFY(request(*grid, QStringLiteral("FrmDetail"), 0, true, QString()));
    const QString built = grid->Print().PrintFooter;
    QVERIFY(built.startsWith(QStringLiteral("/fn\"굴림체\"/fz\"16\"")));
    ApplyPrintOption(m_print.session(), *grid, static_cast<int>(PrintOption::Footer), false);
    QCOMPARE(grid->Print().PrintFooter, QString());
    ApplyPrintOption(m_print.session(), *grid, static_cast<int>(PrintOption::Footer), true);
    QCOMPARE(grid->Print().PrintFooter, built);

    SaveSetting(QStringLiteral("Quotadesk_PritSetUp"), QStringLiteral("FrmDetail"), QStringLiteral("CheckBox_8"),
                QStringLiteral("0"));
    QVERIFY(request(*grid));
    QCOMPARE(grid->Print().PrintFooter, QString());
    QCOMPARE(m_print.session().savedFooter(), built);
    QVERIFY(!PdfDocument(pdf()).pageText(1).contains(QStringLiteral("Page:")));
}

void TestPrintPipeline::missingAppName()
{
    m_print.SetAppName(QString());
    SaveSetting(QStringLiteral("_PritSetUp"), QStringLiteral("FrmDetail"), QStringLiteral("PrintMarginTop"),
                QStringLiteral("2"));
    auto grid = PrintFixture::grid(5, 2);
    QVERIFY(request(*grid));
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("사용 프로그램이 설정되지 않았습니다.")});
    QCOMPARE(grid->Print().PrintMarginTop, 2880);
}

void TestPrintPipeline::coloursPrintInGreysWithoutColourOption()
{
    auto grid = PrintFixture::grid(3, 2);
    grid->SetCol(1);
    grid->SetRow(1);
    grid->SetBackColor(QColor(255, 0, 0));
    auto redPixels = [&](bool colour) {
        grid->Print().PrintColor = colour;
        const SpreadPrintLayout layout(*grid, QPageSize(QPageSize::A4));
        QImage image(595, 842, QImage::Format_RGB32);
        QPainter painter(&image);
        SpreadPageRenderer(*grid, layout).render(painter, QRectF(0, 0, 595, 842), 1);
        painter.end();
        int red = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 60 ? 1 : 0;
            }
        }
        return red;
    };
    QVERIFY(redPixels(true) > 20);
    QCOMPARE(redPixels(false), 0);
}

void TestPrintPipeline::unwritableFileIsReported()
{
    PrintFixture::printTo(m_print.session(), QStringLiteral("/nonexistent-folder/out.pdf"));
    auto grid = PrintFixture::grid(3, 2);
    QVERIFY(!request(*grid));
    QCOMPARE(m_messages->count(), 1);
}

void TestPrintPipeline::screenWidthsHoldTheirTextOnPaper_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("the program's font") << QString();
    QTest::newRow("a Korean font the workstation lacks") << QStringLiteral("돋움체");
}

// A column as wide as the screen needs to show a text in full shows it in
// full on paper too, in the program's fonts or any the screen stands in for.
void TestPrintPipeline::screenWidthsHoldTheirTextOnPaper()
{
    QFETCH(QString, family);
    if (QFontDatabase::hasFamily(family))
        QSKIP("The workstation has the font");
    const QFont appFont = QApplication::font();
    InstallKoreanFonts();
    const QStringList texts{"2011-05-12", "23:59", "충전", "-999999999", "1234567890", "이메일마케팅서초"};
    const QStringList shown{"2011-05-12", "23:59", "충전", "-999,999,999", "1,234,567,890", "이메일마케팅서초"};
    SpreadGrid grid;
    grid.SetMaxCols(static_cast<int>(texts.size()));
    grid.SetMaxRows(3);
    SetNumberColumn(grid, 4, 0, true, -1, true, false);
    SetNumberColumn(grid, 5, 0, true, -1, true, false);
    grid.SetRow(2);
    grid.SetCol(AllCells);
    grid.SetFontBold(true);
    if (!family.isEmpty()) {
        grid.SetRow(AllCells);
        grid.SetFontName(family);
    }
    QTableView *view = grid.view();
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + 1;
    for (int col = 1; col <= texts.size(); ++col) {
        grid.SetText(col, 0, QStringLiteral("H%1").arg(col));
        int needed = 0;
        for (int row = 1; row <= 3; ++row) {
            grid.SetText(col, row, texts[col - 1]);
            needed = qMax(needed, QFontMetrics(grid.CellFont(col, row)).horizontalAdvance(shown[col - 1]) + margins);
        }
        double chars = 0;
        while (view->columnWidth(col - 1) < needed)
            grid.SetColWidth(col, chars += 0.05);
    }
    QVERIFY(request(grid));
    QApplication::setFont(appFont);

    const SpreadPrintLayout layout(grid, QPageSize(QPageSize::A4));
    double left = layout.sheetArea().left() + layout.rowHeaderWidth();
    QList<PdfWord> words = PdfDocument(pdf()).words(1);
    for (int col = 1; col <= texts.size(); ++col) {
        const double right = left + layout.colWidth(col);
        int found = 0;
        for (const PdfWord &word : words) {
            if (word.text != shown[col - 1])
                continue;
            ++found;
            QVERIFY2(word.xMin >= left / 20 && word.xMax <= right / 20,
                     qPrintable(QStringLiteral("%1 at %2-%3 pt in a column of %4-%5 pt")
                                    .arg(word.text)
                                    .arg(word.xMin)
                                    .arg(word.xMax)
                                    .arg(left / 20)
                                    .arg(right / 20)));
        }
        QCOMPARE(found, 3);
        left = right;
    }
}

void TestPrintPipeline::widestFiguresPrintWhole_data()
{
    QTest::addColumn<QString>("orientation");
    QTest::newRow("portrait") << QStringLiteral("1");
    QTest::newRow("landscape") << QStringLiteral("2");
}

// Each figure on the page shows as many pixels of ink as the same figure in a
// column far wider than it needs, and none of it touches the cell's left edge
// (where a right-aligned text too wide for its cell would be cut).
void TestPrintPipeline::widestFiguresPrintWhole()
{
    QFETCH(QString, orientation);
    const QString app = QStringLiteral("Quotadesk_PritSetUp");
    SaveSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("PrintOrientation"), orientation);
    SaveSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("CheckBox_2"), QStringLiteral("0")); // no grid lines
    InstallKoreanFonts();
    auto grid = historyGrid(8);
    auto roomy = historyGrid(8);
    QVERIFY(request(*grid));
    QVERIFY(request(*roomy));
    for (int col : {4, 5})
        roomy->SetColWidth(col, 20);
    roomy->SetColWidth(7, 5);
    const SpreadPrintLayout layout(*grid, QPageSize(QPageSize::A4));
    const SpreadPrintLayout roomyLayout(*roomy, QPageSize(QPageSize::A4));
    const QImage page = renderFirstPage(*grid, layout);
    const QImage roomyPage = renderFirstPage(*roomy, roomyLayout);
    for (int row = 1; row <= 8; ++row) {
        for (int col : {4, 5}) {
            const QRect cell = cellPixels(layout, page, col, row);
            const auto [first, last] = inkSpan(page, cell);
            const auto [roomyFirst, roomyLast] = inkSpan(roomyPage, cellPixels(roomyLayout, roomyPage, col, row));
            const QString where = QStringLiteral("%1 in column %2: ink %3-%4 in cell %5-%6, whole %7 px")
                                      .arg(grid->displayText(col, row))
                                      .arg(col)
                                      .arg(first)
                                      .arg(last)
                                      .arg(cell.left())
                                      .arg(cell.right())
                                      .arg(roomyLast - roomyFirst);
            QVERIFY2(first > cell.left() + 2, qPrintable(where));
            QVERIFY2(last - first >= roomyLast - roomyFirst - 2, qPrintable(where));
        }
    }
}

// The sheet takes the page's whole width, the memo the width the others
// leave; a text still too long ends in an ellipsis.
void TestPrintPipeline::landscapeFillsThePageAndCutsTextVisibly()
{
    SaveSetting(QStringLiteral("Quotadesk_PritSetUp"), QStringLiteral("FrmDetail"), QStringLiteral("PrintOrientation"),
                QStringLiteral("2"));
    auto grid = historyGrid(20);
    const double memoOnScreen = grid->ColWidthPixels(7) * 1440.0 / grid->view()->logicalDpiY();
    QVERIFY(request(*grid));
    const SpreadPrintLayout layout(*grid, QPageSize(QPageSize::A4));
    QCOMPARE(layout.orientation(), QPageLayout::Landscape);
    double used = layout.rowHeaderWidth();
    for (int col : layout.pageColumns(1))
        used += layout.colWidth(col);
    QVERIFY2(qAbs(used - layout.sheetArea().width()) < 1,
             qPrintable(QStringLiteral("%1 of %2 twips").arg(used).arg(layout.sheetArea().width())));
    QVERIFY(layout.colWidth(7) > memoOnScreen);

    const QString text = PdfDocument(pdf()).pageText(1);
    QVERIFY(!text.contains(LongMemo));
    QVERIFY(!text.contains(QStringLiteral("이메일마케팅서초지점관리자")));
    QVERIFY2(text.count(QChar(0x2026)) >= 40, qPrintable(text)); // every memo and every name
}

// A sheet that fits across the page at the screen's widths still does when
// its figures widen (the operator narrowed their columns on screen): the
// memo gives up the room.
void TestPrintPipeline::widenedFiguresTakeTheirRoomFromTheMemo()
{
    auto grid = historyGrid(5);
    QVERIFY(request(*grid));
    grid->SetColWidth(4, 8);
    grid->SetColWidth(5, 8);
    const SpreadPrintLayout before(*grid, QPageSize(QPageSize::A4));
    const double twipsPerPixel = 1440.0 / grid->view()->logicalDpiY();
    const auto screenWidth = [&] {
        double width = 0;
        for (int col = 1; col <= 7; ++col)
            width += grid->ColWidthPixels(col) * twipsPerPixel;
        return width;
    };
    const double room = before.sheetArea().width() - before.rowHeaderWidth();
    double chars = grid->ColWidth(7);
    while (screenWidth() < room - 3 * twipsPerPixel)
        grid->SetColWidth(7, chars += 0.25);
    while (screenWidth() > room)
        grid->SetColWidth(7, chars -= 0.05);

    const SpreadPrintLayout layout(*grid, QPageSize(QPageSize::A4));
    QCOMPARE(layout.pageColumns(1), (QList<int>{1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(layout.pageCount(), 1);
    QVERIFY(layout.colWidth(7) < grid->ColWidthPixels(7) * twipsPerPixel);
}

// Cancelling in the progress dialog ends the job: no file, no message, not printed.
void TestPrintPipeline::cancelledJobLeavesNoFile()
{
    auto grid = PrintFixture::grid(20000, 2);
    QStringList labels;
    QTimer cancel;
    connect(&cancel, &QTimer::timeout, this, [&labels] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *progress = qobject_cast<QProgressDialog *>(window);
            if (progress && progress->isVisible()) {
                labels << progress->labelText();
                progress->findChild<QPushButton *>()->click();
            }
        }
    });
    cancel.start(20);
    QVERIFY(!request(*grid));
    cancel.stop();
    const int pages = SpreadPrintLayout(*grid, QPageSize(QPageSize::A4)).pageCount();
    QVERIFY(!labels.isEmpty());
    QVERIFY2(QRegularExpression(QStringLiteral("^인쇄 중입니다\\. \\d+ / %1 페이지$").arg(pages))
                 .match(labels.first())
                 .hasMatch(),
             qPrintable(labels.first()));
    QCOMPARE(m_messages->count(), 0);
    QVERIFY(!QFile::exists(pdf()));
}

QTEST_MAIN(TestPrintPipeline)
#include "TestPrintPipeline.moc"
