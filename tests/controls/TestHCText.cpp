#include "Cp949.h"
#include "HCText.h"
#include "MessageRecorder.h"
#include "PropertyStore.h"

#include <QLineEdit>
#include <QRandomGenerator>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

// A host window with three formatted text boxes: the field under test
// between one before and one after it, which take the focus.
struct HostWindow {
    QWidget window;
    HCText *before;
    HCText *field;
    HCText *after;

    explicit HostWindow(const PropertyStore &properties)
    {
        auto *layout = new QVBoxLayout(&window);
        before = new HCText(&window);
        field = new HCText(&window);
        after = new HCText(&window);
        field->loadProperties(properties);
        for (HCText *box : {before, field, after})
            layout->addWidget(box);
        window.resize(200, 120);
    }
};

// Types text key by key; characters outside ASCII arrive as keys of their own
// text, as a keyboard layout that types them directly would send them.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

class TestHCText : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void liveNumberTyping_data();
    void liveNumberTyping();
    void decimalKeyJumpsBehindThePoint();
    void textReadsTheValueFormat();
    void leavingFinishesTheText_data();
    void leavingFinishesTheText();
    void overLengthOnLeavingWarnsAndCuts();
    void invalidTimeMessage();
    void keyRulesByType_data();
    void keyRulesByType();
    void hangulCountsTwoBytes();
    void characterLimitWhileTyping();
    void enterAndArrows_data();
    void enterAndArrows();
    void hostCancelsAndChangesKeys();
    void eventsReachTheHostInOrder();
    void focusClearsTheChangedFlagAndSelectsAll();
    void changedFlagIsReadOnly();
    void negativeDecPlaceIsRefused();
    void showSeparateReformatsAtOnce();
    void inputMethodTextFollowsTheRules();
    void switchingWindowsIsNoLeaving();
    void randomTextOnLeavingStaysWithinMaxLength();

private:
    HostWindow &host(const PropertyStore &properties = {});
    void leaveField();

    std::unique_ptr<HostWindow> m_host;
    MessageRecorder m_messages;
};

HostWindow &TestHCText::host(const PropertyStore &properties)
{
    m_host = std::make_unique<HostWindow>(properties);
    m_host->window.show();
    m_host->window.activateWindow();
    if (!QTest::qWaitForWindowActive(&m_host->window))
        qWarning("host window not active");
    m_host->field->setFocus();
    m_messages.clear();
    return *m_host;
}

void TestHCText::leaveField() { m_host->after->setFocus(); }

void TestHCText::cleanup()
{
    m_host.reset();
    m_messages.clear();
}

PropertyStore numberField(int decPlace, bool separated = true)
{
    PropertyStore store;
    store.setValue("AcceptType", 1);
    store.setValue("ShowSeparate", separated);
    store.setValue("DecPlace", decPlace);
    return store;
}

PropertyStore fieldOfType(int acceptType, int maxLength = 0, int convertCase = 0)
{
    PropertyStore store;
    store.setValue("AcceptType", acceptType);
    store.setValue("MaxLength", maxLength);
    store.setValue("ConvertCase", convertCase);
    return store;
}

void TestHCText::liveNumberTyping_data()
{
    QTest::addColumn<int>("decPlace");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<int>>("carets");
    QTest::newRow("separators appear") << 0 << "1234" << QStringList{"1", "12", "123", "1,234"}
                                       << QList<int>{1, 2, 3, 5};
    QTest::newRow("two decimals") << 2 << "12" << QStringList{"1.00", "12.00"} << QList<int>{1, 2};
    QTest::newRow("minus after digits") << 0 << "123-" << QStringList{"1", "12", "123", "-123"}
                                        << QList<int>{1, 2, 3, 4};
    QTest::newRow("lone minus") << 2 << "-" << QStringList{"-"} << QList<int>{1};
    QTest::newRow("minus zero") << 2 << "-0" << QStringList{"-", "-0.00"} << QList<int>{1, 2};
    QTest::newRow("minus zero then digit") << 2 << "-05" << QStringList{"-", "-0.00", "-5.00"}
                                           << QList<int>{1, 2, 2};
}

void TestHCText::liveNumberTyping()
{
    QFETCH(int, decPlace);
    QFETCH(QString, keys);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, carets);
    HostWindow &h = host(numberField(decPlace));
    h.field->setText(QString());
    for (int i = 0; i < keys.size(); ++i) {
        QTest::keyClick(h.field->txtBox(), keys.at(i).toLatin1());
        QCOMPARE(h.field->txtBox()->text(), shown.at(i));
        QCOMPARE(h.field->txtBox()->cursorPosition(), carets.at(i));
    }
    QCOMPARE(m_messages.beeps(), 0);
}

void TestHCText::decimalKeyJumpsBehindThePoint()
{
    HostWindow &h = host(numberField(2));
    h.field->setText(QString());
    QTest::keyClicks(h.field->txtBox(), "1234");
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("1,234.00"));
    QTest::keyClick(h.field->txtBox(), Qt::Key_Period, Qt::KeypadModifier, '.');
    QCOMPARE(h.field->txtBox()->cursorPosition(), 6);
    QCOMPARE(m_messages.beeps(), 1); // the point itself is not typed
    QTest::keyClicks(h.field->txtBox(), "567");
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("1,234.56"));
    QCOMPARE(h.field->text(), QStringLiteral("1234.56"));
}

void TestHCText::textReadsTheValueFormat()
{
    HostWindow &h = host(numberField(2));
    QSignalSpy changes(h.field, &HCText::Change);
    h.field->setText("-1234.5");
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("-1,234.50"));
    QCOMPARE(h.field->text(), QStringLiteral("-1234.50"));
    QCOMPARE(h.field->property("Text").toString(), QStringLiteral("-1234.50"));
    QVERIFY(h.field->bChanged());
    QCOMPARE(changes.count(), 1);
}

void TestHCText::leavingFinishesTheText_data()
{
    QTest::addColumn<int>("acceptType");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("finished");
    QTest::newRow("number empty") << 1 << "" << "0";
    QTest::newRow("number minus") << 1 << "-" << "0";
    QTest::newRow("number letters") << 1 << "abc" << "0";
    QTest::newRow("number kept") << 1 << "12" << "12";
    QTest::newRow("any text trailing blanks") << 0 << "abc  " << "abc";
    QTest::newRow("tel Seoul") << 3 << "0212345678" << "02-1234-5678";
    QTest::newRow("tel Seoul short middle") << 3 << "021234567" << "02-123-4567";
    QTest::newRow("tel mobile") << 3 << "01012345678" << "010-1234-5678";
    QTest::newRow("tel area three") << 3 << "0311234567" << "031-123-4567";
    QTest::newRow("tel 0505") << 3 << "050512345678" << "0505-1234-5678";
    QTest::newRow("tel no area") << 3 << "12345678" << "1234-5678";
    QTest::newRow("tel dashed again") << 3 << "010-1234-5678" << "010-1234-5678";
    QTest::newRow("tel shorter than six") << 3 << "12345" << "12345";
    QTest::newRow("tel 0505 too short") << 3 << "050512" << "050512";
    QTest::newRow("tel 02 too short") << 3 << "02-123" << "02123";
    QTest::newRow("tel 02 no middle") << 3 << "021234" << "021234";
    QTest::newRow("time three digits") << 4 << "930" << "";
    QTest::newRow("time four digits") << 4 << "0930" << "09:30";
    QTest::newRow("time one digit") << 4 << "7" << "07:00";
    QTest::newRow("time two digits") << 4 << "14" << "14:00";
    QTest::newRow("time with colon") << 4 << "14:25" << "14:25";
    QTest::newRow("time six digits") << 4 << "142500" << "";
    QTest::newRow("dashed ten digits") << 5 << "0212345678" << "021-234-5678";
    QTest::newRow("dashed short") << 5 << "123" << "000-000-0123";
    QTest::newRow("dashed with dash") << 5 << "12-34" << "000-000-1234";
    QTest::newRow("dashed not numeric") << 5 << "12a" << "12a";
}

void TestHCText::leavingFinishesTheText()
{
    QFETCH(int, acceptType);
    QFETCH(QString, entered);
    HostWindow &h = host(fieldOfType(acceptType));
    h.field->setText(entered);
    leaveField();
    QTEST(h.field->txtBox()->text(), "finished");
    QCOMPARE(m_messages.count(), 0);
}

void TestHCText::overLengthOnLeavingWarnsAndCuts()
{
    HostWindow &h = host(fieldOfType(3, 11));
    QTest::keyClicks(h.field->txtBox(), "01012345678");
    leaveField();
    QCOMPARE(m_messages.count(), 1);
    const MessageRequest &box = m_messages.last();
    QCOMPARE(box.title, QStringLiteral("입력길이 초과"));
    QCOMPARE(box.icon, MsgIcon::Information);
    QCOMPARE(box.text, QStringLiteral("최대 입력 길이를 초과하였습니다. 입력된 자료는 길이에 맞게 자동으로 짤립니다.\n\n"
                                      "현재 입력된 길이는 13 이며, 최대입력 길이는 11 입니다.\n"
                                      "(한글은 한 글자당 길이가 2입니다.)"));
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("010-1234-56"));
}

void TestHCText::invalidTimeMessage()
{
    HostWindow &h = host(fieldOfType(4));
    QTest::keyClicks(h.field->txtBox(), "2400");
    leaveField();
    QCOMPARE(h.field->txtBox()->text(), QString());
    QCOMPARE(m_messages.count(), 1);
    QCOMPARE(m_messages.last().icon, MsgIcon::Information);
    QCOMPARE(m_messages.last().text, QStringLiteral("[24:00]는 시간형식이 아닙니다.(00:00~23:59)\n"
                                                    "시:분 방식으로 입력하세요.\n예) 14:25 또는 1425\n"
                                                    "     01:05 또는 0105"));
    QCOMPARE(h.field->FormatTime("1425"), QStringLiteral("14:25"));
    QCOMPARE(h.field->FormatTime("14325"), QStringLiteral("14:25"));
}

void TestHCText::keyRulesByType_data()
{
    QTest::addColumn<int>("acceptType");
    QTest::addColumn<int>("convertCase");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("beeps");
    QTest::newRow("letters refuse digits") << 2 << 0 << "a1b" << "ab" << 1;
    QTest::newRow("letters refuse hangul") << 2 << 0 << "a가" << "a" << 1;
    QTest::newRow("letters to upper") << 2 << 1 << "abc" << "ABC" << 0;
    QTest::newRow("any text to lower") << 0 << 2 << "AbC" << "abc" << 0;
    QTest::newRow("any text keeps hangul") << 0 << 1 << "가a" << "가A" << 0;
    QTest::newRow("number refuses letters") << 1 << 1 << "1a2" << "12" << 1;
    QTest::newRow("telephone refuses minus") << 3 << 0 << "02-1" << "021" << 1;
    QTest::newRow("time refuses hangul") << 4 << 0 << "1가" << "1" << 1;
    QTest::newRow("dashed refuses blank") << 5 << 0 << "1 2" << "12" << 1;
}

void TestHCText::keyRulesByType()
{
    QFETCH(int, acceptType);
    QFETCH(int, convertCase);
    QFETCH(QString, keys);
    HostWindow &h = host(fieldOfType(acceptType, 0, convertCase));
    h.field->setText(QString());
    typeText(h.field->txtBox(), keys);
    QTEST(h.field->txtBox()->text(), "typed");
    QTEST(m_messages.beeps(), "beeps");
}

void TestHCText::hangulCountsTwoBytes()
{
    HostWindow &h = host(fieldOfType(0, 10));
    typeText(h.field->txtBox(), QStringLiteral("가나다라마"));
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("가나다라마"));
    typeText(h.field->txtBox(), QStringLiteral("바"));
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("가나다라마"));
    h.field->setMaxLength(4);
    h.field->setText(QString());
    typeText(h.field->txtBox(), QStringLiteral("abc가"));
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("abc")); // never half a character
    leaveField();
    QCOMPARE(m_messages.count(), 0);
}

void TestHCText::characterLimitWhileTyping()
{
    HostWindow &h = host(fieldOfType(0, 3));
    QTest::keyClicks(h.field->txtBox(), "abcd");
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("abc"));
    QCOMPARE(m_messages.beeps(), 1);
}

void TestHCText::enterAndArrows_data()
{
    QTest::addColumn<bool>("autoTab");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focused");
    QTest::newRow("enter moves forward") << true << int(Qt::Key_Return) << "after";
    QTest::newRow("enter stays without AutoTab") << false << int(Qt::Key_Return) << "field";
    QTest::newRow("down moves forward") << true << int(Qt::Key_Down) << "after";
    QTest::newRow("up moves back") << true << int(Qt::Key_Up) << "before";
    QTest::newRow("down stays without AutoTab") << false << int(Qt::Key_Down) << "field";
    QTest::newRow("up stays without AutoTab") << false << int(Qt::Key_Up) << "field";
}

void TestHCText::enterAndArrows()
{
    QFETCH(bool, autoTab);
    QFETCH(int, key);
    QFETCH(QString, focused);
    PropertyStore store;
    store.setValue("AutoTab", autoTab);
    store.setValue("Text", "ab");
    HostWindow &h = host(store);
    QList<int> pressed;
    connect(h.field, &HCText::KeyPress, h.field, [&pressed](int &keyAscii) { pressed << keyAscii; });
    QTest::keyClick(h.field->txtBox(), Qt::Key(key));
    const QHash<QString, HCText *> boxes{{"before", h.before}, {"field", h.field}, {"after", h.after}};
    QCOMPARE(QApplication::focusWidget(), boxes.value(focused)->txtBox());
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("ab"));
    QCOMPARE(pressed, key == Qt::Key_Return ? QList<int>{13} : QList<int>{});
}

void TestHCText::hostCancelsAndChangesKeys()
{
    HostWindow &h = host(fieldOfType(2));
    connect(h.field, &HCText::KeyPress, h.field, [](int &keyAscii) {
        if (keyAscii == 'x')
            keyAscii = 0;
        else if (keyAscii == 'q')
            keyAscii = 'k';
    });
    connect(h.field, &HCText::KeyDown, h.field, [](int &keyCode, int &) {
        if (keyCode == 46) // Delete
            keyCode = 0;
    });
    QTest::keyClicks(h.field->txtBox(), "axbq");
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("abk"));
    QCOMPARE(m_messages.beeps(), 0); // a key the host cancelled is not refused again
    h.field->txtBox()->setCursorPosition(0);
    QTest::keyClick(h.field->txtBox(), Qt::Key_Delete);
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("abk"));
}

void TestHCText::eventsReachTheHostInOrder()
{
    HostWindow &h = host();
    QStringList events;
    connect(h.field, &HCText::KeyDown, h.field, [&](int &code, int &) { events << QString("KeyDown %1").arg(code); });
    connect(h.field, &HCText::KeyPress, h.field, [&](int &ascii) { events << QString("KeyPress %1").arg(ascii); });
    connect(h.field, &HCText::Change, h.field, [&] { events << "Change"; });
    connect(h.field, &HCText::KeyUp, h.field, [&](int &code, int &shift) {
        events << QString("KeyUp %1 %2").arg(code).arg(shift);
    });
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QApplication::sendEvent(h.field->txtBox(), &press);
    QApplication::sendEvent(h.field->txtBox(), &release);
    QCOMPARE(events, (QStringList{"KeyDown 65", "KeyPress 65", "Change", "KeyUp 65 1"}));
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("A"));
    QSignalSpy clicks(h.field, &HCText::Click);
    QSignalSpy doubleClicks(h.field, &HCText::DblClick);
    QTest::mouseClick(h.field->txtBox(), Qt::LeftButton);
    QTest::mouseDClick(h.field->txtBox(), Qt::LeftButton);
    QVERIFY(clicks.count() >= 1);
    QCOMPARE(doubleClicks.count(), 1);
}

void TestHCText::focusClearsTheChangedFlagAndSelectsAll()
{
    HostWindow &h = host();
    h.field->setText("hello");
    QVERIFY(h.field->bChanged());
    leaveField();
    h.field->setFocus();
    QVERIFY(!h.field->bChanged());
    QCOMPARE(h.field->txtBox()->selectedText(), QStringLiteral("hello"));
    QCOMPARE(h.field->txtBox()->cursorPosition(), 0);
    QCOMPARE(h.field->selStart(), 0);
}

void TestHCText::changedFlagIsReadOnly()
{
    HostWindow &h = host();
    QVERIFY(!h.field->setProperty("bChanged", true));
    QVERIFY(!h.field->bChanged());
    QVERIFY(!h.field->property("bChanged").toBool());
}

void TestHCText::negativeDecPlaceIsRefused()
{
    HostWindow &h = host();
    h.field->setDecPlace(-1);
    QCOMPARE(h.field->decPlace(), 0);
    QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("음수는 설정할 수 없습니다.")});
    QCOMPARE(m_messages.last().buttons, MsgButtons::Ok);
}

void TestHCText::showSeparateReformatsAtOnce()
{
    HostWindow &h = host(numberField(0, false));
    h.field->setText("1234567");
    h.field->setShowSeparate(true);
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("1,234,567"));
    h.field->setShowSeparate(false);
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("1234567"));
}

void TestHCText::inputMethodTextFollowsTheRules()
{
    HostWindow &h = host(numberField(0, false));
    h.field->setText(QString());
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("가1"));
    QApplication::sendEvent(h.field->txtBox(), &composed);
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("1"));
    QCOMPARE(m_messages.beeps(), 1);

    HostWindow &text = host(fieldOfType(0, 3));
    QInputMethodEvent twoSyllables;
    twoSyllables.setCommitString(QStringLiteral("가나"));
    QApplication::sendEvent(text.field->txtBox(), &twoSyllables);
    QCOMPARE(text.field->txtBox()->text(), QStringLiteral("가"));
    QCOMPARE(m_messages.count(), 0);
}

void TestHCText::switchingWindowsIsNoLeaving()
{
    HostWindow &h = host(fieldOfType(4));
    QTest::keyClicks(h.field->txtBox(), "930");
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("930"));
    h.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.window));
    QVERIFY(h.field->bChanged());
    QCOMPARE(h.field->txtBox()->selectedText(), QString());
    leaveField();
    QCOMPARE(h.field->txtBox()->text(), QString());
}

// Random entries of every kind, left with random limits: finishing never
// leaves more bytes than MaxLength in a field that checks it.
void TestHCText::randomTextOnLeavingStaysWithinMaxLength()
{
    HostWindow &h = host();
    QRandomGenerator random(4242);
    const QString alphabet = QString::fromUtf8("0123456789--::. ab가나");
    const QList<int> checkedTypes{0, 2, 3, 4, 5};
    for (int round = 0; round < 400; ++round) {
        QString entry;
        const int length = random.bounded(16);
        for (int i = 0; i < length; ++i)
            entry += alphabet.at(random.bounded(static_cast<int>(alphabet.size())));
        const int maxLength = 1 + random.bounded(14);
        h.field->setAcceptType(checkedTypes.at(random.bounded(static_cast<int>(checkedTypes.size()))));
        h.field->setMaxLength(maxLength);
        h.field->setFocus();
        h.field->setText(entry);
        leaveField();
        QVERIFY2(Cp949::byteLength(h.field->txtBox()->text()) <= maxLength,
                 qPrintable(entry + " -> " + h.field->txtBox()->text()));
    }
}

QTEST_MAIN(TestHCText)
#include "TestHCText.moc"
