// The program at full size: 1,000,000 customers and 10,000,000 history rows.
// The customer list's search through FrmMain and one customer's year of
// history through FrmDetail, each against the bare client library fetching
// the same statement on an euckr connection; that year's export to Excel
// against libxlsxwriter writing the same cells directly; an ordinary
// customer's history in absolute time, with the index the server uses for it.
#include "BenchFigures.h"
#include "BenchFolder.h"
#include "BenchServer.h"
#include "Cp949.h"
#include "CustomerStore.h"
#include "DirectWorkbook.h"
#include "FrmDetail.h"
#include "FrmMain.h"
#include "HCTerm.h"
#include "HCText.h"
#include "Launcher.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "ScaleData.h"
#include "SettingsStore.h"
#include "ShellUtils.h"
#include "SpreadGrid.h"
#include "WindowParts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int Repeats = 5;
constexpr int FullListRepeats = 3;                // a million rows a time
constexpr double ScreenTarget = 2.0;              // screen / plain fetch of the same statement
constexpr double FullListTarget = 1.15;           // the whole million / plain fetch
constexpr double HistoryTarget = 1.3;             // a heavy year's history / plain fetch
constexpr long long BytesPerCustomerTarget = 300; // resident after the list has filled
constexpr double PeakTarget = 1.2;                // peak during the fill / resident after it
constexpr double RepaintGapTarget = 250;          // ms between repaints while rows arrive
constexpr double ExportTarget = 1.5;              // grid export / libxlsxwriter directly
constexpr double InstantMs = 100;                 // an indexed history of a few rows
const char *const HistoryIndex = "ix_emaillog_history";

// The statement the history runs for one customer and period, all kinds.
QString historySql(int code, const QString &from, const QString &to)
{
    return CustomerStore::historyStatement(code, from, to, CustomerStore::HistoryKind::All);
}

QString yearStart(int year) { return QStringLiteral("%1-01-01").arg(year); }
QString yearEnd(int year) { return QStringLiteral("%1-12-31").arg(year); }

QByteArray figure(const char *label, const char *what) { return QByteArray(label) + ": " + what; }

// What the program handed to its seams: the notice program and the opened
// workbooks through the launcher, the export question and any other message.
struct Seams {
    int notices = 0;
    int questions = 0;
    int otherMessages = 0;
    QString lastOtherMessage;
    QStringList opened;
};

void prepareProgram(Seams &seams)
{
    g_sAppTitle = QStringLiteral("Quotadesk");
    QCoreApplication::setApplicationName(g_sAppTitle);
    SaveSetting(QStringLiteral("Tallow 업무관리"), QStringLiteral("Config"), QStringLiteral("DB_IP"),
                BenchServer::address());
    QFile notice(ProgramFolder::file(ProgramFolder::programFileName(QStringLiteral("FloatMsg"))));
    notice.open(QIODevice::WriteOnly);
    Launcher::setHandler([&seams](const LaunchRequest &request) {
        if (request.kind == LaunchRequest::OpenDocument)
            seams.opened << request.program;
        else
            ++seams.notices;
        return true;
    });
    MessageBoxes::setHandler([&seams](const MessageRequest &request) {
        if (request.buttons == MsgButtons::YesNo) {
            ++seams.questions;
            return MsgYes;
        }
        ++seams.otherMessages;
        seams.lastOtherMessage = request.text;
        return MsgOk;
    });
}

void releaseSeams()
{
    Launcher::setHandler({});
    MessageBoxes::setHandler({});
}

template <class Window> void showWindow(Window &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::printf("window not exposed; measuring an unshown window\n");
}

// Times the program's action against the plain fetch of the same statement,
// after one plain fetch that brings the rows into the server's cache for both.
void compareWithFetch(const char *label, int repeats, double target, SpreadGrid &grid, BenchServer &plain,
                      const QString &sql, const std::function<void()> &action)
{
    const QByteArray statement = Cp949::encode(sql);
    plain.fetch(statement);
    PlainFetch fetched;
    const auto [programMs, plainMs] = BenchFigures::interleavedMediansMs(repeats, action,
                                                                         [&] { fetched = plain.fetch(statement); });
    BenchFigures::printCount(figure(label, "grid rows"), grid.MaxRows(), "rows");
    BenchFigures::printCount(figure(label, "plain fetch rows"), static_cast<long long>(fetched.rows), "rows");
    const QByteArray median = " (median of " + QByteArray::number(repeats) + ")";
    BenchFigures::print(figure(label, "program until grid filled") + median, programMs, "ms");
    BenchFigures::print(figure(label, "plain client library fetch") + median, plainMs, "ms");
    BenchFigures::printRatio(figure(label, "ratio (program / plain)"), plainMs > 0 ? programMs / plainMs : 0, target);
}

void searchCustomers(FrmMain &main, BenchServer &plain, const QString &find, const char *label, int repeats,
                     double target)
{
    HCText *htFind = part<HCText>(main, "htFind");
    htFind->setText(find);
    compareWithFetch(label, repeats, target, *part<SpreadGrid>(main, "spList"), plain,
                     CustomerStore::listStatement(find), [&] { QTest::keyClick(htFind->txtBox(), Qt::Key_F5); });
}

// When the grid's cells were painted while an action ran: the longest time
// without a paint from the first paint on (before it the server sorts).
class PaintGaps : public QObject {
public:
    explicit PaintGaps(SpreadGrid &grid) : m_viewport(grid.view()->viewport()) { m_viewport->installEventFilter(this); }
    ~PaintGaps() override { m_viewport->removeEventFilter(this); }
    void run(const std::function<void()> &action)
    {
        m_clock.start();
        m_paints.clear();
        action();
        m_endMs = m_clock.nsecsElapsed() / 1e6;
    }
    double firstPaintMs() const { return m_paints.empty() ? m_endMs : m_paints.front(); }
    double longestGapMs() const
    {
        double gap = 0;
        for (std::size_t i = 1; i <= m_paints.size(); ++i)
            gap = std::max(gap, (i < m_paints.size() ? m_paints[i] : m_endMs) - m_paints[i - 1]);
        return m_paints.empty() ? m_endMs : gap;
    }
    int paints() const { return static_cast<int>(m_paints.size()); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_viewport && event->type() == QEvent::Paint && m_clock.isValid())
            m_paints.push_back(m_clock.nsecsElapsed() / 1e6);
        return false;
    }

private:
    QWidget *m_viewport;
    QElapsedTimer m_clock;
    std::vector<double> m_paints;
    double m_endMs = 0;
};

void pressF5(HCText *htFind) { QTest::keyClick(htFind->txtBox(), Qt::Key_F5); }

void measureFullListMemory(FrmMain &main)
{
    // The whole million first, on an empty heap, for its memory.
    HCText *htFind = part<HCText>(main, "htFind");
    htFind->setText(QString());
    const long startKb = BenchFigures::residentKb();
    const long peakKb = BenchFigures::peakExtraKb([&] { pressF5(htFind); });
    const long steadyKb = BenchFigures::residentKb() - startKb;
    const long long perCustomer = steadyKb * 1024LL / ScaleData::Customers;
    BenchFigures::printCount("full list: peak extra resident memory during one F5", peakKb, "KiB");
    BenchFigures::printCount("full list: extra resident memory once filled", steadyKb, "KiB");
    std::printf("full list: extra resident memory per customer: %lld bytes (target <= %lld) %s\n", perCustomer,
                BytesPerCustomerTarget, perCustomer <= BytesPerCustomerTarget ? "PASS" : "OVER");
    BenchFigures::printRatio("full list: peak / filled resident memory",
                             steadyKb > 0 ? static_cast<double>(peakKb) / static_cast<double>(steadyKb) : 0,
                             PeakTarget);
}

void measureFullListRepaints(FrmMain &main)
{
    HCText *htFind = part<HCText>(main, "htFind");
    PaintGaps gaps(*part<SpreadGrid>(main, "spList"));
    gaps.run([&] { pressF5(htFind); });
    BenchFigures::print("full list: first repaint of the grid after F5", gaps.firstPaintMs(), "ms");
    BenchFigures::printCount("full list: repaints of the grid during the fill", gaps.paints(), "paints");
    const double gap = gaps.longestGapMs();
    std::printf("full list: longest time without a repaint from the first one on: %.1f ms (target <= %.0f ms) %s\n",
                gap, RepaintGapTarget, gap <= RepaintGapTarget ? "PASS" : "OVER");
}

void measureCustomerList(BenchServer &plain)
{
    FrmMain main;
    showWindow(main);
    measureFullListMemory(main);
    measureFullListRepaints(main);
    searchCustomers(main, plain, QString(), "full list", FullListRepeats, FullListTarget);
    BenchFigures::printCount("full list: peak RSS of the process", BenchFigures::peakRssKb(), "KiB");
    searchCustomers(main, plain, QStringLiteral("가"), "one letter 가", Repeats, ScreenTarget);
    searchCustomers(main, plain, QStringLiteral("cust012345"), "ID text cust012345", Repeats, ScreenTarget);
}

void setPeriod(FrmDetail &detail, int firstYear, int lastYear)
{
    HCTerm *htDate = part<HCTerm>(detail, "htDate");
    htDate->setText1(yearStart(firstYear));
    htDate->setText2(yearEnd(lastYear));
}

void printIndex(const char *label, BenchServer &plain, const QString &sql)
{
    const QByteArray key = plain.value("EXPLAIN " + Cp949::encode(sql), "key");
    std::printf("%s: EXPLAIN key: %s (%s)\n", label, key.isEmpty() ? "none" : key.constData(),
                key == HistoryIndex ? "PASS" : "FAIL");
}

void compareHeavyHistory(FrmDetail &detail, BenchServer &plain)
{
    const char *label = "heavy history";
    setPeriod(detail, ScaleData::HeavyYear, ScaleData::HeavyYear);
    const QString sql = historySql(ScaleData::HeavyCode, yearStart(ScaleData::HeavyYear),
                                   yearEnd(ScaleData::HeavyYear));
    std::printf("%s: customer %d, period %s to %s\n", label, ScaleData::HeavyCode,
                qPrintable(yearStart(ScaleData::HeavyYear)), qPrintable(yearEnd(ScaleData::HeavyYear)));
    printIndex(label, plain, sql);
    QPushButton *BtnSelect = part<QPushButton>(detail, "BtnSelect");
    compareWithFetch(label, Repeats, HistoryTarget, *part<SpreadGrid>(detail, "spList"), plain, sql,
                     [&] { BtnSelect->click(); });
}

void measureOrdinaryHistory(BenchServer &plain)
{
    const char *label = "ordinary history";
    FrmDetail detail(ScaleData::OrdinaryCode);
    showWindow(detail);
    setPeriod(detail, ScaleData::FirstYear, ScaleData::LastYear);
    std::printf("%s: customer %d, period %s to %s\n", label, ScaleData::OrdinaryCode,
                qPrintable(yearStart(ScaleData::FirstYear)), qPrintable(yearEnd(ScaleData::LastYear)));
    printIndex(label, plain,
               historySql(ScaleData::OrdinaryCode, yearStart(ScaleData::FirstYear), yearEnd(ScaleData::LastYear)));
    QPushButton *BtnSelect = part<QPushButton>(detail, "BtnSelect");
    const double ms = BenchFigures::medianMs(Repeats, [&] { BtnSelect->click(); });
    BenchFigures::printCount(figure(label, "grid rows"), part<SpreadGrid>(detail, "spList")->MaxRows(), "rows");
    std::printf("%s: search until grid filled (median of %d): %.1f ms (target <= %.0f ms) %s\n", label, Repeats, ms,
                InstantMs, ms <= InstantMs ? "PASS" : "OVER");
}

// One export through the history's "엑셀" button; the workbook it opened is
// measured and removed.
qint64 exportOnce(QPushButton *btnExcel, Seams &seams)
{
    const qsizetype before = seams.opened.size();
    btnExcel->click();
    if (seams.opened.size() == before)
        return -1;
    const QString book = seams.opened.last();
    const qint64 bytes = QFileInfo(book).size();
    QFile::remove(book);
    QFile::remove(book.chopped(QStringLiteral(".xlsx").size()) + QStringLiteral("LOG.TXT"));
    return bytes;
}

void compareExport(FrmDetail &detail, Seams &seams, const BenchFolder &folder)
{
    const char *label = "heavy year export";
    const SpreadGrid *spList = part<SpreadGrid>(detail, "spList");
    QPushButton *btnExcel = part<QPushButton>(detail, "btnExcel");
    const int gridRows = spList->MaxRows();
    const DirectWorkbook direct(*spList);
    const QString directPath = folder.programFolder() + QStringLiteral("/direct.xlsx");
    qint64 bytes = -1;
    const long programKb = BenchFigures::peakExtraKb([&] { bytes = exportOnce(btnExcel, seams); });
    bool directOk = false;
    const long directKb = BenchFigures::peakExtraKb([&] { directOk = direct.write(directPath); });
    const auto [programMs, directMs] = BenchFigures::interleavedMediansMs(
        Repeats, [&] { exportOnce(btnExcel, seams); }, [&] { direct.write(directPath); });
    QFile::remove(directPath);

    BenchFigures::printCount(figure(label, "workbook rows (headers and data)"), direct.rows(), "rows");
    BenchFigures::printCount(figure(label, "workbook size"), bytes, "bytes");
    std::printf("%s: direct workbook written: %s\n", label, directOk ? "yes" : "no");
    BenchFigures::printCount(figure(label, "grid rows after the exports"), spList->MaxRows(), "rows");
    std::printf("%s: grid as before: %s\n", label, spList->MaxRows() == gridRows ? "yes" : "no");
    const QByteArray median = " (median of " + QByteArray::number(Repeats) + ")";
    BenchFigures::print(figure(label, "program export ('엑셀' until opened)") + median, programMs, "ms");
    BenchFigures::print(figure(label, "libxlsxwriter directly") + median, directMs, "ms");
    BenchFigures::printRatio(figure(label, "ratio (program / direct)"), directMs > 0 ? programMs / directMs : 0,
                             ExportTarget);
    BenchFigures::printCount(figure(label, "extra resident memory, program export"), programKb, "KiB");
    BenchFigures::printCount(figure(label, "extra resident memory, libxlsxwriter directly"), directKb, "KiB");
}

void measureHistory(BenchServer &plain, Seams &seams, const BenchFolder &folder)
{
    {
        FrmDetail detail(ScaleData::HeavyCode);
        showWindow(detail);
        std::printf("heavy history: window caption: %s\n", qPrintable(detail.windowTitle()));
        compareHeavyHistory(detail, plain);
        compareExport(detail, seams, folder);
    }
    measureOrdinaryHistory(plain);
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) // a display given on purpose shows the windows
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (BenchServer::missing("bench_scale"))
        return 0;
    const BenchFolder folder;
    Seams seams;
    prepareProgram(seams);
    {
        BenchServer filler("utf8mb4");
        ScaleData(filler).ensure();
    }
    if (!BenchServer::connectProgram("bench_scale"))
        return 0;
    BenchServer plain("euckr");
    measureCustomerList(plain);
    measureHistory(plain, seams, folder);

    std::printf("notices shown: %d, export questions answered: %d, workbooks opened: %lld\n", seams.notices,
                seams.questions, static_cast<long long>(seams.opened.size()));
    std::printf("other message boxes: %d%s%s\n", seams.otherMessages, seams.otherMessages ? ", last: " : "",
                qPrintable(seams.lastOtherMessage));
    BenchFigures::printCount("peak RSS of the run", BenchFigures::peakRssKb(), "KiB");
    releaseSeams();
    return 0;
}
