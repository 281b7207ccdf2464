#include "GridStyle.h"
#include "MessageRecorder.h"
#include "SpreadGrid.h"
#include "SpreadGridModel.h"
#include "modSpread.h"

#include <QTest>

class TestGridCommands : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { GridStyle::setHouseStyle(false); }
    void commonDesignReadOnlyList();
    void commonDesignEditableGrid();
    void houseColoursOnlyWithHouseStyle_data();
    void houseColoursOnlyWithHouseStyle();
    void numberColumn_data();
    void numberColumn();
};

void TestGridCommands::commonDesignReadOnlyList()
{
    MessageRecorder recorder;
    SpreadGrid grid;
    grid.SetMaxCols(8);
    grid.SetMaxRows(30);
    grid.SetText(1, 1, QStringLiteral("old"));
    CommonSpreadDesign(grid, true, true, true, true, true);

    QCOMPARE(recorder.count(), 0);
    QCOMPARE(grid.MaxRows(), 0);
    QCOMPARE(grid.text(0, 0), QStringLiteral("No"));
    QCOMPARE(grid.OperationMode(), int(OperationModeSingleSelect));
    QCOMPARE(grid.SelBackColor(), QColor(254, 254, 186));
    QCOMPARE(grid.UserColAction(), int(UserColActionSort));
    QVERIFY(grid.NoBeep());
    QCOMPARE(grid.CursorStyle(), 2);
    QCOMPARE(grid.TextTip(), 1);
    for (int action = ActionKeyClear; action <= ActionKeyPopup; ++action)
        QCOMPARE(grid.ActionKey(action), 0);

    grid.SetMaxRows(2); // rows filled later stay locked and striped
    QVERIFY(grid.Lock(8, 2));
    QCOMPARE(grid.BackColor(3, 1), QColor(255, 255, 255));
    QCOMPARE(grid.BackColor(3, 2), QColor(243, 249, 251));
    QCOMPARE(grid.ForeColor(3, 2), QColor(Qt::black));
}

void TestGridCommands::commonDesignEditableGrid()
{
    SpreadGrid grid;
    grid.SetMaxCols(3);
    grid.SetMaxRows(4);
    grid.SetRowHeadersShow(false);
    CommonSpreadDesign(grid, false, false, false, false, false);
    QVERIFY(grid.EditModePermanent());
    QVERIFY(grid.EditModeReplace());
    QVERIFY(!grid.Lock(1, 1));
    QCOMPARE(grid.MaxRows(), 4);
    QCOMPARE(grid.OperationMode(), int(OperationModeNormal));
    QCOMPARE(grid.UserColAction(), int(UserColActionDefault));
    QVERIFY(grid.text(0, 0).isEmpty());
    QCOMPARE(grid.BackColor(1, 2), QColor(255, 255, 255));
}

void TestGridCommands::houseColoursOnlyWithHouseStyle_data()
{
    QTest::addColumn<bool>("house");
    QTest::newRow("house look on") << true;
    QTest::newRow("house look off") << false;
}

void TestGridCommands::houseColoursOnlyWithHouseStyle()
{
    QFETCH(bool, house);
    GridStyle::setHouseStyle(house);
    SpreadGrid grid;
    grid.SetMaxCols(2);
    const QColor before = grid.ShadowColor();
    CommonSpreadDesign(grid, true, true, true, true, true);
    QCOMPARE(grid.ShadowColor(), house ? QColor(204, 226, 244) : before);
    if (house) {
        QCOMPARE(grid.ShadowText(), QColor(Qt::black));
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(204, 226, 244));
    }
}

void TestGridCommands::numberColumn_data()
{
    QTest::addColumn<bool>("hCenter");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("hAlign");
    QTest::newRow("customer list balance") << false << "1234567"
                                           << "1,234,567" << QColor(Qt::black) << int(Qt::AlignRight);
    QTest::newRow("negative balance red") << false << "-5"
                                          << "-5" << QColor(Qt::red) << int(Qt::AlignRight);
    QTest::newRow("centred") << true << "1000"
                             << "1,000" << QColor(Qt::black) << int(Qt::AlignHCenter);
}

void TestGridCommands::numberColumn()
{
    QFETCH(bool, hCenter);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QFETCH(QColor, color);
    QFETCH(int, hAlign);
    SpreadGrid grid;
    grid.SetMaxCols(8);
    CommonSpreadDesign(grid, true, true, true, true, true);
    SetNumberColumn(grid, 5, 0, true, -1, true, hCenter);
    grid.SetMaxRows(3);
    grid.SetText(5, 2, value);
    grid.SetText(4, 2, value); // the neighbour stays text

    QCOMPARE(grid.displayText(5, 2), shown);
    QCOMPARE(grid.ForeColor(5, 2), color);
    QCOMPARE(grid.displayText(4, 2), value);
    const Qt::Alignment alignment = grid.cellLook(5, 2).alignment;
    QCOMPARE(int(alignment & Qt::AlignHorizontal_Mask), hAlign);
    QCOMPARE(int(alignment & Qt::AlignVertical_Mask), int(Qt::AlignVCenter));
    const SpreadCellStyle style = grid.model()->effectiveStyle(5, 2);
    QCOMPARE(style.numberMax, 999999999999.0);
    QCOMPARE(style.numberMin, -999999999999.0);
}

QTEST_MAIN(TestGridCommands)
#include "TestGridCommands.moc"
