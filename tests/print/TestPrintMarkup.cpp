#include "HeaderDetailReader.h"
#include "HeaderFooterBlock.h"
#include "HeaderMarkup.h"
#include "PrintMarkupText.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

// Header and footer mark-up: the strings a print request builds, how the
// printed page reads them, and how the editor reads them.
class TestPrintMarkup : public QObject {
    Q_OBJECT
private slots:
    void fontTableForTitleSize16();
    void headerString();
    void footerString_data();
    void footerString();
    void pageParts_data();
    void pageParts();
    void fontCodes();
    void editorReadsHeaderOfRequest();
    void editorDropsPageCountAndTrailingDate();
    void editorSplitsAtSlash();
    void editorUnterminatedFontName();
    void editorKeepsFontsBetweenReads();
    void fuzzNeverCrashesOrHangs();
};

namespace {
QString text(const QList<MarkupRun> &runs)
{
    QString out;
    for (const MarkupRun &run : runs) {
        switch (run.kind) {
        case MarkupRunKind::Text: out += run.text; break;
        case MarkupRunKind::PageNumber: out += QStringLiteral("<p>"); break;
        case MarkupRunKind::PageCount: out += QStringLiteral("<pc>"); break;
        }
    }
    return out;
}

// "left|centre|right" per line, lines joined by "\n".
QString describe(const QList<MarkupLine> &lines)
{
    QStringList out;
    for (const MarkupLine &line : lines)
        out << text(line.parts[0]) + QLatin1Char('|') + text(line.parts[1]) + QLatin1Char('|') + text(line.parts[2]);
    return out.join(QLatin1Char('\n'));
}
} // namespace

void TestPrintMarkup::fontTableForTitleSize16()
{
    const QString expected = QStringLiteral(
        "/fn\"굴림체\"/fz\"16\"/fb1/fu0/fs1/fn\"굴림체\"/fz\"10\"/fb1/fu0/fs2/fn\"굴림체\"/fz\"10\"/fb0/fu0/fs3"
        "/fn\"굴림체\"/fz\"10\"/fb1/fu0/fs4/fn\"굴림체\"/fz\"9\"/fb0/fu0/fs5");
    QCOMPARE(PrintMarkupText::fontTable(16), expected);
}

void TestPrintMarkup::headerString()
{
    QCOMPARE(
        PrintMarkupText::header(QStringLiteral("충전 내역"), QStringLiteral("상호: 가나"), QStringLiteral("기간"), 16),
        PrintMarkupText::fontTable(16) + QStringLiteral("/f1/c충전 내역/n/n/f2/l상호: 가나/f4/c기간/n"));
    // A slash in a text prints as a slash.
    QCOMPARE(PrintMarkupText::header(QStringLiteral("A/S"), QString(), QString(), 12),
             PrintMarkupText::fontTable(12) + QStringLiteral("/f1/cA//S/n/n/f2/l/f4/c/n"));
}

void TestPrintMarkup::footerString_data()
{
    QTest::addColumn<QString>("footText");
    QTest::addColumn<bool>("pageFooter");
    QTest::addColumn<QString>("expected");
    const QString pages = PrintMarkupText::fontTable(16) + QStringLiteral("/n/f3/lPage: /p///pc/f5/c출력일:2011.05.12");
    QTest::newRow("nothing") << QString() << false << QString();
    QTest::newRow("text only") << QStringLiteral("비고") << false << QStringLiteral("비고");
    QTest::newRow("pages only starts with font table") << QString() << true << pages;
    QTest::newRow("two lines") << QStringLiteral("첫째\r\n둘째") << true << QStringLiteral("첫째/n둘째") + pages;
}

void TestPrintMarkup::footerString()
{
    QFETCH(QString, footText);
    QFETCH(bool, pageFooter);
    QFETCH(QString, expected);
    QCOMPARE(PrintMarkupText::footer(footText, pageFooter, 16, QDate(2011, 5, 12)), expected);
}

void TestPrintMarkup::pageParts_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("expected");
    QTest::newRow("header of a request") << PrintMarkupText::header(QStringLiteral("T"), QStringLiteral("L"),
                                                                    QStringLiteral("C"), 16)
                                         << QStringLiteral("|T|\n||\nL|C|");
    QTest::newRow("footer with pages") << PrintMarkupText::footer(QStringLiteral("a\r\nb"), true, 16,
                                                                  QDate(2011, 5, 12))
                                       << QStringLiteral("a||\nb||\nPage: <p>/<pc>|출력일:2011.05.12|");
    QTest::newRow("right part") << QStringLiteral("/rR/lL") << QStringLiteral("L||R");
    QTest::newRow("literal slash") << QStringLiteral("a//b") << QStringLiteral("a/b||");
    QTest::newRow("unknown code skipped") << QStringLiteral("a/xb") << QStringLiteral("ab||");
    QTest::newRow("trailing slash") << QStringLiteral("a/") << QStringLiteral("a||");
    QTest::newRow("empty") << QString() << QString();
}

void TestPrintMarkup::pageParts()
{
    QFETCH(QString, markup);
    QFETCH(QString, expected);
    QCOMPARE(describe(HeaderMarkup::parse(markup, HeaderFooterBlock::defaultFont())), expected);
}

void TestPrintMarkup::fontCodes()
{
    const QList<MarkupLine> lines = HeaderMarkup::parse(
        PrintMarkupText::fontTable(20) + QStringLiteral("/f1/cT/f5/lS/fn\"Other\"/fz\"7\"/fi1/fu1/fk1/rR"),
        HeaderFooterBlock::defaultFont());
    QCOMPARE(lines.size(), 1);
    const MarkupFont title = lines[0].parts[MarkupCenter].first().font;
    QCOMPARE(title.name, QStringLiteral("굴림체"));
    QCOMPARE(title.size, 20.0);
    QVERIFY(title.bold);
    const MarkupFont small = lines[0].parts[MarkupLeft].first().font;
    QCOMPARE(small.size, 9.0);
    QVERIFY(!small.bold);
    const MarkupFont right = lines[0].parts[MarkupRight].first().font;
    QCOMPARE(right.name, QStringLiteral("Other"));
    QCOMPARE(right.size, 7.0);
    QVERIFY(right.italic && right.underline && right.strikeOut);
}

void TestPrintMarkup::editorReadsHeaderOfRequest()
{
    HeaderDetailReader reader;
    const auto result = reader.read(
        PrintMarkupText::header(QStringLiteral("제목"), QStringLiteral("왼쪽"), QStringLiteral("가운데"), 16));
    QVERIFY(result.error.isEmpty());
    const auto title = result.cells.value({1, HeaderDetailReader::CenterColumn});
    QCOMPARE(title.text, QStringLiteral("제목"));
    QCOMPARE(title.font.name, QStringLiteral("굴림체"));
    QCOMPARE(title.font.size, 16.0);
    QVERIFY(title.font.bold);
    const auto left = result.cells.value({3, HeaderDetailReader::LeftColumn});
    QCOMPARE(left.text, QStringLiteral("왼쪽"));
    QCOMPARE(left.font.size, 10.0);
    QVERIFY(left.font.bold);
    const auto centre = result.cells.value({3, HeaderDetailReader::CenterColumn});
    QCOMPARE(centre.text, QStringLiteral("가운데"));
    QVERIFY(centre.font.bold);
}

void TestPrintMarkup::editorDropsPageCountAndTrailingDate()
{
    HeaderDetailReader reader;
    const auto result = reader.read(PrintMarkupText::footer(QString(), true, 16, QDate(2011, 5, 12)));
    // Line 2 (after the leading "/n"): the page marker is overwritten by the
    // "c" of the page-count code; the date after the last code is not placed.
    const auto left = result.cells.value({2, HeaderDetailReader::LeftColumn});
    QCOMPARE(left.text, QStringLiteral("c"));
    QVERIFY(!left.pageNumber);
    QCOMPARE(left.font.size, 10.0);
    const auto centre = result.cells.value({2, HeaderDetailReader::CenterColumn});
    QVERIFY(!centre.hasText);
    QCOMPARE(centre.font.size, 9.0);
}

void TestPrintMarkup::editorSplitsAtSlash()
{
    HeaderDetailReader reader;
    QCOMPARE(reader.read(QStringLiteral("/lab/cd/n")).cells.value({1, 1}).text, QStringLiteral("ab"));
    QCOMPARE(reader.read(QStringLiteral("/la/b/n")).cells.value({1, 1}).text, QStringLiteral("a"));
    QCOMPARE(reader.read(QStringLiteral("/la//b/n")).cells.value({1, 1}).text, QStringLiteral("b"));
    // A run of 100 characters without a code ends the reading.
    QVERIFY(!reader.read(QStringLiteral("/l") + QString(100, QLatin1Char('x')) + QStringLiteral("/n"))
                 .cells.value({1, 1})
                 .hasText);
}

void TestPrintMarkup::editorUnterminatedFontName()
{
    HeaderDetailReader reader;
    const auto result = reader.read(QStringLiteral("/lA/n/fn\"Unclosed/lB/n"));
    QCOMPARE(result.error, QStringLiteral("Error parsing FONT NAME"));
    QCOMPARE(result.cells.value({1, 1}).text, QStringLiteral("A"));
    QVERIFY(!result.cells.contains({2, 1}));
    QCOMPARE(reader.read(QStringLiteral("/fz\"1")).error, QStringLiteral("Error parsing FONT SIZE"));
}

void TestPrintMarkup::editorKeepsFontsBetweenReads()
{
    HeaderDetailReader reader;
    reader.read(QStringLiteral("/fn\"Kept\"/fz\"14\"/fb1/fs3/n"));
    const auto result = reader.read(QStringLiteral("/f3/rX/n"));
    QCOMPARE(result.cells.value({1, HeaderDetailReader::RightColumn}).font.name, QStringLiteral("Kept"));
    QCOMPARE(result.cells.value({1, HeaderDetailReader::RightColumn}).font.size, 14.0);
}

void TestPrintMarkup::fuzzNeverCrashesOrHangs()
{
    const QString alphabet = QStringLiteral("/////nlcrpfnzbiuksc0123456789\"\"\"ab 가\r\n");
    QRandomGenerator random(20110523);
    QImage image(400, 300, QImage::Format_RGB32);
    QElapsedTimer timer;
    timer.start();
    HeaderDetailReader reader;
    for (int round = 0; round < 3000; ++round) {
        QString markup;
        const int length = random.bounded(0, 80);
        for (int i = 0; i < length; ++i)
            markup += alphabet.at(random.bounded(alphabet.size()));
        if (round % 7 == 0)
            markup.prepend(PrintMarkupText::fontTable(random.bounded(1, 40)));
        const QList<MarkupLine> lines = HeaderMarkup::parse(markup, HeaderFooterBlock::defaultFont());
        QVERIFY(lines.size() <= markup.size());
        reader.read(markup);
        const HeaderFooterBlock block(markup);
        QVERIFY(block.height() >= 0);
        QPainter painter(&image);
        painter.scale(0.05, 0.05);
        block.draw(painter, QRectF(0, 0, 8000, 6000), round, 99);
    }
    QVERIFY2(timer.elapsed() < 60000, "mark-up reading must stay bounded");
}

QTEST_MAIN(TestPrintMarkup)
#include "TestPrintMarkup.moc"
