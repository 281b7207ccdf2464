#include "HCTextFinishing.h"

#include <QtTest>

namespace {

QString timeRefused(const QString &shown)
{
    return QStringLiteral("[") + shown
           + QStringLiteral("]는 시간형식이 아닙니다.(00:00~23:59)\n시:분 방식으로 입력하세요.\n"
                            "예) 14:25 또는 1425\n     01:05 또는 0105");
}

QString overLength(int bytes, int maxLength)
{
    return QStringLiteral("최대 입력 길이를 초과하였습니다. 입력된 자료는 길이에 맞게 자동으로 짤립니다.\n\n"
                          "현재 입력된 길이는 %1 이며, 최대입력 길이는 %2 입니다.\n"
                          "(한글은 한 글자당 길이가 2입니다.)")
        .arg(bytes)
        .arg(maxLength);
}

} // namespace

// The formatting a text box gives its text when the operator leaves it, one
// row per kind of entry the box can hold: the forms it accepts, entries too
// short or too long for a form, characters the form does not take, and the
// boundaries of a valid time.
class TestHCTextFinishing : public QObject {
    Q_OBJECT

private slots:
    void trailingBlanks_data();
    void trailingBlanks();
    void number_data();
    void number();
    void telephone_data();
    void telephone();
    void time_data();
    void time();
    void dashedDigits_data();
    void dashedDigits();
    void byteLimit_data();
    void byteLimit();
};

void TestHCTextFinishing::trailingBlanks_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("finished");
    QTest::newRow("none") << "abc"
                          << "abc";
    QTest::newRow("several") << "abc   "
                             << "abc";
    QTest::newRow("leading and inner kept") << "  a b "
                                            << "  a b";
    QTest::newRow("only blanks") << "   " << QString();
    QTest::newRow("tab kept") << "abc\t"
                              << "abc\t";
    QTest::newRow("hangul") << QStringLiteral("가나 ") << QStringLiteral("가나");
}

void TestHCTextFinishing::trailingBlanks()
{
    QFETCH(QString, entered);
    QTEST(HCTextFinishing::withoutTrailingBlanks(entered), "finished");
}

void TestHCTextFinishing::number_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("finished");
    QTest::newRow("empty") << QString() << "0";
    QTest::newRow("lone minus") << "-"
                                << "0";
    QTest::newRow("letters") << "abc"
                             << "0";
    QTest::newRow("zero with decimals") << "0.00"
                                        << "0";
    QTest::newRow("minus zero") << "-0"
                                << "0";
    QTest::newRow("whole number") << "12"
                                  << "12";
    QTest::newRow("negative") << "-5"
                              << "-5";
    QTest::newRow("separated with decimals") << "1,234.50"
                                             << "1,234.50";
    QTest::newRow("leading zeros kept") << "0012"
                                        << "0012";
    QTest::newRow("letters after the number kept") << "12abc"
                                                   << "12abc";
    QTest::newRow("fraction") << "0.5"
                              << "0.5";
}

void TestHCTextFinishing::number()
{
    QFETCH(QString, entered);
    QTEST(HCTextFinishing::number(entered), "finished");
}

void TestHCTextFinishing::telephone_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("finished");
    QTest::newRow("Seoul") << "0212345678"
                           << "02-1234-5678";
    QTest::newRow("Seoul short middle") << "021234567"
                                        << "02-123-4567";
    QTest::newRow("mobile") << "01012345678"
                            << "010-1234-5678";
    QTest::newRow("area of three") << "0311234567"
                                   << "031-123-4567";
    QTest::newRow("area of three, nine digits") << "012345678"
                                                << "012-34-5678";
    QTest::newRow("0505") << "050512345678"
                          << "0505-1234-5678";
    QTest::newRow("no area") << "12345678"
                             << "1234-5678";
    QTest::newRow("no area, six digits") << "123456"
                                         << "12-3456";
    QTest::newRow("leading zero, eight digits") << "01234567"
                                                << "0123-4567";
    QTest::newRow("dashed again") << "010-1234-5678"
                                  << "010-1234-5678";
    QTest::newRow("hangul and dashes dropped") << QStringLiteral("전화02-1234-5678") << "02-1234-5678";
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("shorter than six") << "12345"
                                      << "12345";
    QTest::newRow("five digits left of six characters") << "02-123"
                                                        << "02123";
    QTest::newRow("too few digits left") << "a1b2c3"
                                         << "123";
    QTest::newRow("no digits") << "abcdef" << QString();
    QTest::newRow("0505 too short") << "050512"
                                    << "050512";
    QTest::newRow("Seoul without a middle") << "021234"
                                            << "021234";
    QTest::newRow("very long") << "0212345678901234"
                               << "02-1234567890-1234";
    QTest::newRow("separators read as a number") << "1,234,567"
                                                 << "1,234-,567";
}

void TestHCTextFinishing::telephone()
{
    QFETCH(QString, entered);
    QTEST(HCTextFinishing::telephone(entered), "finished");
}

void TestHCTextFinishing::time_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("finished");
    QTest::addColumn<QString>("refused"); // the time shown in the message, when there is one
    QTest::newRow("one digit") << "7"
                               << "07:00" << QString();
    QTest::newRow("two digits") << "14"
                                << "14:00" << QString();
    QTest::newRow("four digits") << "1425"
                                 << "14:25" << QString();
    QTest::newRow("with colon") << "14:25"
                                << "14:25" << QString();
    QTest::newRow("five characters without colon") << "14325"
                                                   << "14:25" << QString();
    QTest::newRow("midnight") << "0000"
                              << "00:00" << QString();
    QTest::newRow("last minute") << "2359"
                                 << "23:59" << QString();
    QTest::newRow("hour 24") << "2400" << QString() << "24:00";
    QTest::newRow("hour 24 alone") << "24" << QString() << "24:00";
    QTest::newRow("hour 24 with colon") << "24:00" << QString() << "24:00";
    QTest::newRow("minute 60") << "1260" << QString() << "12:60";
    QTest::newRow("letters") << "ab" << QString() << "ab:00";
    QTest::newRow("colon in four") << "12:5" << QString() << "12::5";
    QTest::newRow("negative hour") << "-1" << QString() << "-01:00";
    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("three digits") << "930" << QString() << QString();
    QTest::newRow("six digits") << "142500" << QString() << QString();
}

void TestHCTextFinishing::time()
{
    QFETCH(QString, entered);
    QFETCH(QString, refused);
    const HCTextFinishing::Result result = HCTextFinishing::time(entered);
    QTEST(result.text, "finished");
    QCOMPARE(result.failure, refused.isEmpty() ? QString() : timeRefused(refused));
}

void TestHCTextFinishing::dashedDigits_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("finished");
    QTest::newRow("ten digits") << "0212345678"
                                << "021-234-5678";
    QTest::newRow("eleven digits") << "12345678901"
                                   << "1234-567-8901";
    QTest::newRow("zeros") << "0000000000"
                           << "000-000-0000";
    QTest::newRow("short") << "123"
                           << "000-000-0123";
    QTest::newRow("dashes dropped first") << "12-34"
                                          << "000-000-1234";
    QTest::newRow("minus is a dash") << "-5"
                                     << "000-000-0005";
    QTest::newRow("separators") << "1,234"
                                << "000-000-1234";
    QTest::newRow("decimals rounded") << "1.5"
                                      << "000-000-0002";
    QTest::newRow("not numeric") << "12a"
                                 << "12a";
    QTest::newRow("hangul") << QStringLiteral("가나") << QStringLiteral("가나");
    QTest::newRow("only dashes") << "---" << QString();
}

void TestHCTextFinishing::dashedDigits()
{
    QFETCH(QString, entered);
    QTEST(HCTextFinishing::dashedDigits(entered), "finished");
}

void TestHCTextFinishing::byteLimit_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("finished");
    QTest::addColumn<int>("reportedBytes"); // 0: nothing to report
    QTest::newRow("no limit") << "abcdef" << 0 << "abcdef" << 0;
    QTest::newRow("exactly the limit") << "abcd" << 4 << "abcd" << 0;
    QTest::newRow("one over") << "abcde" << 4 << "abcd" << 5;
    QTest::newRow("hangul counts two") << QStringLiteral("가나다") << 4 << QStringLiteral("가나") << 6;
    QTest::newRow("hangul never halved") << QStringLiteral("a가나") << 4 << QStringLiteral("a가") << 5;
    QTest::newRow("hangul at the limit") << QStringLiteral("가나") << 4 << QStringLiteral("가나") << 0;
    QTest::newRow("dashes of a telephone number") << "010-1234-5678" << 11 << "010-1234-56" << 13;
    QTest::newRow("empty") << QString() << 4 << QString() << 0;
}

void TestHCTextFinishing::byteLimit()
{
    QFETCH(QString, entered);
    QFETCH(int, maxLength);
    QFETCH(int, reportedBytes);
    const HCTextFinishing::Result result = HCTextFinishing::withinByteLimit(entered, maxLength);
    QTEST(result.text, "finished");
    QCOMPARE(result.failure, reportedBytes ? overLength(reportedBytes, maxLength) : QString());
}

QTEST_MAIN(TestHCTextFinishing)
#include "TestHCTextFinishing.moc"
