#include "CellStyleCascade.h"

#include <QtTest>

#include <functional>

// What is written to a cascade of four columns before one cell is read back.
using Writes = std::function<void(CellStyleCascade &)>;
Q_DECLARE_METATYPE(Writes)

namespace {

constexpr QRgb Red = 0xffff0000;
constexpr QRgb Green = 0xff00ff00;
constexpr QRgb Blue = 0xff0000ff;
constexpr QRgb Yellow = 0xffffff00;

SpreadCellStyle fore(QRgb colour)
{
    SpreadCellStyle s;
    s.foreColor = colour;
    s.m_set = SpreadCellStyle::ForeColor;
    return s;
}

SpreadCellStyle bold()
{
    SpreadCellStyle s;
    s.fontBold = true;
    s.m_set = SpreadCellStyle::FontBold;
    return s;
}

constexpr auto Fore = SpreadCellStyle::ForeColor;

// A cell's fore colour by name ("" when no level set it), "+bold" when bold.
QString described(const SpreadCellStyle &s)
{
    const QHash<QRgb, QString> names{{Red, "red"}, {Green, "green"}, {Blue, "blue"}, {Yellow, "yellow"}};
    QString text = s.has(Fore) ? names.value(s.foreColor, "other") : QString();
    if (s.fontBold)
        text += "+bold";
    return text;
}

} // namespace

// The four levels of cell attributes: which level a cell shows, what a write
// at one level resets on the others, and what rows and columns that are
// inserted, removed or sorted take with them.
class TestCellStyleCascade : public QObject {
    Q_OBJECT

private slots:
    void cellShows_data();
    void cellShows();
};

void TestCellStyleCascade::cellShows_data()
{
    QTest::addColumn<Writes>("writes");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("rowKey");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char *name, int col, int rowKey, const char *shown, Writes writes) {
        QTest::newRow(name) << writes << col << rowKey << QString::fromUtf8(shown);
    };

    row("nothing written", 2, 3, "", [](CellStyleCascade &) {});
    row("grid", 2, 3, "red", [](CellStyleCascade &c) { c.setSheet(Fore, fore(Red)); });
    row("column over grid", 2, 3, "green", [](CellStyleCascade &c) {
        c.setSheet(Fore, fore(Red));
        c.setColumn(2, Fore, fore(Green));
    });
    row("another column keeps the grid's", 2, 3, "red", [](CellStyleCascade &c) {
        c.setSheet(Fore, fore(Red));
        c.setColumn(1, Fore, fore(Green));
    });
    row("row over column", 2, 3, "blue", [](CellStyleCascade &c) {
        c.setSheet(Fore, fore(Red));
        c.setColumn(2, Fore, fore(Green));
        c.setRow(3, Fore, fore(Blue));
    });
    row("cell over row", 2, 3, "yellow", [](CellStyleCascade &c) {
        c.setColumn(2, Fore, fore(Green));
        c.setRow(3, Fore, fore(Blue));
        c.setCell(2, 3, Fore, fore(Yellow));
    });
    row("row headers take their column", 0, 3, "green", [](CellStyleCascade &c) { c.setColumn(0, Fore, fore(Green)); });
    row("header row ignores grid and column", 2, 0, "", [](CellStyleCascade &c) {
        c.setSheet(Fore, fore(Red));
        c.setColumn(2, Fore, fore(Green));
    });
    row("header row takes its own row", 2, 0, "blue", [](CellStyleCascade &c) { c.setRow(0, Fore, fore(Blue)); });
    row("second header row's cell over its row", 2, -1, "yellow", [](CellStyleCascade &c) {
        c.setRow(-1, Fore, fore(Blue));
        c.setCell(2, -1, Fore, fore(Yellow));
    });
    row("outside the columns nothing", 5, 3, "", [](CellStyleCascade &c) { c.setSheet(Fore, fore(Red)); });

    row("grid write resets columns, rows and cells", 2, 3, "red", [](CellStyleCascade &c) {
        c.setColumn(2, Fore, fore(Green));
        c.setRow(3, Fore, fore(Blue));
        c.setCell(2, 3, Fore, fore(Yellow));
        c.setSheet(Fore, fore(Red));
    });
    row("grid write keeps the header rows", 2, 0, "yellow", [](CellStyleCascade &c) {
        c.setCell(2, 0, Fore, fore(Yellow));
        c.setSheet(Fore, fore(Red));
    });
    row("column write resets its cells, not the row", 2, 3, "blue", [](CellStyleCascade &c) {
        c.setRow(3, Fore, fore(Blue));
        c.setCell(2, 3, Fore, fore(Yellow));
        c.setColumn(2, Fore, fore(Green));
    });
    row("column write keeps another column's cells", 1, 3, "yellow", [](CellStyleCascade &c) {
        c.setCell(1, 3, Fore, fore(Yellow));
        c.setColumn(2, Fore, fore(Green));
    });
    row("column write keeps its header cells", 2, 0, "yellow", [](CellStyleCascade &c) {
        c.setCell(2, 0, Fore, fore(Yellow));
        c.setColumn(2, Fore, fore(Green));
    });
    row("row write resets its cells", 2, 3, "blue", [](CellStyleCascade &c) {
        c.setCell(2, 3, Fore, fore(Yellow));
        c.setRow(3, Fore, fore(Blue));
    });
    row("row write keeps another row's cells", 2, 4, "yellow", [](CellStyleCascade &c) {
        c.setCell(2, 4, Fore, fore(Yellow));
        c.setRow(3, Fore, fore(Blue));
    });
    row("a write resets only its own field", 2, 3, "red+bold", [](CellStyleCascade &c) {
        c.setCell(2, 3, SpreadCellStyle::FontBold, bold());
        c.setSheet(Fore, fore(Red));
    });
    row("writing an unset field resets the level", 2, 3, "red", [](CellStyleCascade &c) {
        c.setSheet(Fore, fore(Red));
        c.setColumn(2, Fore, fore(Green));
        c.setColumn(2, Fore, SpreadCellStyle{});
    });

    row("an inserted column starts from the grid", 2, 3, "red", [](CellStyleCascade &c) {
        c.setSheet(Fore, fore(Red));
        c.setColumn(2, Fore, fore(Green));
        c.setCell(2, 3, SpreadCellStyle::FontBold, bold());
        c.insertColumns(2, 1);
    });
    row("columns move right with their cells", 3, 3, "green+bold", [](CellStyleCascade &c) {
        c.setColumn(2, Fore, fore(Green));
        c.setCell(2, 3, SpreadCellStyle::FontBold, bold());
        c.insertColumns(2, 1);
    });
    row("an insert pushes the last column off", 4, 3, "", [](CellStyleCascade &c) {
        c.setColumn(4, Fore, fore(Green));
        c.insertColumns(1, 1);
    });
    row("columns move left over a removed one", 2, 3, "yellow", [](CellStyleCascade &c) {
        c.setColumn(2, Fore, fore(Blue));
        c.setCell(3, 3, Fore, fore(Yellow));
        c.removeColumns(2, 1);
    });
    row("a removal leaves a blank last column", 4, 3, "", [](CellStyleCascade &c) {
        c.setColumn(4, Fore, fore(Green));
        c.removeColumns(2, 1);
    });
    row("columns dropped by a smaller count come back blank", 4, 3, "", [](CellStyleCascade &c) {
        c.setColumn(4, Fore, fore(Green));
        c.setCell(4, 3, SpreadCellStyle::FontBold, bold());
        c.setColumnCount(2);
        c.setColumnCount(4);
    });
    row("inserted rows start from the column", 2, 3, "green", [](CellStyleCascade &c) {
        c.setColumn(2, Fore, fore(Green));
        c.setRow(3, Fore, fore(Blue));
        c.setCell(2, 3, SpreadCellStyle::FontBold, bold());
        c.moveRows(3, 2);
    });
    row("rows move down with their cells", 2, 5, "blue+bold", [](CellStyleCascade &c) {
        c.setRow(3, Fore, fore(Blue));
        c.setCell(2, 3, SpreadCellStyle::FontBold, bold());
        c.moveRows(3, 2);
    });
    row("rows move up over removed ones", 2, 3, "yellow", [](CellStyleCascade &c) {
        c.setRow(3, Fore, fore(Blue));
        c.setCell(2, 4, Fore, fore(Yellow));
        c.eraseRows(3, 3);
        c.moveRows(4, -1);
    });
    row("data rows moving leave the header rows", 2, -1, "green", [](CellStyleCascade &c) {
        c.setRow(0, Fore, fore(Blue));
        c.setRow(-1, Fore, fore(Green));
        c.moveRows(1, 2);
    });
    row("erased rows come back blank", 2, 3, "", [](CellStyleCascade &c) {
        c.setRow(3, Fore, fore(Blue));
        c.setCell(2, 3, SpreadCellStyle::FontBold, bold());
        c.eraseRows(3, 10);
    });
    row("sorted rows take their styles", 2, 1, "yellow", [](CellStyleCascade &c) {
        c.setRow(1, Fore, fore(Blue));
        c.setCell(2, 2, Fore, fore(Yellow));
        c.remapRows([](int key) { return key == 1 ? 2 : key == 2 ? 1 : key; });
    });
}

void TestCellStyleCascade::cellShows()
{
    QFETCH(Writes, writes);
    QFETCH(int, col);
    QFETCH(int, rowKey);
    CellStyleCascade cascade;
    cascade.setColumnCount(4);
    writes(cascade);
    QTEST(described(cascade.resolve(col, rowKey)), "shown");
}

QTEST_MAIN(TestCellStyleCascade)
#include "TestCellStyleCascade.moc"
