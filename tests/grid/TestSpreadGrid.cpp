#include "GetCellText.h"
#include "MessageRecorder.h"
#include "ReDrawGuard.h"
#include "SpreadGrid.h"
#include "SpreadGridDelegate.h"
#include "SpreadGridModel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <optional>

namespace {
// How a test fills a grid: with painting off, cell by cell on screen, or by appending rows.
enum Fill { PaintingOff, OnScreen, Appended };

// Fills rows 1..rows with "r<row>c<col>".
void fill(SpreadGrid &grid, int rows, int cols)
{
    grid.SetMaxCols(cols);
    grid.SetMaxRows(rows);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            grid.SetText(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
}

// Records the keys that reach the window around the grid.
class KeyWindow : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys << event->key(); }
};

bool editing(const SpreadGrid &grid)
{
    const auto editors = grid.view()->viewport()->findChildren<QLineEdit *>();
    return std::any_of(editors.begin(), editors.end(), [](const QLineEdit *e) { return e->isVisible(); });
}

} // namespace

class TestSpreadGrid : public QObject {
    Q_OBJECT
private slots:
    void modelStaysConsistent();
    void sizeAndTexts();
    void insertAndDeleteKeepTheRowCount();
    void columnsMoveTheSelectionAlong();
    void headerRowsAndGetCellText();
    void activeCellIsApartFromAddress();
    void loadingRestoresTheCursor_data();
    void loadingRestoresTheCursor();
    void numberCells_data();
    void numberCells();
    void addressingLevels();
    void merges();
    void buttonCellsAndDoubleClick();
    void readOnlyTypingBeeps();
    void switchedOffActionKeysReachTheWindow();
    void reDrawOffSendsNoSignals();
    void headerClickSorts();
    void columnsAndRowSizes();
    void typedCharacterIsNoActionKey_data();
    void typedCharacterIsNoActionKey();
    void figureColumnsFitTheirWidestFigure_data();
    void figureColumnsFitTheirWidestFigure();
    void figureIsNeverElided();
};

void TestSpreadGrid::modelStaysConsistent()
{
    SpreadGrid grid;
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(grid, 20, 4);
    grid.InsertRows(3, 2);
    grid.DeleteRows(1, 5);
    grid.SetMaxCols(6);
    grid.InsertCols(2, 1);
    grid.DeleteCols(1, 2);
    {
        ReDrawGuard guard(grid);
        grid.SetMaxRows(0);
        fill(grid, 7, 3);
    }
    grid.SetUserColAction(UserColActionSort);
    grid.model()->sortRows(2, false);
    grid.SetMaxRows(0);
    QCOMPARE(grid.model()->rowCount(), 0);
}

void TestSpreadGrid::sizeAndTexts()
{
    SpreadGrid grid;
    fill(grid, 5, 3);
    QString value;
    QVERIFY(grid.GetText(2, 4, value));
    QCOMPARE(value, QStringLiteral("r4c2"));
    QVERIFY(!grid.GetText(2, 6, value)); // beyond MaxRows
    QVERIFY(value.isEmpty());
    grid.SetText(4, 1, QStringLiteral("x")); // beyond MaxCols: ignored
    QVERIFY(!grid.GetText(4, 1, value));

    grid.SetMaxRows(8);
    QCOMPARE(grid.DataRowCnt(), 5);
    grid.SetText(1, 7, QStringLiteral("late"));
    QCOMPARE(grid.DataRowCnt(), 7);

    grid.SetMaxRows(0);
    QCOMPARE(grid.DataRowCnt(), 0);
    grid.SetMaxRows(5);
    QVERIFY(!grid.GetText(2, 4, value)); // emptied, not hidden
    QCOMPARE(grid.displayText(0, 3), QStringLiteral("3"));
}

void TestSpreadGrid::insertAndDeleteKeepTheRowCount()
{
    SpreadGrid grid;
    fill(grid, 5, 2);
    grid.SetCol(1);
    grid.SetRow(4);
    grid.SetForeColor(Qt::red);
    grid.SetRow(2);
    grid.SetForeColor(Qt::blue);

    grid.InsertRows(2, 2);
    QCOMPARE(grid.ForeColor(1, 4), QColor(Qt::blue)); // moved down with its row
    QCOMPARE(grid.ForeColor(1, 2), QColor(Qt::black));
    QCOMPARE(grid.MaxRows(), 5);
    QCOMPARE(grid.text(1, 1), QStringLiteral("r1c1"));
    QVERIFY(grid.text(1, 2).isEmpty());
    QCOMPARE(grid.text(1, 4), QStringLiteral("r2c1"));
    QCOMPARE(grid.text(1, 5), QStringLiteral("r3c1")); // r4, r5 fell off
    QCOMPARE(grid.ForeColor(1, 5), QColor(Qt::black)); // the red row fell off too

    grid.DeleteRows(2, 2);
    QCOMPARE(grid.ForeColor(1, 2), QColor(Qt::blue)); // and back up
    QCOMPARE(grid.MaxRows(), 5);
    QCOMPARE(grid.text(1, 2), QStringLiteral("r2c1"));
    QVERIFY(grid.text(1, 4).isEmpty());
    QCOMPARE(grid.DataRowCnt(), 3);

    SpreadGrid second;
    fill(second, 4, 1);
    second.SetCol(1);
    second.SetRow(3);
    second.SetFontBold(true);
    second.DeleteRows(1, 1);
    QVERIFY(second.FontBold(1, 2)); // attributes move with their row
    QVERIFY(!second.FontBold(1, 3));
}

// A block and the active cell stay on the same cells while columns come and
// go, and painting off and on again selects the block again.
void TestSpreadGrid::columnsMoveTheSelectionAlong()
{
    SpreadGrid grid;
    fill(grid, 6, 6);
    grid.SetActiveCell(3, 3);
    const QAbstractItemModel *model = grid.view()->model();
    grid.view()->selectionModel()->select(QItemSelection(model->index(1, 1), model->index(2, 3)),
                                          QItemSelectionModel::ClearAndSelect);
    auto block = [&grid] {
        const SpreadCellRange r = grid.SelectedBlock();
        return QList<int>{r.col, r.row, r.col2, r.row2, grid.ActiveCol(), grid.ActiveRow()};
    };
    QCOMPARE(block(), (QList<int>{2, 2, 4, 3, 3, 3}));
    grid.InsertCols(3, 1); // inside the block: it widens
    QCOMPARE(block(), (QList<int>{2, 2, 5, 3, 4, 3}));
    grid.DeleteCols(1, 2); // its first column goes
    QCOMPARE(block(), (QList<int>{1, 2, 3, 3, 2, 3}));
    {
        const ReDrawGuard noPainting(grid);
        grid.InsertCols(1, 2);
        QCOMPARE(block(), (QList<int>{3, 2, 5, 3, 4, 3}));
    }
    QCOMPARE(block(), (QList<int>{3, 2, 5, 3, 4, 3}));
    QCOMPARE(grid.view()->currentIndex(), model->index(2, 3));
    grid.DeleteCols(3, 3); // the whole block goes: the active cell is left
    QCOMPARE(block(), (QList<int>{3, 3, 3, 3, 3, 3}));
}

void TestSpreadGrid::headerRowsAndGetCellText()
{
    SpreadGrid grid;
    fill(grid, 3, 2);
    grid.SetColHeaderRows(2);
    grid.SetText(1, 0, QStringLiteral("일자"));
    grid.SetText(1, HeaderRowBase + 1, QStringLiteral("second"));
    QCOMPARE(GetCellText(grid, 1, HeaderRowBase), QStringLiteral("일자"));
    QCOMPARE(GetCellText(grid, 1, HeaderRowBase + 1), QStringLiteral("second"));
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("일자\nsecond"));

    grid.SetActiveCell(2, 3);
    QCOMPARE(GetCellText(grid, ActiveCellIndex, ActiveCellIndex), QStringLiteral("r3c2"));
    QCOMPARE(GetCellText(grid, 1, ActiveCellIndex), QStringLiteral("r3c1"));
    QCOMPARE(GetCellText(grid, 9, 1), QString());
}

void TestSpreadGrid::activeCellIsApartFromAddress()
{
    SpreadGrid grid;
    fill(grid, 10, 3);
    grid.SetActiveCell(2, 7);
    grid.SetCol(3);
    grid.SetRow(1);
    grid.SetFontBold(true);
    QCOMPARE(grid.ActiveRow(), 7);
    QCOMPARE(grid.ActiveCol(), 2);
    QCOMPARE(grid.view()->currentIndex().row(), 6);

    grid.view()->setCurrentIndex(grid.model()->index(4, 0)); // the user moves
    QCOMPARE(grid.ActiveRow(), 5);
    QCOMPARE(grid.ActiveCol(), 1);
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(grid.Col(), 3);
}

void TestSpreadGrid::loadingRestoresTheCursor_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("newRows");
    QTest::addColumn<int>("expected");
    QTest::newRow("same row") << 6 << 20 << 6;
    QTest::newRow("list got shorter") << 15 << 9 << 9;
    QTest::newRow("last row stays") << 10 << 10 << 10;
}

void TestSpreadGrid::loadingRestoresTheCursor()
{
    QFETCH(int, before);
    QFETCH(int, newRows);
    QFETCH(int, expected);
    SpreadGrid grid;
    fill(grid, 10 + 5, 3);
    grid.show();
    grid.SetActiveCell(2, before);

    grid.SetReDraw(false);
    const int row = grid.ActiveRow();
    const int col = grid.ActiveCol();
    grid.SetMaxRows(0);
    fill(grid, newRows, 3);
    if (row > 0 && row <= grid.MaxRows())
        grid.SetActiveCell(col, row);
    else if (grid.MaxRows() > 0)
        grid.SetActiveCell(col, grid.MaxRows());
    grid.SetReDraw(true);

    QCOMPARE(grid.ActiveRow(), expected);
    QCOMPARE(grid.ActiveCol(), 2);
    QCOMPARE(grid.view()->currentIndex(), grid.model()->index(expected - 1, 1));
}

void TestSpreadGrid::numberCells_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("separators");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("red");
    QTest::newRow("thousands") << "1234567" << 0 << true << "1,234,567" << false;
    QTest::newRow("negative red") << "-5" << 0 << true << "-5" << true;
    QTest::newRow("decimals rounded") << "1234.567" << 2 << true << "1,234.57" << false;
    QTest::newRow("no separators") << "1234567" << 0 << false << "1234567" << false;
    QTest::newRow("zero not red") << "0" << 0 << true << "0" << false;
    QTest::newRow("text stays text") << "abc" << 0 << true << "abc" << false;
}

void TestSpreadGrid::numberCells()
{
    QFETCH(QString, stored);
    QFETCH(int, decimals);
    QFETCH(bool, separators);
    QFETCH(QString, shown);
    QFETCH(bool, red);
    SpreadGrid grid;
    fill(grid, 3, 2);
    grid.SetCol(2);
    grid.SetRow(AllCells);
    grid.SetCellType(CellTypeNumber);
    grid.SetTypeNumberDecPlaces(decimals);
    grid.SetTypeNumberShowSep(separators);
    grid.SetTypeNegRed(true);
    grid.SetText(2, 2, stored);

    QCOMPARE(grid.displayText(2, 2), shown);
    QCOMPARE(grid.model()->data(grid.model()->index(1, 1)).toString(), shown);
    QCOMPARE(GetCellText(grid, 2, 2), stored);
    QCOMPARE(grid.ForeColor(2, 2), red ? QColor(Qt::red) : QColor(Qt::black));
    QVERIFY(grid.cellLook(2, 2).alignment & Qt::AlignRight);
}

void TestSpreadGrid::addressingLevels()
{
    SpreadGrid grid;
    fill(grid, 4, 3);
    grid.SetCol(2);
    grid.SetRow(3);
    grid.SetForeColor(Qt::blue);
    grid.SetRow(AllCells);
    grid.SetForeColor(Qt::red); // the column write replaces the cell's own colour
    QCOMPARE(grid.ForeColor(2, 3), QColor(Qt::red));
    QCOMPARE(grid.ForeColor(2, 1), QColor(Qt::red));
    QCOMPARE(grid.ForeColor(1, 1), QColor(Qt::black));

    grid.SetCol(AllCells);
    grid.SetRow(AllCells);
    grid.SetLock(true);
    QVERIFY(grid.Lock(3, 4));
    QVERIFY(!(grid.model()->flags(grid.model()->index(0, 0)) & Qt::ItemIsEditable));
    grid.SetCol(1);
    grid.SetRow(2);
    grid.SetLock(false);
    QVERIFY(!grid.Lock(1, 2));
    QVERIFY(grid.Lock(1, 3));

    grid.SetCol(AllCells);
    grid.SetRow(0); // the header row only
    grid.SetFontSize(14);
    QCOMPARE(grid.FontSize(1, 0), 14.0);
    QVERIFY(grid.FontSize(1, 1) != 14.0);
}

void TestSpreadGrid::merges()
{
    SpreadGrid grid;
    grid.SetMaxCols(2);
    grid.SetMaxRows(6);
    const QStringList first{"a", "a", "a", "b", "b", "c"};
    const QStringList second{"x", "x", "x", "x", "y", "y"};
    for (int r = 1; r <= 6; ++r) {
        grid.SetText(1, r, first[r - 1]);
        grid.SetText(2, r, second[r - 1]);
    }
    QCOMPARE(grid.mergedRange(1, 2), std::make_pair(2, 2)); // no merging yet

    grid.SetColMerge(1, MergeAlways);
    grid.SetColMerge(2, MergeRestricted);
    QCOMPARE(grid.mergedRange(1, 2), std::make_pair(1, 3));
    QCOMPARE(grid.mergedRange(2, 2), std::make_pair(1, 3)); // stops where column 1 changes
    QCOMPARE(grid.mergedRange(2, 4), std::make_pair(4, 4)); // "x" of row 3 lies in "a"
    QCOMPARE(grid.mergedRange(2, 5), std::make_pair(5, 5)); // "y" of row 6 lies in "c"
    QCOMPARE(grid.mergedRange(1, 5), std::make_pair(4, 5));
    QCOMPARE(grid.view()->rowSpan(0, 0), 3);
    QCOMPARE(grid.view()->rowSpan(0, 1), 3);
    QCOMPARE(grid.view()->rowSpan(3, 1), 1);

    grid.SetColMerge(2, MergeAlways);
    QCOMPARE(grid.mergedRange(2, 2), std::make_pair(1, 4));
    grid.SetColMerge(AllCells, MergeNone);
    QCOMPARE(grid.view()->rowSpan(0, 0), 1);
}

void TestSpreadGrid::buttonCellsAndDoubleClick()
{
    SpreadGrid grid;
    fill(grid, 3, 3);
    grid.SetCol(2);
    grid.SetRow(AllCells);
    grid.SetCellType(CellTypeButton);
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.TypeButtonText(2, 1), QStringLiteral("..."));

    QSignalSpy clicked(&grid, &SpreadGrid::ButtonClicked);
    QSignalSpy doubled(&grid, &SpreadGrid::DblClick);
    QTableView *view = grid.view();
    const QPoint button = view->visualRect(grid.model()->index(1, 1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, button);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 2);
    QCOMPARE(clicked.at(0).at(1).toInt(), 2);

    const QPoint cell = view->visualRect(grid.model()->index(2, 2)).center();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(doubled.count(), 1);
    QCOMPARE(doubled.at(0).at(0).toInt(), 3);
    QCOMPARE(doubled.at(0).at(1).toInt(), 3);
}

void TestSpreadGrid::readOnlyTypingBeeps()
{
    MessageRecorder recorder;
    SpreadGrid grid;
    fill(grid, 3, 2);
    grid.SetOperationMode(OperationModeSingleSelect);
    grid.show();
    grid.SetActiveCell(1, 2);
    grid.view()->setFocus();
    QTest::keyClick(grid.view(), Qt::Key_A);
    QCOMPARE(recorder.beeps(), 1);
    QCOMPARE(grid.text(1, 2), QStringLiteral("r2c1"));
    QVERIFY(grid.view()->selectionModel()->isRowSelected(1, {}));

    grid.SetNoBeep(true);
    QTest::keyClick(grid.view(), Qt::Key_A);
    QCOMPARE(recorder.beeps(), 1);
}

void TestSpreadGrid::switchedOffActionKeysReachTheWindow()
{
    KeyWindow window;
    auto *grid = new SpreadGrid(&window);
    fill(*grid, 3, 2);
    window.show();
    grid->SetActiveCell(1, 1);
    QTest::keyClick(grid->view(), Qt::Key_F2); // clears and edits
    QVERIFY(editing(*grid));
    QVERIFY(window.keys.isEmpty());
    QTest::keyClick(grid->view()->viewport()->findChild<QLineEdit *>(), Qt::Key_Escape);

    for (int action = ActionKeyClear; action <= ActionKeyPopup; ++action)
        grid->SetActionKey(action, false, false, 0);
    grid->view()->setFocus();
    QTest::keyClick(grid->view(), Qt::Key_F3);
    QCOMPARE(window.keys, QList<int>{Qt::Key_F3});
    QVERIFY(!editing(*grid));

    grid->SetActionKey(ActionKeyCurrent, false, false, 113); // F2 as the screens number it
    QCOMPARE(grid->ActionKey(ActionKeyCurrent), int(Qt::Key_F2));
}

void TestSpreadGrid::reDrawOffSendsNoSignals()
{
    SpreadGrid grid;
    fill(grid, 3, 2);
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(grid.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(grid.model(), &QAbstractItemModel::modelReset);
    {
        ReDrawGuard guard(grid);
        QVERIFY(!grid.ReDraw());
        QVERIFY(!grid.view()->updatesEnabled());
        fill(grid, 500, 2);
        grid.InsertRows(1, 3);
    }
    QVERIFY(grid.ReDraw());
    QVERIFY(grid.view()->updatesEnabled());
    QCOMPARE(changed.count(), 0);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(grid.view()->model()->rowCount(), 500);
}

void TestSpreadGrid::headerClickSorts()
{
    SpreadGrid grid;
    grid.SetMaxCols(2);
    grid.SetMaxRows(4);
    const QStringList numbers{"10", "9", "100", "-1"};
    for (int r = 1; r <= 4; ++r) {
        grid.SetText(1, r, numbers[r - 1]);
        grid.SetText(2, r, QStringLiteral("row%1").arg(r));
    }
    grid.SetCol(2);
    grid.SetRow(1);
    grid.SetFontBold(true);
    grid.SetUserColAction(UserColActionSort);
    grid.show();
    QHeaderView *header = grid.view()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    QCOMPARE(grid.text(1, 1), QStringLiteral("-1"));
    QCOMPARE(grid.text(1, 4), QStringLiteral("100"));
    QCOMPARE(grid.text(2, 2), QStringLiteral("row2")); // "9" with its row
    QVERIFY(grid.FontBold(2, 3));                      // "10" took its bold cell along
    QVERIFY(!grid.FontBold(2, 1));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    QCOMPARE(grid.text(1, 1), QStringLiteral("100"));
}

void TestSpreadGrid::columnsAndRowSizes()
{
    SpreadGrid grid;
    fill(grid, 3, 3);
    grid.SetColWidth(2, 20);
    grid.SetColWidth(3, 3);
    QVERIFY(grid.view()->columnWidth(1) > grid.view()->columnWidth(2) * 3);
    grid.SetColHidden(3, true);
    QVERIFY(grid.view()->isColumnHidden(2));
    grid.SetColID(3, QStringLiteral("MERGE_COL"));
    QCOMPARE(grid.ColID(3), QStringLiteral("MERGE_COL"));

    grid.SetRowHeight(2, 30);
    QCOMPARE(grid.RowHeight(2), 30.0);
    QCOMPARE(grid.view()->rowHeight(1), qRound(30 * grid.view()->logicalDpiY() / 72.0));
    grid.SetRowHeight(AllCells, 15);
    QCOMPARE(grid.RowHeight(2), 15.0);
    QCOMPARE(grid.view()->rowHeight(1), grid.view()->rowHeight(0));
    QCOMPARE(grid.view()->rowHeight(0), qRound(15 * grid.view()->logicalDpiY() / 72.0));
    {
        ReDrawGuard guard(grid); // sizes survive the reset that ends a quiet fill
    }
    QVERIFY(grid.view()->isColumnHidden(2));
    QVERIFY(grid.view()->columnWidth(1) > grid.view()->columnWidth(0));
}

// An action key given as the screens number it (40 = Down) is that key, not
// the character with the same value ("(" is 0x28).
void TestSpreadGrid::typedCharacterIsNoActionKey_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("character");
    QTest::newRow("Down, (") << 40 << int(Qt::Key_ParenLeft) << "(";
    QTest::newRow("Up, &") << 38 << int(Qt::Key_Ampersand) << "&";
    QTest::newRow("Left, %") << 37 << int(Qt::Key_Percent) << "%";
    QTest::newRow("Right, '") << 39 << int(Qt::Key_Apostrophe) << "'";
    QTest::newRow("Home, $") << 36 << int(Qt::Key_Dollar) << "$";
    QTest::newRow("Delete, .") << 46 << int(Qt::Key_Period) << ".";
}

void TestSpreadGrid::typedCharacterIsNoActionKey()
{
    QFETCH(int, code);
    QFETCH(int, key);
    QFETCH(QString, character);
    MessageRecorder recorder;
    SpreadGrid grid;
    fill(grid, 3, 2);
    grid.SetCol(1);
    grid.SetRow(AllCells);
    grid.SetCellType(CellTypeButton);
    grid.SetActionKey(ActionKeyPopup, false, false, code);
    grid.show();
    grid.SetActiveCell(1, 2);
    QSignalSpy clicked(&grid, &SpreadGrid::ButtonClicked);
    QTest::sendKeyEvent(QTest::Click, grid.view(), static_cast<Qt::Key>(key), character, Qt::NoModifier);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(grid.ActiveRow(), 2);
}

void TestSpreadGrid::figureColumnsFitTheirWidestFigure_data()
{
    QTest::addColumn<int>("fill");
    QTest::addColumn<bool>("stored");
    QTest::newRow("list filled with painting off") << int(PaintingOff) << false;
    QTest::newRow("cell written on screen") << int(OnScreen) << false;
    QTest::newRow("rows appended on screen") << int(Appended) << false;
    QTest::newRow("width the operator chose") << int(PaintingOff) << true;
    QTest::newRow("rows appended, width the operator chose") << int(Appended) << true;
}

// After a fill the number column shows its widest figure whole, unless the
// operator chose the column's width. Rows appended on screen reach the view
// in one notice, their cells with them.
void TestSpreadGrid::figureColumnsFitTheirWidestFigure()
{
    QFETCH(int, fill);
    QFETCH(bool, stored);
    SpreadGrid grid;
    grid.SetMaxCols(2);
    grid.SetCol(2);
    grid.SetRow(AllCells);
    grid.SetCellType(CellTypeNumber);
    grid.SetTypeNumberShowSep(true);
    if (stored)
        grid.SetStoredColWidth(2, 6);
    grid.show();
    const int before = grid.ColWidthPixels(2);
    QSignalSpy inserted(grid.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    const auto write = [&grid](int first) {
        grid.SetText(2, first, QStringLiteral("5"));
        grid.SetText(2, first + 1, QStringLiteral("-999999999999"));
        grid.SetText(2, first + 2, QStringLiteral("2500000000"));
    };
    if (fill == Appended) {
        grid.SetMaxRows(1);
        grid.AppendRows(3, [&](int first) {
            QCOMPARE(first, 2);
            write(first);
        });
        QCOMPARE(inserted.count(), 2); // the first row, then the three
        QCOMPARE(changed.count(), 0);
        QCOMPARE(grid.MaxRows(), 4);
        QCOMPARE(grid.displayText(2, 3), QStringLiteral("-999,999,999,999"));
    } else {
        std::optional<ReDrawGuard> quiet;
        if (fill == PaintingOff)
            quiet.emplace(grid);
        grid.SetMaxRows(3);
        write(1);
        QCOMPARE(grid.displayText(2, 2), QStringLiteral("-999,999,999,999"));
    }
    if (stored)
        QCOMPARE(grid.ColWidthPixels(2), before);
    else
        QVERIFY(grid.ColWidthPixels(2) >= grid.TextWidthNeeded(2, 2, QStringLiteral("-999,999,999,999")));
}

// A figure too wide for the width the operator chose shows as "#" marks,
// never shortened with "…" into another amount.
void TestSpreadGrid::figureIsNeverElided()
{
    SpreadGrid grid;
    grid.SetMaxCols(1);
    grid.SetMaxRows(1);
    grid.SetCol(1);
    grid.SetRow(AllCells);
    grid.SetCellType(CellTypeNumber);
    grid.SetTypeNumberShowSep(true);
    grid.SetStoredColWidth(1, 5);
    grid.SetText(1, 1, QStringLiteral("987654321000"));
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QTableView *view = grid.view();
    const QModelIndex cell = grid.model()->index(0, 0);
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.rect = view->visualRect(cell);
    option.widget = view;
    option.textElideMode = view->textElideMode();
    auto *delegate = qobject_cast<SpreadGridDelegate *>(view->itemDelegateForIndex(cell));
    QVERIFY(delegate);
    delegate->initStyleOption(&option, cell);
    QVERIFY2(!option.text.contains(QChar(0x2026)), qPrintable(option.text));
    QCOMPARE(option.textElideMode, Qt::ElideNone);
    QVERIFY2(option.text == QStringLiteral("987,654,321,000")
                 || option.text.count(QLatin1Char('#')) == option.text.size(),
             qPrintable(option.text));
}

QTEST_MAIN(TestSpreadGrid)
#include "TestSpreadGrid.moc"
