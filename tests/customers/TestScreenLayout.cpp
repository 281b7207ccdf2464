#include "CustomerFixture.h"
#include "DateEdit.h"
#include "FrmDetail.h"
#include "FrmFill_Save.h"
#include "FrmMain.h"
#include "FrmUser_Add.h"
#include "HCTerm.h"
#include "HCText.h"
#include "HCTextColor.h"
#include "LabelledFields.h"
#include "ProfileFile.h"
#include "ProgramFolder.h"
#include "SpreadGrid.h"
#include "WindowParts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

// What the operator sees of the screens: columns wide enough for their
// longest data, the period box at its size, colours on the cursor row, fields
// that show their text, the focus where typing starts.
class TestScreenLayout : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<CustomerFixture>(); }
    void cleanup()
    {
        m_fixture.reset();
        QApplication::setFont(m_appFont);
    }
    void initTestCase() { m_appFont = QApplication::font(); }

    void listColumnsShowTheLongestDataInFull_data() { fontSizes(); }
    void listColumnsShowTheLongestDataInFull()
    {
        useFontSize();
        // The balance column holds what BIGINT keeps within the number cell's range.
        m_fixture->addCustomer("mailmarketing_seocho", "이메일마케팅서초지점영업본부장", "010-1234-5678", 999999999999);
        m_fixture->addCustomer("m2", "가", "02-555-0000", -999999999999);
        m_fixture->db.exec(
            QStringLiteral("UPDATE emailuser SET userpw = userid, bigo = '서초지점 담당자 연락처 확인'"));
        FrmMain main;
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        main.resize(1280, 700);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.Search();
        QCOMPARE(spList->MaxRows(), 2);
        for (int col = FrmMain::ColName; col < FrmMain::ColMemo; ++col)
            for (int row = 0; row <= 2; ++row)
                verifyShownInFull(*spList, col, row);
        verifyShownInFull(*spList, FrmMain::ColMemo, 0);
        if (screenFont())
            verifyLastColumnReachesTheEdge(*spList, FrmMain::ColMemo);
    }

    void historyColumnsShowTheLongestDataInFull_data() { fontSizes(); }
    void historyColumnsShowTheLongestDataInFull()
    {
        useFontSize();
        const int code = m_fixture->addCustomer("cust", "손님");
        m_fixture->db.exec(
            QStringLiteral(
                "INSERT INTO emaillog (regdate, regtime, gubun, inprice, appcnt, ucode, recusername, bigo) VALUES "
                "('2011-05-28', '23:59', 1, 999999999999, -999999999999, %1, '이메일마케팅서초', '서초지점 담당자 "
                "연락처')")
                .arg(code));
        FrmDetail detail(code);
        HCTerm *htDate = part<HCTerm>(detail, "htDate");
        SpreadGrid *spList = part<SpreadGrid>(detail, "spList");
        detail.resize(1100, 500);
        detail.show();
        QVERIFY(QTest::qWaitForWindowExposed(&detail));
        htDate->setText1(QStringLiteral("2011-05-01"));
        htDate->setText2(QStringLiteral("2011-05-31"));
        detail.Search();
        QCOMPARE(spList->MaxRows(), 1);
        for (int col = FrmDetail::ColDate; col < FrmDetail::ColMemo; ++col)
            for (int row = 0; row <= 1; ++row)
                verifyShownInFull(*spList, col, row);
        verifyShownInFull(*spList, FrmDetail::ColMemo, 0);
        if (screenFont())
            verifyLastColumnReachesTheEdge(*spList, FrmDetail::ColMemo);
    }

    // The amount and count boxes of the top-up show their largest figure whole.
    void topUpFiguresShowWhole_data()
    {
        QTest::addColumn<int>("field");
        QTest::newRow("amount") << int(FrmFill_Save::FieldAmount);
        QTest::newRow("count") << int(FrmFill_Save::FieldCount);
    }
    void topUpFiguresShowWhole()
    {
        QFETCH(int, field);
        FrmFill_Save fill;
        fill.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fill));
        QLineEdit *box = part<HCText>(fill, "htField", field)->txtBox();
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("9999999999999999"));
        QCOMPARE(box->text(), QStringLiteral("999,999,999,999"));
        // The box's frame and text margins take 2 + 2 pixels on each side.
        QVERIFY2(box->width() - 8 >= box->fontMetrics().horizontalAdvance(box->text()),
                 qPrintable(QString::number(box->width())));
    }

    void storedColumnWidthsWin()
    {
        const QString file = ProgramFolder::file(QStringLiteral("FormIni")) + QStringLiteral("/FrmMain.ini");
        QDir().mkpath(QFileInfo(file).absolutePath());
        ProfileFile::write(file, QStringLiteral("spList_ColsWidth"), QStringLiteral("2"), QStringLiteral("31.5"));
        FrmMain main;
        QCOMPARE(part<SpreadGrid>(main, "spList")->ColWidth(FrmMain::ColPhone), 31.5);
    }

    // The box keeps its 3885-twip design width however narrow the window, and
    // the row beside it shows every button in full.
    void periodBoxKeepsItsWidthAndTheRowFits()
    {
        const int code = m_fixture->addCustomer("cust", "손님");
        FrmDetail detail(code);
        HCTerm *htDate = part<HCTerm>(detail, "htDate");
        detail.show();
        detail.resize(200, 300);
        QVERIFY(QTest::qWaitForWindowExposed(&detail));
        QVERIFY2(htDate->width() >= 259, qPrintable(QString::number(htDate->width())));
        for (int i = 0; i < 2; ++i) {
            const DateEdit *field = htDate->field(i);
            const int needed = field->fontMetrics().horizontalAdvance(QStringLiteral("2011-05-01"));
            QVERIFY2(field->contentsRect().width() >= needed,
                     qPrintable(QStringLiteral("%1 < %2").arg(field->contentsRect().width()).arg(needed)));
        }
        for (QWidget *part : std::initializer_list<QWidget *>{
                 part<QRadioButton>(detail, "OptGubun", 0), part<QRadioButton>(detail, "OptGubun", 1),
                 part<QRadioButton>(detail, "OptGubun", 2), part<QPushButton>(detail, "BtnSelect"),
                 part<QPushButton>(detail, "btnExcel"), part<QPushButton>(detail, "btnPrint"),
                 part<QPushButton>(detail, "btnClose")}) {
            QVERIFY(part->width() >= part->sizeHint().width());
            QVERIFY(part->geometry().right() < detail.width());
        }
    }

    void selectedRowKeepsEachCellsColour()
    {
        m_fixture->addCustomer("idA", "가", "02", -5);
        FrmMain main;
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        main.resize(1000, 400);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.Search();
        spList->SetActiveCell(FrmMain::ColName, 1);
        QTableView *view = spList->view();
        QVERIFY(view->selectionModel()->isRowSelected(0, QModelIndex()));
        const QImage shot = view->viewport()->grab().toImage();
        const QColor selection = spList->SelBackColor();
        const auto cellHas = [&](int col, const std::function<bool(const QColor &)> &wanted) {
            const QRect rect = view->visualRect(view->model()->index(0, col - 1)).intersected(shot.rect());
            const qreal scale = shot.devicePixelRatio();
            for (int y = qRound(rect.top() * scale); y < qRound(rect.bottom() * scale); ++y)
                for (int x = qRound(rect.left() * scale); x < qRound(rect.right() * scale); ++x)
                    if (wanted(shot.pixelColor(x, y)))
                        return true;
            return false;
        };
        const auto reddish = [](const QColor &c) { return c.red() > 180 && c.green() < 110 && c.blue() < 110; };
        const auto bluish = [](const QColor &c) { return c.blue() > 180 && c.red() < 110 && c.green() < 110; };
        QVERIFY(cellHas(FrmMain::ColRest, reddish));
        QVERIFY(cellHas(FrmMain::ColRest, [&](const QColor &c) { return c == selection; }));
        QVERIFY(cellHas(FrmMain::ColId, bluish));
        QVERIFY(cellHas(FrmMain::ColId, [&](const QColor &c) { return c == selection; }));
    }

    void topUpOpensOnTheAmountAndPassesTheLockedFields()
    {
        const int code = m_fixture->addCustomer("cust", "이메일마케팅 서초지점");
        FrmFill_Save fill;
        fill.SetFormMode(code, QStringLiteral("이메일마케팅 서초지점"), QStringLiteral("cust"), FrmFill_Save::Mode::New,
                         nullptr, 0);
        fill.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fill));
        QApplication::setActiveWindow(&fill);
        HCText *amount = part<HCText>(fill, "htField", FrmFill_Save::FieldAmount);
        QTRY_COMPARE(QApplication::focusWidget(), amount->txtBox());
        for (int field : {FrmFill_Save::FieldName, FrmFill_Save::FieldId}) {
            HCText *locked = part<HCText>(fill, "htField", field);
            QCOMPARE(locked->property("BackColor").toInt(), HCTextColor::LightGrey);
            QCOMPARE(locked->txtBox()->cursorPosition(), 0);
        }
        for (int step = 0; step < 8; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != part<HCText>(fill, "htField", FrmFill_Save::FieldName)->txtBox());
            QVERIFY(QApplication::focusWidget() != part<HCText>(fill, "htField", FrmFill_Save::FieldId)->txtBox());
        }
    }

    // Edit shows a long trade name whole, and the window is as big as for a
    // new customer.
    void registrationKeepsItsSizeAndShowsTextFromTheStart()
    {
        const int code = m_fixture->addCustomer("cust", "이메일마케팅 서초지점 영업본부");
        FrmMain main;
        FrmUser_Add *add = part<FrmUser_Add>(main, "FrmUser_Add");
        add->SetFormMode(FrmUser_Add::Mode::New, &main, 0);
        add->show();
        QVERIFY(QTest::qWaitForWindowExposed(add));
        const QSize newSize = add->size();
        add->hide();
        add->SetFormMode(FrmUser_Add::Mode::Edit, &main, code);
        add->show();
        QCOMPARE(add->size(), newSize);
        const QLineEdit *name = part<HCText>(*add, "htField", FrmUser_Add::FieldName)->txtBox();
        QVERIFY(name->width()
                > name->fontMetrics().horizontalAdvance(QStringLiteral("이메일마케팅 서초지점 영업본부")));
        QVERIFY(part<HCText>(*add, "htField", FrmUser_Add::FieldMemo)->width()
                > 2 * part<HCText>(*add, "htField", FrmUser_Add::FieldId)->width());
    }

    void everyFieldButtonAndGridHasAName()
    {
        const int code = m_fixture->addCustomer("cust", "손님");
        FrmMain main;
        FrmDetail detail(code);
        FrmFill_Save fill;
        FrmUser_Add *add = part<FrmUser_Add>(main, "FrmUser_Add");
        add->SetFormMode(FrmUser_Add::Mode::New, &main, 0);
        for (QWidget *window : std::initializer_list<QWidget *>{&main, &detail, &fill, add}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            int named = 0;
            for (QWidget *part : window->findChildren<QWidget *>()) {
                if (!part->isVisible() || qobject_cast<QAbstractItemView *>(part->parentWidget()))
                    continue; // a table's own corner button is part of the table
                if (!qobject_cast<QLineEdit *>(part) && !qobject_cast<QAbstractButton *>(part)
                    && !qobject_cast<QTableView *>(part))
                    continue;
                const auto *button = qobject_cast<QAbstractButton *>(part);
                const QString name = part->accessibleName().isEmpty() && button ? button->text()
                                                                                : part->accessibleName();
                QVERIFY2(!name.isEmpty(), qPrintable(window->objectName() + QLatin1Char('/') + part->objectName()
                                                     + QLatin1Char(' ') + part->metaObject()->className()));
                ++named;
            }
            QVERIFY(named >= 4);
        }
    }

private:
    static void fontSizes()
    {
        QTest::addColumn<int>("points");
        QTest::newRow("screen font") << 0;
        QTest::newRow("large font") << 16;
    }
    static bool screenFont()
    {
        QFETCH(int, points);
        return points == 0;
    }
    void useFontSize()
    {
        QFETCH(int, points);
        if (points == 0)
            return;
        QFont large = m_appFont;
        large.setPointSize(points);
        QApplication::setFont(large);
    }
    // The cell's text as shown fits its column in the cell's own font.
    static void verifyShownInFull(const SpreadGrid &grid, int col, int row)
    {
        const QString shown = grid.displayText(col, row);
        const int textWidth = QFontMetrics(grid.CellFont(col, row)).horizontalAdvance(shown);
        const int width = grid.view()->columnWidth(col - 1);
        QVERIFY2(width >= textWidth + 6, qPrintable(QStringLiteral("column %1 row %2 \"%3\": %4 px for %5 px of text")
                                                        .arg(col)
                                                        .arg(row)
                                                        .arg(shown)
                                                        .arg(width)
                                                        .arg(textWidth)));
    }
    static void verifyLastColumnReachesTheEdge(const SpreadGrid &grid, int col)
    {
        const QTableView *view = grid.view();
        QTRY_COMPARE(view->columnViewportPosition(col - 1) + view->columnWidth(col - 1), view->viewport()->width());
    }

    std::unique_ptr<CustomerFixture> m_fixture;
    QFont m_appFont;
};

QTEST_MAIN(TestScreenLayout)
#include "TestScreenLayout.moc"
