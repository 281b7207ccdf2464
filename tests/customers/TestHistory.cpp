#include "CustomerFixture.h"
#include "FrmDetail.h"
#include "FrmSPPrint_Preview.h"
#include "HCTerm.h"
#include "KoreanFonts.h"
#include "PdfDocument.h"
#include "PrintFront.h"
#include "SpreadGrid.h"
#include "SpreadPrintLayout.h"
#include "WindowParts.h"
#include "cSpreadPreview.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

// The history window: period, kinds, order, colours, and the Excel export.
class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<CustomerFixture>();
        m_code = m_fixture->addCustomer("cust", "손님 상사");
        const int other = m_fixture->addCustomer("other", "남");
        m_fixture->db.exec(
            QStringLiteral(
                "INSERT INTO emaillog (regdate, regtime, gubun, inprice, appcnt, ucode, recusername, bigo) VALUES "
                "('2011-05-01', '09:00', 1, 10000, 1000, %1, '직원', 'first'),"
                "('2011-05-01', '08:30', 0, 0, 12, %1, '발송', ''),"
                "('2011-05-10', '10:00', 2, 500, 50, %1, '직원', 'odd kind'),"
                "('2011-05-31', '23:59', 0, 0, 7, %1, '발송', 'last day'),"
                "('2011-06-01', '00:00', 1, 1, 1, %1, '직원', 'after'),"
                "('2011-05-10', '10:00', 1, 9, 9, %2, '직원', 'someone else')")
                .arg(m_code)
                .arg(other));
    }
    void cleanup() { m_fixture.reset(); }

    void listsThePeriodInDateAndTimeOrder()
    {
        FrmDetail detail(m_code);
        HCTerm *htDate = part<HCTerm>(detail, "htDate");
        SpreadGrid *spList = part<SpreadGrid>(detail, "spList");
        QCOMPARE(detail.windowTitle(), QStringLiteral("[손님 상사] 충전 & 사용 내역"));
        htDate->setText1(QStringLiteral("2011-05-01"));
        htDate->setText2(QStringLiteral("2011-05-31"));
        detail.Search();
        QCOMPARE(memos(detail), (QStringList{"", "first", "odd kind", "last day"}));
        QCOMPARE(spList->text(FrmDetail::ColKind, 1), QStringLiteral("사용"));
        QCOMPARE(spList->text(FrmDetail::ColKind, 3),
                 QStringLiteral("충전")); // any non-zero kind
        QCOMPARE(spList->ForeColor(FrmDetail::ColCount, 1), QColor(255, 0, 0));
        QCOMPARE(spList->ForeColor(FrmDetail::ColKind, 2), QColor(0, 0, 255));
        QCOMPARE(spList->displayText(FrmDetail::ColAmount, 2), QStringLiteral("10,000"));
        QVERIFY(m_fixture->notices().contains(QStringLiteral("조회 완료 하였습니다. /T500")));
    }

    void kindsAndOneDayPeriods()
    {
        FrmDetail detail(m_code);
        HCTerm *htDate = part<HCTerm>(detail, "htDate");
        htDate->setText1(QStringLiteral("2011-05-01"));
        htDate->setText2(QStringLiteral("2011-05-01"));
        part<QRadioButton>(detail, "OptGubun", FrmDetail::KindTopUp)->setChecked(true);
        detail.Search();
        QCOMPARE(memos(detail), QStringList{"first"});
        part<QRadioButton>(detail, "OptGubun", FrmDetail::KindUse)->setChecked(true);
        detail.Search();
        QCOMPARE(memos(detail), QStringList{""});
        // 충전 lists every row the window shows as 충전, whatever its non-zero kind.
        htDate->setText2(QStringLiteral("2011-05-31"));
        part<QRadioButton>(detail, "OptGubun", FrmDetail::KindTopUp)->setChecked(true);
        detail.Search();
        QCOMPARE(memos(detail), (QStringList{"first", "odd kind"}));
        htDate->setText1(QStringLiteral("2012-01-01"));
        htDate->setText2(QStringLiteral("2012-01-31"));
        detail.Search();
        QCOMPARE(part<SpreadGrid>(detail, "spList")->MaxRows(), 0);
    }

    void emptyGridExportIsRefused()
    {
        FrmDetail detail(m_code);
        detail.ExportExcel();
        QCOMPARE(m_fixture->messages->count(), 1);
        QVERIFY(!QDir(m_fixture->workspace->file(QStringLiteral("ExpExcel"))).exists()
                || QDir(m_fixture->workspace->file(QStringLiteral("ExpExcel"))).isEmpty());
    }

    void exportWritesTheWorkbookAndOpensIt()
    {
        FrmDetail detail(m_code);
        HCTerm *htDate = part<HCTerm>(detail, "htDate");
        SpreadGrid *spList = part<SpreadGrid>(detail, "spList");
        htDate->setText1(QStringLiteral("2011-05-01"));
        htDate->setText2(QStringLiteral("2011-05-31"));
        detail.Search();
        m_fixture->messages->answerNext(MsgYes);
        detail.ExportExcel();
        const QString book = m_fixture->workspace->file(QStringLiteral("ExpExcel/Exp110523_142501.xlsx"));
        QVERIFY(QFile::exists(book));
        QVERIFY(QFile::exists(m_fixture->workspace->file(QStringLiteral("ExpExcel/Exp110523_142501LOG.TXT"))));
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), book, QStringLiteral("xl/worksheets/sheet1.xml")});
        QVERIFY(unzip.waitForFinished());
        const QString strings = QString::fromUtf8(unzip.readAllStandardOutput());
        QVERIFY(strings.contains(QStringLiteral("처리자")));
        QVERIFY(strings.contains(QStringLiteral("last day")));
        QCOMPARE(spList->MaxRows(), 4); // the grid ends as it was
        QCOMPARE(spList->text(FrmDetail::ColMemo, 1), QString());
        bool opened = false;
        for (const LaunchRequest &r : m_fixture->launches)
            opened = opened || (r.kind == LaunchRequest::OpenDocument && r.program == book);
        QVERIFY(opened);
    }

    // Printed through the preview as the operator prints it: dates, times,
    // kinds, numbers and names show in full inside their columns (a long memo
    // may be cut at its column's edge, as on screen).
    void printedHistoryShowsItsTextsInFull()
    {
        m_fixture->db.exec(
            QStringLiteral(
                "INSERT INTO emaillog (regdate, regtime, gubun, inprice, appcnt, ucode, recusername, bigo) VALUES "
                "('2011-05-28', '23:58', 1, 999999999, 999999999, %1, '이메일마케팅서초', "
                "'서초지점 담당자 연락처 변경 요청 건 확인 바람 다음 주 월요일까지 회신'),"
                "('2011-05-29', '00:01', 0, 0, 888888888, %1, '강남본사영업관리', '사용')")
                .arg(m_code));
        InstallKoreanFonts(); // the program's fonts, as at start-up
        g_SpreadPreview = std::make_unique<cSpreadPreview>();
        g_SpreadPreview->SetAppName(QStringLiteral("Quotadesk"));
        FrmDetail detail(m_code);
        HCTerm *htDate = part<HCTerm>(detail, "htDate");
        htDate->setText1(QStringLiteral("2011-05-01"));
        htDate->setText2(QStringLiteral("2011-05-31"));
        detail.Search();
        const QString pdf = m_fixture->workspace->file(QStringLiteral("history.pdf"));
        QPrinter &printer = g_SpreadPreview->session().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QTimer::singleShot(0, qApp, [] {
            auto *preview = qobject_cast<FrmSPPrint_Preview *>(QApplication::activeModalWidget());
            QVERIFY(preview);
            QTimer::singleShot(0, qApp, [] {
                QWidget *dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
                    if (button->text() == QStringLiteral("인쇄"))
                        button->click();
                }
            });
            preview->button(FrmSPPrint_Preview::BtnPrint)->click();
        });
        detail.Print();
        g_SpreadPreview.reset();

        const SpreadGrid &grid = *part<SpreadGrid>(detail, "spList");
        const SpreadPrintLayout layout(grid, QPageSize(QPageSize::A4));
        const QList<PdfWord> words = PdfDocument(pdf).words(1);
        QVERIFY(!words.isEmpty());
        double left = layout.sheetArea().left() + layout.rowHeaderWidth();
        for (int col : layout.pageColumns(1)) {
            const double right = left + layout.colWidth(col);
            for (int row = 1; col != FrmDetail::ColMemo && row <= grid.MaxRows(); ++row) {
                const QString text = grid.displayText(col, row);
                if (text.isEmpty())
                    continue;
                bool inside = false;
                for (const PdfWord &word : words)
                    inside = inside || (word.text == text && word.xMin >= left / 20 && word.xMax <= right / 20);
                QVERIFY2(inside, qPrintable(QStringLiteral("%1 (column %2) cut or missing").arg(text).arg(col)));
            }
            left = right;
        }
    }

private:
    static QStringList memos(const FrmDetail &detail)
    {
        QStringList out;
        for (int row = 1; row <= part<SpreadGrid>(detail, "spList")->MaxRows(); ++row)
            out << part<SpreadGrid>(detail, "spList")->text(FrmDetail::ColMemo, row);
        return out;
    }

    std::unique_ptr<CustomerFixture> m_fixture;
    int m_code = 0;
};

QTEST_MAIN(TestHistory)
#include "TestHistory.moc"
