#include "HCTextLiveNumber.h"
#include "NumberText.h"

#include <QRandomGenerator>
#include <QtTest>

// The shared number reader, the numeric test, the number formatter and the
// live reformatting of separated number fields.
class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void isNumericText_data();
    void isNumericText();
    void formatNumberText_data();
    void formatNumberText();
    void formatNumber_data();
    void formatNumber();
    void liveReformat_data();
    void liveReformat();
    void randomTextNeverBreaksTheReaders();
};

void TestNumberText::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "123" << 123.0;
    QTest::newRow("decimals") << "12.75" << 12.75;
    QTest::newRow("leading blanks") << "  42" << 42.0;
    QTest::newRow("negative") << "-7.5" << -7.5;
    QTest::newRow("stops at letters") << "15abc" << 15.0;
    QTest::newRow("stops at separator") << "1,234" << 1.0;
    QTest::newRow("letters first") << "abc15" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("only minus") << "-" << 0.0;
    QTest::newRow("only point") << "." << 0.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("zero decimals") << "0.00" << 0.0;
    QTest::newRow("hangul") << QString::fromUtf8("가12") << 0.0;
    QTest::newRow("negative whole") << "-42 sends" << -42.0;
    QTest::newRow("plus sign") << "+8" << 8.0;
    QTest::newRow("15 digits") << "999999999999999" << 999999999999999.0;
    QTest::newRow("19 digits") << "1234567890123456789" << 1234567890123456789.0;
    QTest::newRow("25 digits") << "1000000000000000000000000" << 1e24;
}

void TestNumberText::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(LeadingNumber(text), expected);
}

void TestNumberText::isNumericText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::newRow("digits") << "0212345678" << true;
    QTest::newRow("single digit") << "7" << true;
    QTest::newRow("single minus") << "-" << false;
    QTest::newRow("single point") << "." << false;
    QTest::newRow("single letter") << "a" << false;
    QTest::newRow("grouped decimals") << "-1,234.50" << true;
    QTest::newRow("blanks around") << " 12 " << true;
    QTest::newRow("sign then blank") << "- 5" << true;
    QTest::newRow("plus") << "+5" << true;
    QTest::newRow("dashed") << "010-1234-5678" << false;
    QTest::newRow("trailing minus") << "123-" << false;
    QTest::newRow("leading comma") << ",5" << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("time") << "14:25" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("point decimals") << ".5" << true;
}

void TestNumberText::isNumericText()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(IsNumericText(text), numeric);
}

void TestNumberText::formatNumberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("separators") << "1234567"
                                << "#,##0"
                                << "1,234,567";
    QTest::newRow("decimals added") << "1"
                                    << "#,##0.00"
                                    << "1.00";
    QTest::newRow("half up") << "2.5"
                             << "0"
                             << "3";
    QTest::newRow("half away negative") << "-2.5"
                                        << "0"
                                        << "-3";
    QTest::newRow("half at cents") << "1.005"
                                   << "0.00"
                                   << "1.01";
    QTest::newRow("below half") << "1.0049"
                                << "0.00"
                                << "1.00";
    QTest::newRow("carry into thousands") << "999.995"
                                          << "#,##0.00"
                                          << "1,000.00";
    QTest::newRow("separators removed") << "-1,234.50"
                                        << "0.00"
                                        << "-1234.50";
    QTest::newRow("negative zero has no sign") << "-0.001"
                                               << "0.00"
                                               << "0.00";
    QTest::newRow("leading zeros fall away") << "007"
                                             << "0"
                                             << "7";
    QTest::newRow("two digits") << "9"
                                << "00"
                                << "09";
    QTest::newRow("not numeric unchanged") << "12a"
                                           << "#,##0"
                                           << "12a";
    QTest::newRow("point only decimals") << ".5"
                                         << "0.00"
                                         << "0.50";
    QTest::newRow("long number exact") << "123456789012345678901"
                                       << "0"
                                       << "123456789012345678901";
}

void TestNumberText::formatNumberText()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(FormatNumberText(text, pattern), expected);
}

void TestNumberText::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cents half") << 1.005 << "0.00"
                                << "1.01";
    QTest::newRow("grouped") << 1234.5 << "#,##0.00"
                             << "1,234.50";
    QTest::newRow("zero") << 0.0 << "#,##0.00"
                          << "0.00";
    QTest::newRow("negative half") << -0.5 << "0"
                                   << "-1";
    QTest::newRow("tiny") << 0.000001 << "0.00"
                          << "0.00";
    QTest::newRow("large") << 1e20 << "#,##0"
                           << "100,000,000,000,000,000,000";
}

void TestNumberText::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(FormatNumber(value, pattern), expected);
}

void TestNumberText::liveReformat_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("decPlace");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("newCaret");
    QTest::newRow("fourth digit gets a separator") << "1234" << 4 << 0 << "1,234" << 5;
    QTest::newRow("first digit gets decimals") << "1" << 1 << 2 << "1.00" << 1;
    QTest::newRow("third decimal dropped") << "1,234.567" << 9 << 2 << "1,234.56" << 8;
    QTest::newRow("digit behind the point") << "1,234.500" << 7 << 2 << "1,234.50" << 7;
    QTest::newRow("minus after digits") << "123-" << 4 << 0 << "-123" << 4;
    QTest::newRow("minus twice stays one") << "-12-3" << 4 << 0 << "-123" << 3;
    QTest::newRow("lone minus kept") << "-" << 1 << 2 << "-" << 1;
    QTest::newRow("minus zero") << "-0" << 2 << 2 << "-0.00" << 2;
    QTest::newRow("minus zero no decimals") << "-0" << 2 << 0 << "-0" << 2;
    QTest::newRow("backspace over separator") << "1,23" << 4 << 0 << "123" << 3;
    QTest::newRow("leading zero dropped") << "01" << 2 << 0 << "1" << 1;
}

void TestNumberText::liveReformat()
{
    QFETCH(QString, typed);
    QFETCH(int, caret);
    QFETCH(int, decPlace);
    const HCTextLiveNumber::Result result = HCTextLiveNumber::reformat(typed, caret, decPlace);
    QTEST(result.text, "shown");
    QTEST(result.caret, "newCaret");
}

// Random texts of digits, signs, separators, letters, blanks and hangul: the
// readers never fail, a formatted numeric text stays numeric and reads the
// same, and the live reformatting keeps its caret inside the text.
void TestNumberText::randomTextNeverBreaksTheReaders()
{
    QRandomGenerator random(20110523);
    const QString alphabet = QString::fromUtf8("0123456789-,. +a가");
    for (int round = 0; round < 5000; ++round) {
        QString text;
        const int length = random.bounded(12);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(static_cast<int>(alphabet.size())));
        const int decPlace = random.bounded(4);
        const QString pattern = HCTextLiveNumber::displayFormat(decPlace);
        const QString formatted = FormatNumberText(text, pattern);
        const double read = LeadingNumber(text);
        QVERIFY2(std::isfinite(read), qPrintable(text));
        if (IsNumericText(text)) {
            QVERIFY2(IsNumericText(formatted), qPrintable(text + " -> " + formatted));
            QCOMPARE(FormatNumberText(formatted, pattern), formatted);
        } else {
            QCOMPARE(formatted, text);
        }
        const int caret = random.bounded(static_cast<int>(text.size()) + 1);
        const HCTextLiveNumber::Result live = HCTextLiveNumber::reformat(text, caret, decPlace);
        QVERIFY(live.caret >= 0 && live.caret <= live.text.size());
        QVERIFY(live.text.count(u'-') <= 1);
    }
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "TestNumberText.moc"
