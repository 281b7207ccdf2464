#include "FrmSPPrint_HeaderFooter.h"
#include "FrmSPPrint_PageSetup.h"
#include "FrmSPPrint_Preview.h"
#include "FrmSPPrint_PrintDlg.h"
#include "MessageRecorder.h"
#include "PreviewZoom.h"
#include "PrintDialogs.h"
#include "PrintFixture.h"
#include "PrintMarkupText.h"
#include "PrintSession.h"
#include "PrintSettings.h"
#include "SessionPreview.h"
#include "SettingsStore.h"
#include "SpreadGrid.h"
#include "SpreadPreviewView.h"
#include "SpreadPrintLayout.h"
#include "TestWorkspace.h"
#include "cSpreadPreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

// The preview, page setup, print options and header/footer windows, driven
// as the user drives them.
class TestPrintWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void onePageButtons();
    void twoPagesOnFivePages();
    void buttonsFollowZoom();
    void printFromPreviewReturnsTrue();
    void pageRangeWithoutPagesIsRefused_data();
    void pageRangeWithoutPagesIsRefused();
    void mergeColumnDuringPreviewOnly();
    void mergeColumnKeepsSelection();
    void pageSetupStoresAndApplies();
    void pageSetupFillsUnfilledPositions();
    void printDialogOptions();
    void printSelectedSingleCell();
    void editorLoadsAndSavesHeader();
    void editorFooterComesBackChanged();
    void editorSlashRightClickAndFont();
    void editorReportsDamagedHeaderOnce();
    void windowsActOnTheirOwnFront();
    void frontReleasedWhileItsPreviewIsOpen();

private:
    // A grid of 2 columns that prints on the given number of pages.
    std::unique_ptr<SpreadGrid> gridOfPages(int pages);
    // Opens the preview of grid for the screen "FrmDetail"; work runs inside it.
    bool preview(SpreadGrid &grid, const std::function<void(FrmSPPrint_Preview &)> &work);
    void prepare(SpreadGrid &grid);
    static void whenModal(const std::function<void(QWidget &)> &work);
    static QPushButton *buttonOf(QWidget &window, const QString &caption);

    std::unique_ptr<TestWorkspace> m_workspace;
    std::unique_ptr<MessageRecorder> m_messages;
    cSpreadPreview m_print;
};

void TestPrintWindows::init()
{
    m_workspace = std::make_unique<TestWorkspace>();
    m_messages = std::make_unique<MessageRecorder>();
    m_print.SetAppName(QStringLiteral("Quotadesk"));
    PrintFixture::printTo(m_print.session(), m_workspace->file(QStringLiteral("out.pdf")));
}

void TestPrintWindows::cleanup()
{
    PrintDialogs::setFontHandler({});
    m_messages.reset();
    m_workspace.reset();
}

void TestPrintWindows::whenModal(const std::function<void(QWidget &)> &work)
{
    QTimer::singleShot(0, qApp, [work] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        work(*modal);
    });
}

QPushButton *TestPrintWindows::buttonOf(QWidget &window, const QString &caption)
{
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

bool TestPrintWindows::preview(SpreadGrid &grid, const std::function<void(FrmSPPrint_Preview &)> &work)
{
    whenModal([work](QWidget &modal) {
        auto *window = qobject_cast<FrmSPPrint_Preview *>(&modal);
        QVERIFY(window);
        work(*window);
        if (window->isVisible())
            window->button(FrmSPPrint_Preview::BtnClose)->click();
    });
    return m_print.SpreadPreview(grid, QStringLiteral("FrmDetail"), QStringLiteral("Title"), QStringLiteral("L"),
                                 QStringLiteral("C"), 1, 0.3, 0.2, 0.5, 0.5, true, 1, QString(), false, 16);
}

// The print state of a request without opening anything.
void TestPrintWindows::prepare(SpreadGrid &grid)
{
    QVERIFY(m_print.SpreadPreview(grid, QStringLiteral("FrmDetail"), QStringLiteral("Title"), QStringLiteral("L"),
                                  QStringLiteral("C"), 1, 0.3, 0.2, 0.5, 0.5, true, 1, QString(), true, 16));
}

std::unique_ptr<SpreadGrid> TestPrintWindows::gridOfPages(int pages)
{
    auto grid = PrintFixture::grid(1000, 2);
    prepare(*grid);
    const QList<int> breaks = SpreadPrintLayout(*grid, QPageSize(QPageSize::A4)).pageBreakRows();
    grid->SetMaxRows(breaks.at(pages - 2) + 2);
    return grid;
}

void TestPrintWindows::onePageButtons()
{
    auto grid = PrintFixture::grid(5, 3);
    const bool printed = preview(*grid, [](FrmSPPrint_Preview &window) {
        QCOMPARE(window.windowTitle(), QStringLiteral("스프레드 인쇄 미리보기"));
        QVERIFY(!window.button(FrmSPPrint_Preview::BtnPrevious)->isEnabled());
        QVERIFY(!window.button(FrmSPPrint_Preview::BtnNext)->isEnabled());
        QCOMPARE(window.pageLabel()->text(), QStringLiteral("Page 1 of 1"));
        QCOMPARE(window.button(FrmSPPrint_Preview::BtnZoom)->toolTip(), QStringLiteral("Zoom"));
        QVERIFY(window.preview()->view().type == PreviewViewType::PageHeight);
    });
    QVERIFY(!printed);
}

void TestPrintWindows::twoPagesOnFivePages()
{
    auto grid = PrintFixture::grid(1000, 2);
    prepare(*grid);
    const QList<int> breaks = SpreadPrintLayout(*grid, QPageSize(QPageSize::A4)).pageBreakRows();
    grid->SetMaxRows(breaks.at(3) + 2);
    SaveSetting(QStringLiteral("Quotadesk_PritSetUp"), QStringLiteral("FrmDetail"), QStringLiteral("PrintZoomType"),
                QStringLiteral("10"));
    preview(*grid, [](FrmSPPrint_Preview &window) {
        QToolButton *next = window.button(FrmSPPrint_Preview::BtnNext);
        QToolButton *previous = window.button(FrmSPPrint_Preview::BtnPrevious);
        QCOMPARE(window.preview()->pagesPerScreen(), 2);
        QCOMPARE(window.pageLabel()->text(), QStringLiteral("Page 1 of 5"));
        next->click();
        QCOMPARE(window.pageLabel()->text(), QStringLiteral("Page 3 of 5"));
        QVERIFY(previous->isEnabled());
        QVERIFY(next->isEnabled());
        next->click();
        QCOMPARE(window.currentPage(), 5);
        QVERIFY(!next->isEnabled());
        previous->click();
        QCOMPARE(window.currentPage(), 3);
        QVERIFY(next->isEnabled());
        previous->click();
        QCOMPARE(window.currentPage(), 1);
        QVERIFY(!previous->isEnabled());
        // Zoom shows one page larger and back.
        window.button(FrmSPPrint_Preview::BtnZoom)->click();
        QCOMPARE(window.preview()->pagesPerScreen(), 1);
        window.button(FrmSPPrint_Preview::BtnZoom)->click();
        QCOMPARE(window.preview()->pagesPerScreen(), 2);
    });
}

void TestPrintWindows::buttonsFollowZoom()
{
    auto grid = gridOfPages(4);
    SaveSetting(QStringLiteral("Quotadesk_PritSetUp"), QStringLiteral("FrmDetail"), QStringLiteral("PrintZoomType"),
                QString::number(PreviewZoom::TwoPages));
    preview(*grid, [](FrmSPPrint_Preview &window) {
        QToolButton *next = window.button(FrmSPPrint_Preview::BtnNext);
        QToolButton *previous = window.button(FrmSPPrint_Preview::BtnPrevious);
        QToolButton *zoom = window.button(FrmSPPrint_Preview::BtnZoom);
        next->click();
        QCOMPARE(window.pageLabel()->text(), QStringLiteral("Page 3 of 4"));
        QVERIFY(!next->isEnabled()); // pages 3 and 4 shown
        zoom->click();               // one page: page 4 lies after it
        QVERIFY(next->isEnabled());
        next->click();
        QCOMPARE(window.currentPage(), 4);
        QVERIFY(!next->isEnabled());
        QVERIFY(previous->isEnabled());
        zoom->click();
        QVERIFY(!next->isEnabled());
        previous->click();
        QCOMPARE(window.currentPage(), 2);
        QVERIFY(next->isEnabled());
        // A view chosen in page setup counts as well.
        window.setView(*PreviewZoom::view(13)); // six pages: all four on screen
        QVERIFY(!next->isEnabled());
    });
}

void TestPrintWindows::printFromPreviewReturnsTrue()
{
    auto grid = PrintFixture::grid(5, 3);
    const QString pdf = m_workspace->file(QStringLiteral("out.pdf"));
    const bool printed = preview(*grid, [](FrmSPPrint_Preview &window) {
        whenModal([](QWidget &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Print"));
            buttonOf(dialog, QStringLiteral("인쇄"))->click();
        });
        window.button(FrmSPPrint_Preview::BtnPrint)->click();
        QVERIFY(!window.isVisible());
    });
    QVERIFY(printed);
    QCOMPARE(PdfDocument(pdf).pages(), 1);
}

void TestPrintWindows::pageRangeWithoutPagesIsRefused_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("backwards") << "5"
                               << "3";
    QTest::newRow("after the last page") << "9"
                                         << "12";
    QTest::newRow("page 0") << "0"
                            << "0";
    QTest::newRow("beyond a whole number") << "1"
                                           << "1e10";
    QTest::newRow("one page too many") << "2"
                                       << "5";
}

// Refused with a message, the dialog stays open and nothing counts as
// printed; a mended range then prints.
void TestPrintWindows::pageRangeWithoutPagesIsRefused()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    auto grid = gridOfPages(4);
    const QString pdf = m_workspace->file(QStringLiteral("out.pdf"));
    QFile::remove(pdf); // printed while the grid was measured
    const bool printed = preview(*grid, [&](FrmSPPrint_Preview &window) {
        whenModal([&](QWidget &dialog) {
            auto &print = dynamic_cast<FrmSPPrint_PrintDlg &>(dialog);
            print.Option1(FrmSPPrint_PrintDlg::RangePages)->click();
            print.Text1(0)->setText(first);
            print.Text1(1)->setText(last);
            buttonOf(print, QStringLiteral("인쇄"))->click();
            QVERIFY(print.isVisible());
            QCOMPARE(m_messages->count(), 1);
            QVERIFY(m_messages->last().text.contains(QStringLiteral("전체 4 페이지")));
            QVERIFY(!QFile::exists(pdf));
            QVERIFY(!window.m_bPrintedOK);
            print.Text1(0)->setText(QStringLiteral("2"));
            print.Text1(1)->setText(QStringLiteral("3"));
            buttonOf(print, QStringLiteral("인쇄"))->click();
            QVERIFY(!print.isVisible());
        });
        window.button(FrmSPPrint_Preview::BtnPrint)->click();
    });
    QVERIFY(printed);
    QCOMPARE(m_messages->count(), 1);
    const PdfDocument doc(pdf);
    QCOMPARE(doc.pages(), 2);
    QVERIFY(PdfDocument::squeezed(doc.pageText(1)).contains(QStringLiteral("Page:2/4")));
}

void TestPrintWindows::mergeColumnDuringPreviewOnly()
{
    auto grid = PrintFixture::grid(300, 3);
    for (int row = 1; row <= 300; ++row)
        grid->SetText(1, row, QStringLiteral("G%1").arg(row / 40));
    grid->SetColMerge(1, MergeAlways);
    grid->SetColWidth(1, 12);
    preview(*grid, [&grid](FrmSPPrint_Preview &window) {
        QCOMPARE(grid->MaxCols(), 4);
        QCOMPARE(grid->ColID(1), QStringLiteral("MERGE_COL"));
        QVERIFY(grid->ColHidden(1));
        QCOMPARE(grid->ColMerge(1), MergeAlways);
        QCOMPARE(grid->ColMerge(2), MergeRestricted);
        QCOMPARE(grid->text(2, 41), QStringLiteral("G1"));
        const QList<int> breaks = window.preview()->pageLayout()->pageBreakRows();
        QVERIFY(!breaks.isEmpty());
        QCOMPARE(grid->text(1, 1), QStringLiteral("0"));
        QCOMPARE(grid->text(1, breaks.first() - 1), QStringLiteral("0"));
        QCOMPARE(grid->text(1, breaks.first()), QStringLiteral("1"));
        QCOMPARE(grid->text(1, 300), QString::number(breaks.size()));
        // A merged block that crosses a page break ends at it.
        QCOMPARE(grid->mergedRange(2, breaks.first()).first, breaks.first());
    });
    QCOMPARE(grid->MaxCols(), 3);
    QVERIFY(grid->ColID(1) != QStringLiteral("MERGE_COL"));
    QCOMPARE(grid->ColMerge(1), MergeAlways);
    QVERIFY(!grid->ColHidden(1));
    QCOMPARE(grid->text(1, 41), QStringLiteral("G1"));
    QCOMPARE(grid->text(3, 300), QStringLiteral("R300C3"));

    auto plain = PrintFixture::grid(300, 3);
    preview(*plain, [&plain](FrmSPPrint_Preview &) { QCOMPARE(plain->MaxCols(), 3); });
    QCOMPARE(plain->text(1, 1), QStringLiteral("R1C1"));
}

// The page-number column comes and goes without losing the user's block:
// while it is there the block and the active cell sit one column further right.
void TestPrintWindows::mergeColumnKeepsSelection()
{
    auto grid = PrintFixture::grid(30, 4);
    for (int row = 1; row <= 30; ++row)
        grid->SetText(1, row, QStringLiteral("G%1").arg(row / 10));
    grid->SetColMerge(1, MergeAlways);
    grid->SetActiveCell(3, 6);
    const QAbstractItemModel *model = grid->view()->model();
    grid->view()->selectionModel()->select(QItemSelection(model->index(4, 1), model->index(5, 2)),
                                           QItemSelectionModel::ClearAndSelect);
    const QString pdf = m_workspace->file(QStringLiteral("out.pdf"));
    preview(*grid, [&](FrmSPPrint_Preview &window) {
        QCOMPARE(grid->ColID(1), QStringLiteral("MERGE_COL"));
        const SpreadCellRange shifted = grid->SelectedBlock();
        QCOMPARE(QList<int>({shifted.col, shifted.row, shifted.col2, shifted.row2}), QList<int>({3, 5, 4, 6}));
        QCOMPARE(grid->ActiveCol(), 4);
        QCOMPARE(grid->ActiveRow(), 6);
        whenModal([](QWidget &dialog) {
            auto &print = dynamic_cast<FrmSPPrint_PrintDlg &>(dialog);
            print.Option1(FrmSPPrint_PrintDlg::RangeSelection)->click();
            buttonOf(print, QStringLiteral("인쇄"))->click();
        });
        window.button(FrmSPPrint_Preview::BtnPrint)->click();
    });
    const QString text = PdfDocument(pdf).pageText(1);
    for (const char *present : {"R5C2", "R5C3", "R6C2", "R6C3"})
        QVERIFY2(text.contains(QLatin1String(present)), present);
    for (const char *absent : {"R5C4", "R4C2", "R7C3", "G0"})
        QVERIFY2(!text.contains(QLatin1String(absent)), absent);
    const SpreadCellRange back = grid->SelectedBlock();
    QCOMPARE(QList<int>({back.col, back.row, back.col2, back.row2}), QList<int>({2, 5, 3, 6}));
    QCOMPARE(grid->ActiveCol(), 3);
    QCOMPARE(grid->ActiveRow(), 6);
}

void TestPrintWindows::pageSetupStoresAndApplies()
{
    const QString app = QStringLiteral("Quotadesk_PritSetUp");
    SaveSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("PrintMarginLeft"), QStringLiteral("0.5"));
    auto grid = PrintFixture::grid(400, 3);
    preview(*grid, [&](FrmSPPrint_Preview &window) {
        whenModal([&](QWidget &dialog) {
            auto &setup = dynamic_cast<FrmSPPrint_PageSetup &>(dialog);
            QCOMPARE(setup.windowTitle(), QStringLiteral("Setup"));
            QCOMPARE(setup.pagemargin(FrmSPPrint_PageSetup::MarginLeft)->text(), QStringLiteral("0.50"));
            QVERIFY(setup.porientation(0)->isChecked());
            QCOMPARE(setup.Combo1()->currentText(), QStringLiteral("Page Height"));
            setup.pagemargin(FrmSPPrint_PageSetup::MarginTop)->setText(QStringLiteral("1.25"));
            setup.porientation(FrmSPPrint_PageSetup::Landscape)->setChecked(true);
            setup.Combo1()->setCurrentIndex(setup.Combo1()->findText(QStringLiteral("Two Pages")));
            buttonOf(setup, QStringLiteral("OK"))->click();
        });
        window.button(FrmSPPrint_Preview::BtnSetup)->click();
        QCOMPARE(grid->Print().PrintMarginTop, 1800);
        QCOMPARE(grid->Print().PrintMarginLeft, 720);
        QCOMPARE(grid->Print().PrintOrientation, 2);
        QCOMPARE(window.preview()->pagesPerScreen(), 2);
        QCOMPARE(window.preview()->pageLayout()->orientation(), QPageLayout::Landscape);
    });
    QCOMPARE(GetSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("PrintMarginTop")), QStringLiteral("1.25"));
    QCOMPARE(GetSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("PrintMarginLeft")), QStringLiteral("0.5"));
    QCOMPARE(GetSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("PrintOrientation")), QStringLiteral("2"));
    QCOMPARE(GetSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("PrintZoomType")), QStringLiteral("10"));
    // The next preview of the screen opens with that view.
    preview(*grid, [](FrmSPPrint_Preview &window) { QCOMPARE(window.preview()->pagesPerScreen(), 2); });

    // Fit to page on: margins and orientation locked, the zoom still stored.
    grid->Print().PrintScalingMethod = 1;
    FrmSPPrint_PageSetup fitted(m_print.session());
    QVERIFY(!fitted.pagemargin(0)->isEnabled());
    QVERIFY(!fitted.porientation(1)->isEnabled());
    fitted.Combo1()->setCurrentIndex(2);
    buttonOf(fitted, QStringLiteral("OK"))->click();
    QCOMPARE(GetSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("PrintZoomType")), QStringLiteral("2"));
    QCOMPARE(GetSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("PrintMarginTop")), QStringLiteral("1.25"));
}

void TestPrintWindows::pageSetupFillsUnfilledPositions()
{
    auto grid = PrintFixture::grid(5, 2);
    prepare(*grid);
    FrmSPPrint_PageSetup setup(m_print.session());
    QLineEdit *top = setup.pagemargin(FrmSPPrint_PageSetup::MarginTop);
    top->setText(QStringLiteral("1."));
    QVERIFY(top->displayText().contains(QLatin1Char('_')));
    QFocusEvent leave(QEvent::FocusOut);
    QCoreApplication::sendEvent(top, &leave);
    QCOMPARE(top->displayText(), QStringLiteral("1.00"));
    buttonOf(setup, QStringLiteral("OK"))->click();
    QCOMPARE(grid->Print().PrintMarginTop, 1440);
}

void TestPrintWindows::printDialogOptions()
{
    const QString app = QStringLiteral("Quotadesk_PritSetUp");
    auto grid = PrintFixture::grid(5, 2);
    prepare(*grid);
    const QString built = grid->Print().PrintFooter;
    FrmSPPrint_PrintDlg dialog(m_print.session());
    QVERIFY(dialog.Check1(8)->isChecked());
    QVERIFY(!dialog.Check1(7)->isChecked());
    QVERIFY(dialog.Check1(7)->isEnabled());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.Check1(8)->click();
    QCOMPARE(GetSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("CheckBox_8")), QStringLiteral("0"));
    QCOMPARE(grid->Print().PrintFooter, QString());
    dialog.Check1(2)->click();
    QVERIFY(!grid->Print().PrintGrid);
    dialog.Check1(4)->click();
    QCOMPARE(GetSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("CheckBox_4")), QStringLiteral("0"));
    QVERIFY(!grid->Print().PrintUseDataMax);
    // A letter in a page box turns it back to "1".
    QVERIFY(!dialog.Text1(0)->isEnabled());
    dialog.Option1(FrmSPPrint_PrintDlg::RangePages)->click();
    QVERIFY(dialog.Text1(0)->isEnabled());
    QTest::keyClick(dialog.Text1(1), Qt::Key_A);
    QCOMPARE(dialog.Text1(1)->text(), QStringLiteral("1"));
    QTest::keyClick(dialog.Text1(1), Qt::Key_3);
    QCOMPARE(dialog.Text1(1)->text(), QStringLiteral("13"));
    buttonOf(dialog, QStringLiteral("닫기"))->click();
    QVERIFY(!dialog.isVisible());
    QVERIFY(!grid->Print().PrintGrid);
    QCOMPARE(GetSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("CheckBox_2")), QStringLiteral("0"));

    // Checking the footer again brings back the footer built for the request.
    FrmSPPrint_PrintDlg again(m_print.session());
    QVERIFY(!again.Check1(8)->isChecked());
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    again.Check1(8)->click();
    QCOMPARE(grid->Print().PrintFooter, built);

    // Without scaling allowed the fit option is off and locked.
    SaveSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("CheckBox_7"), QStringLiteral("1"));
    m_print.session().setScalingAllowed(0);
    FrmSPPrint_PrintDlg locked(m_print.session());
    QVERIFY(!locked.Check1(7)->isChecked());
    QVERIFY(!locked.Check1(7)->isEnabled());
}

void TestPrintWindows::printSelectedSingleCell()
{
    auto grid = PrintFixture::grid(50, 4);
    const QString pdf = m_workspace->file(QStringLiteral("out.pdf"));
    grid->SetActiveCell(3, 17);
    preview(*grid, [](FrmSPPrint_Preview &window) {
        whenModal([](QWidget &dialog) {
            auto &print = dynamic_cast<FrmSPPrint_PrintDlg &>(dialog);
            print.Option1(FrmSPPrint_PrintDlg::RangeSelection)->click();
            buttonOf(print, QStringLiteral("인쇄"))->click();
        });
        window.button(FrmSPPrint_Preview::BtnPrint)->click();
    });
    const PdfDocument doc(pdf);
    QCOMPARE(doc.pages(), 1);
    const QString text = doc.pageText(1);
    QVERIFY(text.contains(QStringLiteral("R17C3")));
    for (const char *absent : {"R16C3", "R18C3", "R17C2", "R17C4"})
        QVERIFY2(!text.contains(QLatin1String(absent)), absent);
}

void TestPrintWindows::editorLoadsAndSavesHeader()
{
    auto grid = PrintFixture::grid(5, 2);
    prepare(*grid);
    FrmSPPrint_HeaderFooter editor(m_print.session());
    SpreadGrid &cells = *editor.spread();
    QCOMPARE(editor.windowTitle(), QStringLiteral("Change Header/Footer Attributes"));
    QCOMPARE(cells.MaxRows(), 9);
    QCOMPARE(cells.MaxCols(), 6);
    QCOMPARE(cells.CellType(2, 5), CellTypeButton);
    QCOMPARE(cells.text(3, 1), QStringLiteral("Title"));
    QCOMPARE(cells.FontSize(3, 1), 16.0);
    QVERIFY(cells.FontBold(3, 1));
    QCOMPARE(cells.FontName(3, 1), QStringLiteral("굴림체"));
    QCOMPARE(cells.text(1, 3), QStringLiteral("L"));
    QCOMPARE(cells.FontSize(1, 3), 10.0);
    QCOMPARE(cells.text(3, 3), QStringLiteral("C"));
    QVERIFY(cells.text(1, 2).isEmpty());

    buttonOf(editor, QStringLiteral("OK"))->click();
    const QString font16 = QStringLiteral("/fn\"굴림체\"/fz\"16\"/fb1/fi0/fu0/fk0");
    const QString font10 = QStringLiteral("/fn\"굴림체\"/fz\"10\"/fb1/fi0/fu0/fk0");
    QCOMPARE(grid->Print().PrintHeader, font16 + QStringLiteral("/cTitle/n/n") + font10 + QStringLiteral("/lL") + font10
                                            + QStringLiteral("/cC/n"));
}

void TestPrintWindows::editorFooterComesBackChanged()
{
    auto grid = PrintFixture::grid(5, 2);
    prepare(*grid);
    FrmSPPrint_HeaderFooter editor(m_print.session());
    editor.optApply(FrmSPPrint_HeaderFooter::FooterText)->click();
    QCOMPARE(editor.cmdSave()->text(), QStringLiteral("Save Footer Text"));
    QVERIFY(editor.optApply(1)->font().bold());
    QCOMPARE(editor.spread()->text(1, 2), QStringLiteral("c"));
    QVERIFY(editor.spread()->text(3, 2).isEmpty());
    editor.cmdSave()->click();
    QVERIFY(!editor.cmdSave()->isEnabled());
    QCOMPARE(grid->Print().PrintFooter, QStringLiteral("/n/fn\"굴림체\"/fz\"10\"/fb0/fi0/fu0/fk0/lc/n"));
    QVERIFY(grid->Print().PrintHeader.startsWith(QStringLiteral("/fn\"굴림체\"/fz\"16\"/fb1/fu0/fs1")));

    m_messages->answerNext(MsgYes);
    editor.cmdReset()->click();
    QCOMPARE(m_messages->last().title, QStringLiteral("Clear Text"));
    QCOMPARE(grid->Print().PrintFooter, QString());
    QVERIFY(editor.spread()->text(1, 2).isEmpty());
}

void TestPrintWindows::editorSlashRightClickAndFont()
{
    auto grid = PrintFixture::grid(5, 2);
    prepare(*grid);
    FrmSPPrint_HeaderFooter editor(m_print.session());
    SpreadGrid &cells = *editor.spread();
    cells.SetText(5, 4, QStringLiteral("A/S"));
    editor.SaveConfiguration();
    QVERIFY(grid->Print().PrintHeader.contains(QStringLiteral("/rA//S/n")));
    editor.GetHeaderDetail(grid->Print().PrintHeader);
    QCOMPARE(cells.text(5, 4), QStringLiteral("S")); // read back split at the slash

    cells.SetActiveCell(1, 6);
    emit cells.RightClick(1, 6);
    QCOMPARE(cells.text(1, 6), QStringLiteral("<Page Number>"));
    QCOMPARE(cells.ForeColor(1, 6), QColor(0x80, 0x80, 0x80));
    editor.SaveConfiguration();
    QVERIFY(grid->Print().PrintHeader.contains(QStringLiteral("/l/p/n")));
    emit cells.RightClick(1, 6);
    QVERIFY(cells.text(1, 6).isEmpty());
    QCOMPARE(cells.CellType(1, 6), CellTypeEdit);

    // Text in the cell: asked first; No keeps it.
    cells.SetText(1, 6, QStringLiteral("keep"));
    m_messages->answerNext(MsgNo);
    emit cells.RightClick(1, 6);
    QCOMPARE(m_messages->last().title, QStringLiteral("Replace Existing Text"));
    QCOMPARE(cells.text(1, 6), QStringLiteral("keep"));

    PrintDialogs::setFontHandler([](const QFont &initial, const QColor &) {
        QFont chosen = initial;
        chosen.setFamily(QStringLiteral("NanumGothic"));
        chosen.setPointSize(12);
        chosen.setItalic(true);
        return std::optional<QFont>(chosen);
    });
    emit cells.ButtonClicked(2, 6);
    QCOMPARE(cells.FontName(1, 6), QStringLiteral("NanumGothic"));
    QVERIFY(cells.FontItalic(1, 6));
    PrintDialogs::setFontHandler([](const QFont &, const QColor &) { return std::optional<QFont>(); });
    emit cells.ButtonClicked(2, 6);
    QCOMPARE(cells.FontSize(1, 6), 12.0);
    editor.SaveConfiguration();
    QVERIFY(grid->Print().PrintHeader.contains(QStringLiteral("/fn\"NanumGothic\"/fz\"12\"/fb0/fi1/fu0/fk0/lkeep")));
}

void TestPrintWindows::editorReportsDamagedHeaderOnce()
{
    auto grid = PrintFixture::grid(5, 2);
    prepare(*grid);
    grid->Print().PrintHeader = QStringLiteral("/lA/n/fn\"Unclosed/lB/n");
    FrmSPPrint_HeaderFooter editor(m_print.session());
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Error parsing FONT NAME")});
    QCOMPARE(m_messages->last().title, QStringLiteral("GetHeaderDetail"));
    QCOMPARE(editor.spread()->text(1, 1), QStringLiteral("A")); // what was read before it
}

// Two print fronts with a request each: the windows opened with one front's
// session change its grid alone and store under its application name, and
// the other front going away leaves its open preview alone.
void TestPrintWindows::windowsActOnTheirOwnFront()
{
    const QString app = QStringLiteral("Quotadesk_PritSetUp");
    const QString otherApp = QStringLiteral("Other_PritSetUp");
    auto other = std::make_unique<cSpreadPreview>();
    other->SetAppName(QStringLiteral("Other"));
    PrintFixture::printTo(other->session(), m_workspace->file(QStringLiteral("other.pdf")));
    auto mine = PrintFixture::grid(5, 2);
    auto theirs = PrintFixture::grid(5, 2);
    prepare(*mine);
    QVERIFY(other->SpreadPreview(*theirs, QStringLiteral("FrmDetail"), QStringLiteral("Other title"), QString(),
                                 QString(), 1, 0.3, 0.2, 0.5, 0.5, true, 1, QString(), true, 16));

    FrmSPPrint_PageSetup setup(m_print.session());
    setup.pagemargin(FrmSPPrint_PageSetup::MarginTop)->setText(QStringLiteral("1.25"));
    buttonOf(setup, QStringLiteral("OK"))->click();
    QCOMPARE(mine->Print().PrintMarginTop, 1800);
    QCOMPARE(theirs->Print().PrintMarginTop, 720);
    QCOMPARE(GetSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("PrintMarginTop")), QStringLiteral("1.25"));
    QCOMPARE(GetSetting(otherApp, QStringLiteral("FrmDetail"), QStringLiteral("PrintMarginTop")), QString());

    {
        FrmSPPrint_PrintDlg options(other->session());
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        options.Check1(static_cast<int>(PrintOption::Footer))->click();
    }
    QVERIFY(theirs->Print().PrintFooter.isEmpty());
    QVERIFY(!mine->Print().PrintFooter.isEmpty());
    QCOMPARE(GetSetting(otherApp, QStringLiteral("FrmDetail"), QStringLiteral("CheckBox_8")), QStringLiteral("0"));
    QCOMPARE(GetSetting(app, QStringLiteral("FrmDetail"), QStringLiteral("CheckBox_8")), QString());

    preview(*mine, [&](FrmSPPrint_Preview &window) {
        other.reset();
        QVERIFY(window.isVisible());
        QCOMPARE(m_print.session().preview(), static_cast<SessionPreview *>(&window));
    });
}

// The program releases its print front at shutdown, which may come while a
// preview is still open: the preview closes, gives the grid back without its
// page-number column and is left with nothing of the released front to reach.
void TestPrintWindows::frontReleasedWhileItsPreviewIsOpen()
{
    auto front = std::make_unique<cSpreadPreview>();
    front->SetAppName(QStringLiteral("Quotadesk"));
    PrintFixture::printTo(front->session(), m_workspace->file(QStringLiteral("out.pdf")));
    auto grid = PrintFixture::grid(300, 3);
    grid->SetColMerge(1, MergeAlways);
    whenModal([&](QWidget &modal) {
        QCOMPARE(grid->ColID(1), QStringLiteral("MERGE_COL"));
        front.reset();
        QVERIFY(!modal.isVisible());
    });
    QVERIFY(!front->SpreadPreview(*grid, QStringLiteral("FrmDetail"), QStringLiteral("Title"), QString(), QString(), 1,
                                  0.3, 0.2, 0.5, 0.5, true, 1, QString(), false, 16));
    QCOMPARE(grid->MaxCols(), 3);
    QCOMPARE(grid->text(1, 1), QStringLiteral("R1C1"));
}

QTEST_MAIN(TestPrintWindows)
#include "TestPrintWindows.moc"
