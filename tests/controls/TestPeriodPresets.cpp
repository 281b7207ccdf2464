#include "DateText.h"
#include "PeriodPresets.h"

#include <QTest>

// The period arithmetic of the presets dialog and the date test of the fields.
class TestPeriodPresets : public QObject {
    Q_OBJECT
private slots:
    void dateTest_data();
    void dateTest();
    void presets_data();
    void presets();
    void shifts_data();
    void shifts();
    void currentButtons_data();
    void currentButtons();
    void captions();
};

void TestPeriodPresets::dateTest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalized");
    QTest::newRow("plain") << "2011-05-03"
                           << "2011-05-03";
    QTest::newRow("short parts") << "2011-5-3"
                                 << "2011-05-03";
    QTest::newRow("slashes") << "2011/5/3"
                             << "2011-05-03";
    QTest::newRow("leap day") << "2012-02-29"
                              << "2012-02-29";
    QTest::newRow("no leap day") << "2011-02-29"
                                 << "____-__-__";
    QTest::newRow("30 February") << "2011-02-30"
                                 << "____-__-__";
    QTest::newRow("month 13") << "2011-13-01"
                              << "____-__-__";
    QTest::newRow("century without leap") << "1900-02-29"
                                          << "____-__-__";
    QTest::newRow("400-year leap") << "2000-02-29"
                                   << "2000-02-29";
    QTest::newRow("half-typed") << "2011-0_-__"
                                << "____-__-__";
    QTest::newRow("empty pattern") << "____-__-__"
                                   << "____-__-__";
    QTest::newRow("empty") << ""
                           << "____-__-__";
    QTest::newRow("letters") << "abc"
                             << "____-__-__";
    QTest::newRow("mixed separators") << "2011-05/03"
                                      << "____-__-__";
}

void TestPeriodPresets::dateTest()
{
    QFETCH(QString, text);
    QFETCH(QString, normalized);
    QCOMPARE(DateText::normalized(text), normalized);
    QCOMPARE(DateText::isDate(text), normalized != DateText::EmptyPattern);
}

void TestPeriodPresets::presets_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    const QDate wed(2011, 5, 18);
    QTest::newRow("그제") << wed << 0 << "2011-05-16"
                          << "2011-05-16";
    QTest::newRow("내일") << wed << 3 << "2011-05-19"
                          << "2011-05-19";
    QTest::newRow("지지난주 Wednesday") << wed << 4 << "2011-05-01"
                                        << "2011-05-07";
    QTest::newRow("지난주 Wednesday") << wed << 5 << "2011-05-08"
                                      << "2011-05-14";
    QTest::newRow("이번주 Wednesday") << wed << 6 << "2011-05-15"
                                      << "2011-05-21";
    QTest::newRow("다음주 Wednesday") << wed << 7 << "2011-05-22"
                                      << "2011-05-28";
    QTest::newRow("이번주 Sunday") << QDate(2011, 5, 15) << 6 << "2011-05-15"
                                   << "2011-05-21";
    QTest::newRow("이번주 Saturday") << QDate(2011, 5, 21) << 6 << "2011-05-15"
                                     << "2011-05-21";
    QTest::newRow("지난주 across months") << QDate(2011, 6, 1) << 5 << "2011-05-22"
                                          << "2011-05-28";
    const QDate jan(2011, 1, 10);
    QTest::newRow("지난달 across year") << jan << 9 << "2010-12-01"
                                        << "2010-12-31";
    QTest::newRow("지지난달 across year") << jan << 8 << "2010-11-01"
                                          << "2010-11-30";
    QTest::newRow("다음달 February") << jan << 11 << "2011-02-01"
                                     << "2011-02-28";
    QTest::newRow("다음달 across year") << QDate(2011, 12, 5) << 11 << "2012-01-01"
                                        << "2012-01-31";
    QTest::newRow("이번달 leap February") << QDate(2012, 2, 10) << 10 << "2012-02-01"
                                          << "2012-02-29";
    QTest::newRow("지지난해") << wed << 12 << "2009-01-01"
                              << "2009-12-31";
    QTest::newRow("다음해") << wed << 15 << "2012-01-01"
                            << "2012-12-31";
    QTest::newRow("2분기") << wed << 17 << "2011-04-01"
                           << "2011-06-30";
    QTest::newRow("4분기") << wed << 19 << "2011-10-01"
                           << "2011-12-31";
    QTest::newRow("후반기") << wed << 21 << "2011-07-01"
                            << "2011-12-31";
    QTest::newRow("최근1개월") << wed << 22 << "2011-04-18"
                               << "2011-05-18";
    QTest::newRow("최근6개월") << wed << 25 << "2010-11-19"
                               << "2011-05-18";
    QTest::newRow("최근1년") << wed << 26 << "2010-05-18"
                             << "2011-05-18";
    QTest::newRow("최근1개월 on 31 March") << QDate(2011, 3, 31) << 22 << "2011-03-01"
                                           << "2011-03-31";
    QTest::newRow("최근1개월 on 31 May") << QDate(2011, 5, 31) << 22 << "2011-05-01"
                                         << "2011-05-31";
}

void TestPeriodPresets::presets()
{
    QFETCH(QDate, today);
    QFETCH(int, preset);
    QFETCH(QString, start);
    QFETCH(QString, end);
    const DatePeriod period = PeriodPresets::preset(preset, today);
    QCOMPARE(DateText::format(period.start), start);
    QCOMPARE(DateText::format(period.end), end);
}

void TestPeriodPresets::shifts_data()
{
    QTest::addColumn<QString>("shownStart");
    QTest::addColumn<QString>("shownEnd");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    const QString s = QStringLiteral("2011-05-15");
    const QString e = QStringLiteral("2011-06-10");
    QTest::newRow("일 ◀") << s << e << 0 << "2011-05-14"
                          << "2011-06-09";
    QTest::newRow("일 ▶") << s << e << 1 << "2011-05-16"
                          << "2011-06-11";
    QTest::newRow("주 ◀") << s << e << 2 << "2011-05-08"
                          << "2011-06-03";
    QTest::newRow("주 ▶") << s << e << 3 << "2011-05-22"
                          << "2011-06-17";
    QTest::newRow("월 ◀") << s << e << 4 << "2011-04-01"
                          << "2011-05-31";
    QTest::newRow("월 ▶") << s << e << 5 << "2011-06-01"
                          << "2011-07-31";
    QTest::newRow("년 ◀") << s << e << 6 << "2010-05-15"
                          << "2010-06-10";
    QTest::newRow("년 ▶") << s << e << 7 << "2012-05-15"
                          << "2012-06-10";
    QTest::newRow("분기 ◀") << s << e << 8 << "2011-02-01"
                            << "2011-03-31";
    QTest::newRow("분기 ▶") << s << e << 9 << "2011-08-01"
                            << "2011-09-30";
    QTest::newRow("반기 ◀") << s << e << 10 << "2010-11-01"
                            << "2010-12-31";
    QTest::newRow("반기 ▶") << s << e << 11 << "2011-11-01"
                            << "2011-12-31";
    QTest::newRow("월 ◀ across year") << "2011-01-20"
                                      << "2011-01-25" << 4 << "2010-12-01"
                                      << "2010-12-31";
    QTest::newRow("월 ▶ into leap February") << "2012-01-31"
                                             << "2012-01-31" << 5 << "2012-02-01"
                                             << "2012-02-29";
    QTest::newRow("년 ◀ from 29 February") << "2012-02-29"
                                           << "2012-02-29" << 6 << "2011-02-28"
                                           << "2011-02-28";
    QTest::newRow("년 ▶ from 29 February") << "2012-02-29"
                                           << "2012-03-01" << 7 << "2013-02-28"
                                           << "2013-03-01";
}

void TestPeriodPresets::shifts()
{
    QFETCH(QString, shownStart);
    QFETCH(QString, shownEnd);
    QFETCH(int, shift);
    QFETCH(QString, start);
    QFETCH(QString, end);
    const DatePeriod period = PeriodPresets::shift(shift, {DateText::toDate(shownStart), DateText::toDate(shownEnd)});
    QCOMPARE(DateText::format(period.start), start);
    QCOMPARE(DateText::format(period.end), end);
}

void TestPeriodPresets::currentButtons_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("quarter");
    QTest::addColumn<int>("half");
    QTest::newRow("May") << QDate(2011, 5, 18) << 17 << 20;
    QTest::newRow("June") << QDate(2011, 6, 30) << 17 << 20;
    QTest::newRow("July") << QDate(2011, 7, 1) << 18 << 21;
    QTest::newRow("March") << QDate(2011, 3, 31) << 16 << 20;
    QTest::newRow("December") << QDate(2011, 12, 31) << 19 << 21;
}

void TestPeriodPresets::currentButtons()
{
    QFETCH(QDate, today);
    QFETCH(int, quarter);
    QFETCH(int, half);
    QCOMPARE(PeriodPresets::quarterButton(today), quarter);
    QCOMPARE(PeriodPresets::halfYearButton(today), half);
}

void TestPeriodPresets::captions()
{
    QCOMPARE(PeriodPresets::caption(2), QStringLiteral("오늘   日"));
    QCOMPARE(PeriodPresets::caption(6), QStringLiteral("이번주   "));
    QCOMPARE(PeriodPresets::caption(10), QStringLiteral("이번달 月"));
    QCOMPARE(PeriodPresets::caption(14), QStringLiteral("올해   年"));
    QCOMPARE(PeriodPresets::caption(21), QStringLiteral("후반기"));
    QCOMPARE(PeriodPresets::caption(26), QStringLiteral("최근1년"));
}

QTEST_GUILESS_MAIN(TestPeriodPresets)
#include "TestPeriodPresets.moc"
