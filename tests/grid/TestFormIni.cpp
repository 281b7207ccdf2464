#include "ProfileFile.h"
#include "SpreadGrid.h"
#include "TestWorkspace.h"
#include "modFormIni.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString Position = QStringLiteral("FormPosition");

QString iniPath(const TestWorkspace &ws, const QString &name = QStringLiteral("FrmMain"))
{
    return ws.file(QStringLiteral("FormIni/") + name + QStringLiteral(".ini"));
}

void writeIni(const TestWorkspace &ws, const QString &section, const QString &key, const QString &value)
{
    QDir().mkpath(ws.file(QStringLiteral("FormIni")));
    ProfileFile::write(iniPath(ws), section, key, value);
}

QString readIni(const TestWorkspace &ws, const QString &key) { return ProfileFile::read(iniPath(ws), Position, key); }

// A window as the program builds one: named, with a grid named spList.
struct Form {
    QWidget window;
    SpreadGrid *grid;
    Form()
    {
        window.setObjectName(QStringLiteral("FrmMain"));
        grid = new SpreadGrid(&window);
        grid->setObjectName(QStringLiteral("spList"));
        grid->SetMaxCols(3);
        grid->SetMaxRows(5);
        window.move(40, 50);
        window.resize(300, 200);
    }
};

} // namespace

class TestFormIni : public QObject {
    Q_OBJECT
private slots:
    void saveStoresTwips();
    void maximisedWindowKeepsNormalPosition();
    void hiddenWindowStoresNothing();
    void positionValues_data();
    void positionValues();
    void positionOnlyLeavesSize();
    void gridLayout();
    void indexedGridUsesItsIndex();
    void damagedFileIsIgnored();
    void unusableNumbersAreIgnored_data();
    void unusableNumbersAreIgnored();
};

void TestFormIni::saveStoresTwips()
{
    TestWorkspace ws;
    Form form;
    form.window.show();
    form.window.move(100, 80);
    form.window.resize(400, 300);
    SaveFormIni(&form.window);
    QCOMPARE(readIni(ws, QStringLiteral("WindowState")), QStringLiteral("0"));
    QCOMPARE(readIni(ws, QStringLiteral("Left")), QStringLiteral("1500"));
    QCOMPARE(readIni(ws, QStringLiteral("Top")), QStringLiteral("1200"));
    QCOMPARE(readIni(ws, QStringLiteral("Width")), QStringLiteral("6000"));
    QCOMPARE(readIni(ws, QStringLiteral("Height")), QStringLiteral("4500"));

    Form next;
    LoadFormIni(&next.window);
    QCOMPARE(next.window.pos(), QPoint(100, 80));
    QCOMPARE(next.window.size(), QSize(400, 300));
}

void TestFormIni::maximisedWindowKeepsNormalPosition()
{
    TestWorkspace ws;
    {
        Form form;
        form.window.show();
        form.window.move(100, 80);
        SaveFormIni(&form.window);
        form.window.move(10, 10);
        form.window.showMaximized();
        SaveFormIni(&form.window);
    }
    QCOMPARE(readIni(ws, QStringLiteral("WindowState")), QStringLiteral("2"));
    QCOMPARE(readIni(ws, QStringLiteral("Left")), QStringLiteral("1500"));

    Form next;
    LoadFormIni(&next.window);
    QVERIFY(next.window.windowState() & Qt::WindowMaximized);
    next.window.show();
    next.window.showNormal();
    QCOMPARE(next.window.pos(), QPoint(100, 80));
}

void TestFormIni::hiddenWindowStoresNothing()
{
    TestWorkspace ws;
    Form form;
    SaveFormIni(&form.window);
    QVERIFY(!QFile::exists(iniPath(ws)));
}

void TestFormIni::positionValues_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("x");
    QTest::newRow("negative left ignored") << "-200" << 40;
    QTest::newRow("zero ignored") << "0" << 40;
    QTest::newRow("not a number ignored") << "abc" << 40;
    QTest::newRow("empty ignored") << "" << 40;
    QTest::newRow("blanks trimmed") << "  3000  " << 200;
    QTest::newRow("only nine characters count") << "1500     9" << 100;
    QTest::newRow("infinite ignored") << "inf" << 40;
    QTest::newRow("not a number ignored") << "nan" << 40;
    QTest::newRow("beyond the desktop ignored") << "1e300" << 40;
}

void TestFormIni::positionValues()
{
    QFETCH(QString, left);
    QFETCH(int, x);
    TestWorkspace ws;
    writeIni(ws, Position, QStringLiteral("Left"), left);
    Form form;
    LoadFormIni(&form.window);
    QCOMPARE(form.window.x(), x);
    QCOMPARE(form.window.y(), 50);
}

void TestFormIni::positionOnlyLeavesSize()
{
    TestWorkspace ws;
    writeIni(ws, Position, QStringLiteral("Top"), QStringLiteral("1500"));
    writeIni(ws, Position, QStringLiteral("Width"), QStringLiteral("9000"));
    writeIni(ws, Position, QStringLiteral("WindowState"), QStringLiteral("2"));
    writeIni(ws, QStringLiteral("spList_General"), QStringLiteral("RowHeight"), QStringLiteral("20"));
    Form form;
    LoadFormIni(&form.window, true);
    QCOMPARE(form.window.y(), 100);
    QCOMPARE(form.window.width(), 300);
    QVERIFY(!(form.window.windowState() & Qt::WindowMaximized));
    QVERIFY(form.grid->RowHeight(1) != 20.0);
}

void TestFormIni::gridLayout()
{
    TestWorkspace ws;
    const QString widths = QStringLiteral("spList_ColsWidth");
    writeIni(ws, widths, QStringLiteral("1"), QStringLiteral("12"));
    writeIni(ws, widths, QStringLiteral("2"), QStringLiteral("wide"));
    writeIni(ws, widths, QStringLiteral("3"), QStringLiteral("20.5"));
    writeIni(ws, widths, QStringLiteral("4"), QStringLiteral("50"));
    writeIni(ws, QStringLiteral("spList_General"), QStringLiteral("FontSize"), QStringLiteral("12"));
    writeIni(ws, QStringLiteral("spList_General"), QStringLiteral("RowHeight"), QStringLiteral("15"));
    Form form;
    const double defaultWidth = form.grid->ColWidth(2);
    LoadFormIni(&form.window);

    QCOMPARE(form.grid->ColWidth(1), 12.0);
    QCOMPARE(form.grid->ColWidth(2), defaultWidth);
    QCOMPARE(form.grid->ColWidth(3), 20.5);
    QCOMPARE(form.grid->MaxCols(), 3); // the stored 4th width is ignored
    QCOMPARE(form.grid->RowHeight(1), 15.0);
    QCOMPARE(form.grid->RowHeight(5), 15.0);
    QCOMPARE(form.grid->RowHeight(0), 17.0);
    QCOMPARE(form.grid->FontSize(2, 3), 12.0);
    QCOMPARE(form.grid->FontSize(2, 0), 12.0);
}

void TestFormIni::indexedGridUsesItsIndex()
{
    TestWorkspace ws;
    writeIni(ws, QStringLiteral("spList_ColsWidth"), QStringLiteral("1"), QStringLiteral("30"));
    writeIni(ws, QStringLiteral("spList_0_ColsWidth"), QStringLiteral("1"), QStringLiteral("25"));
    Form form;
    form.grid->setProperty("Index", 0);
    LoadFormIni(&form.window);
    QCOMPARE(form.grid->ColWidth(1), 25.0);
}

void TestFormIni::damagedFileIsIgnored()
{
    TestWorkspace ws;
    QDir().mkpath(ws.file(QStringLiteral("FormIni")));
    QFile file(iniPath(ws));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 37) % 256));
    file.write("[FormPosition\nLeft==\x01\x02\n" + junk);
    file.close();
    Form form;
    LoadFormIni(&form.window);
    QCOMPARE(form.window.pos(), QPoint(40, 50));
    QCOMPARE(form.window.size(), QSize(300, 200));
}

void TestFormIni::unusableNumbersAreIgnored_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("infinite") << "inf";
    QTest::newRow("minus infinite") << "-inf";
    QTest::newRow("not a number") << "nan";
    QTest::newRow("huge") << "1e300";
    QTest::newRow("beyond any screen") << "9.9e9";
}

// Numbers no window or grid can take count as damaged: the design stays.
void TestFormIni::unusableNumbersAreIgnored()
{
    QFETCH(QString, value);
    TestWorkspace ws;
    for (const char *key : {"Left", "Top", "Width", "Height", "WindowState"})
        writeIni(ws, Position, QLatin1String(key), value);
    for (const char *col : {"1", "2", "3"})
        writeIni(ws, QStringLiteral("spList_ColsWidth"), QLatin1String(col), value);
    writeIni(ws, QStringLiteral("spList_General"), QStringLiteral("FontSize"), value);
    writeIni(ws, QStringLiteral("spList_General"), QStringLiteral("RowHeight"), value);
    Form form;
    const double width = form.grid->ColWidth(1);
    const double rowHeight = form.grid->RowHeight(1);
    const double fontSize = form.grid->FontSize(1, 1);
    LoadFormIni(&form.window);
    QCOMPARE(form.window.pos(), QPoint(40, 50));
    QCOMPARE(form.window.size(), QSize(300, 200));
    QCOMPARE(form.window.windowState(), Qt::WindowNoState);
    for (int col = 1; col <= 3; ++col)
        QCOMPARE(form.grid->ColWidth(col), width);
    QCOMPARE(form.grid->RowHeight(1), rowHeight);
    QCOMPARE(form.grid->FontSize(1, 1), fontSize);
}

QTEST_MAIN(TestFormIni)
#include "TestFormIni.moc"
