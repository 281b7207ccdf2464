#include "FrmSPPrint_HeaderFooter.h"
#include "FrmSPPrint_PageSetup.h"
#include "FrmSPPrint_Preview.h"
#include "FrmSPPrint_PrintDlg.h"
#include "MessageRecorder.h"
#include "PrintFixture.h"
#include "SpreadGrid.h"
#include "SpreadPreviewView.h"
#include "SpreadPrintLayout.h"
#include "TestWorkspace.h"
#include "cSpreadPreview.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

// The print windows as a keyboard operator and a small screen meet them:
// Enter on a focused button presses it, the preview fits the screen, the
// header/footer editor shows its whole grid.
class TestPrintWindowKeys : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_workspace = std::make_unique<TestWorkspace>();
        m_messages = std::make_unique<MessageRecorder>();
        m_print.SetAppName(QStringLiteral("Quotadesk"));
        PrintFixture::printTo(m_print.session(), m_workspace->file(QStringLiteral("out.pdf")));
        m_grid = PrintFixture::grid(5, 2);
        QVERIFY(m_print.SpreadPreview(*m_grid, QStringLiteral("FrmDetail"), QStringLiteral("Title"),
                                      QStringLiteral("L"), QStringLiteral("C"), 1, 0.3, 0.2, 0.5, 0.5, true, 1,
                                      QString(), true, 16));
    }
    void cleanup()
    {
        m_grid.reset();
        m_messages.reset();
        m_workspace.reset();
    }

    void enterOnAFocusedButtonPressesIt()
    {
        {
            FrmSPPrint_PrintDlg dialog(m_print.session());
            dialog.show();
            pressEnterOn(buttonOf(dialog, QStringLiteral("닫기")));
            QVERIFY(!dialog.isVisible());
        }
        {
            FrmSPPrint_PageSetup dialog(m_print.session());
            dialog.show();
            pressEnterOn(buttonOf(dialog, QStringLiteral("Cancel")));
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        {
            FrmSPPrint_HeaderFooter editor(m_print.session());
            editor.show();
            pressEnterOn(buttonOf(editor, QStringLiteral("Cancel")));
            QVERIFY(!editor.isVisible());
        }
        {
            FrmSPPrint_Preview preview(m_print.session());
            preview.show();
            QToolButton *close = preview.button(FrmSPPrint_Preview::BtnClose);
            QApplication::setActiveWindow(&preview);
            close->setFocus(Qt::TabFocusReason);
            QTest::keyClick(close, Qt::Key_Return);
            QVERIFY(!preview.isVisible());
        }
    }

    void previewOpensWithinTheScreen()
    {
        FrmSPPrint_Preview preview(m_print.session());
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        const QRect room = preview.screen()->availableGeometry();
        QVERIFY(preview.width() <= room.width());
        QVERIFY(preview.height() < room.height());
    }

    // Every column of the editor's grid is in view, the title line grows for
    // its 16-point font.
    void editorShowsItsWholeGrid()
    {
        FrmSPPrint_HeaderFooter editor(m_print.session());
        editor.GetHeaderDetail(QStringLiteral("/fn\"굴림\"/fz\"16\"/fb1/fi0/fu0/fk0/cTitle/n"));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QTableView *view = editor.spread()->view();
        QVERIFY(!view->horizontalScrollBar()->isVisible());
        const int last = view->model()->columnCount() - 1;
        QVERIFY(view->columnViewportPosition(last) + view->columnWidth(last) <= view->viewport()->width());
        const int titleHeight = QFontMetrics(editor.spread()->CellFont(FrmSPPrint_HeaderFooter::ColCenter, 1)).height();
        QVERIFY2(view->rowHeight(0) >= titleHeight,
                 qPrintable(QStringLiteral("%1 < %2").arg(view->rowHeight(0)).arg(titleHeight)));
    }

    void pagingKeys_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("typed"); // into the page dialog the key opens
        QTest::addColumn<int>("expected");
        QTest::newRow("Page Down") << 1 << int(Qt::Key_PageDown) << 0 << QString() << 2;
        QTest::newRow("Page Up") << 3 << int(Qt::Key_PageUp) << 0 << QString() << 2;
        QTest::newRow("End") << 1 << int(Qt::Key_End) << 0 << QString() << 12;
        QTest::newRow("Home") << 4 << int(Qt::Key_Home) << 0 << QString() << 1;
        QTest::newRow("Ctrl+End") << 2 << int(Qt::Key_End) << int(Qt::ControlModifier) << QString() << 12;
        QTest::newRow("Ctrl+Home") << 5 << int(Qt::Key_Home) << int(Qt::ControlModifier) << QString() << 1;
        QTest::newRow("a typed page number") << 1 << int(Qt::Key_1) << 0 << QStringLiteral("1") << 11;
        QTest::newRow("Ctrl+G") << 1 << int(Qt::Key_G) << int(Qt::ControlModifier) << QStringLiteral("3") << 3;
    }

    // The keys act wherever the focus is in the preview, on the page view too.
    void pagingKeys()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, typed);
        QFETCH(int, expected);
        auto grid = gridOfPages(12);
        FrmSPPrint_Preview preview(m_print.session());
        preview.show();
        QApplication::setActiveWindow(&preview);
        preview.preview()->setCurrentPage(start);
        preview.preview()->setFocus();
        QTimer::singleShot(0, qApp, [typed] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || dialog->objectName() != QLatin1String("PreviewPageDialog"))
                return;
            auto *field = dialog->findChild<QLineEdit *>();
            QApplication::setActiveWindow(dialog);
            QCoreApplication::processEvents();
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
        });
        QTest::keyClick(preview.preview(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(preview.currentPage(), expected);
        QCOMPARE(preview.pageLabel()->text(), QStringLiteral("Page %1 of 12").arg(expected));
    }

    // With a whole page in view, a notch of the wheel turns the page.
    void wheelTurnsPages()
    {
        auto grid = gridOfPages(5);
        FrmSPPrint_Preview preview(m_print.session());
        preview.show();
        QWidget *pages = preview.preview()->viewport();
        auto turn = [pages](int delta) {
            QWheelEvent wheel(QPointF(50, 50), pages->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(pages, &wheel);
        };
        turn(-120);
        turn(-120);
        QCOMPARE(preview.currentPage(), 3);
        turn(120);
        QCOMPARE(preview.currentPage(), 2);
    }

private:
    // A grid of 2 columns on the given number of pages, the session's grid.
    std::unique_ptr<SpreadGrid> gridOfPages(int pages)
    {
        auto grid = PrintFixture::grid(1000, 2);
        m_print.SpreadPreview(*grid, QStringLiteral("FrmDetail"), QStringLiteral("Title"), QStringLiteral("L"),
                              QStringLiteral("C"), 1, 0.3, 0.2, 0.5, 0.5, true, 1, QString(), true, 16);
        const QList<int> breaks = SpreadPrintLayout(*grid, QPageSize(QPageSize::A4)).pageBreakRows();
        grid->SetMaxRows(breaks.at(pages - 2) + 2);
        return grid;
    }
    static QPushButton *buttonOf(QWidget &window, const QString &caption)
    {
        for (QPushButton *button : window.findChildren<QPushButton *>())
            if (button->text() == caption)
                return button;
        return nullptr;
    }
    static void pressEnterOn(QPushButton *button)
    {
        QVERIFY(button);
        QApplication::setActiveWindow(button->window());
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Return);
    }

    std::unique_ptr<TestWorkspace> m_workspace;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<SpreadGrid> m_grid;
    cSpreadPreview m_print;
};

QTEST_MAIN(TestPrintWindowKeys)
#include "TestPrintWindowKeys.moc"
