#include "Cp949.h"
#include "HCText.h"
#include "MessageRecorder.h"
#include "PropertyStore.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRandomGenerator>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
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
    void pasteObeysTheType_data();
    void pasteObeysTheType();
    void pasteKeepsTheByteLimit_data();
    void pasteKeepsTheByteLimit();
    void pastedNumberIsFormattedLive();
    void droppedTextObeysTheType();
    void leadingSeparatorReadsAsTheNumber_data();
    void leadingSeparatorReadsAsTheNumber();
    void passwordShowsTheConfiguredCharacter();
    void decimalsNeverOutgrowTheLimit();

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
    QTest::newRow("minus zero then digit") << 2 << "-05" << QStringList{"-", "-0.00", "-5.00"} << QList<int>{1, 2, 2};
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
    // The control's "Text" property reads the same: the one check of the property itself.
    QCOMPARE(h.field->property("Text").toString(), QStringLiteral("-1234.50"));
    QVERIFY(h.field->bChanged());
    QCOMPARE(changes.count(), 1);
}

// Each type on leaving gets its own finishing (HCTextFinishing holds the
// formats' cases), after its trailing blanks are gone.
void TestHCText::leavingFinishesTheText_data()
{
    QTest::addColumn<int>("acceptType");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("finished");
    QTest::newRow("number empty") << 1 << ""
                                  << "0";
    QTest::newRow("number letters") << 1 << "abc"
                                    << "0";
    QTest::newRow("number kept") << 1 << "12"
                                 << "12";
    QTest::newRow("any text trailing blanks") << 0 << "abc  "
                                              << "abc";
    QTest::newRow("tel Seoul") << 3 << "0212345678"
                               << "02-1234-5678";
    QTest::newRow("tel blanks go before formatting") << 3 << "0212345678  "
                                                     << "02-1234-5678";
    QTest::newRow("time three digits") << 4 << "930"
                                       << "";
    QTest::newRow("time four digits") << 4 << "0930"
                                      << "09:30";
    QTest::newRow("dashed ten digits") << 5 << "0212345678"
                                       << "021-234-5678";
    QTest::newRow("dashed short") << 5 << "123"
                                  << "000-000-0123";
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
    QCOMPARE(box.text,
             QStringLiteral("최대 입력 길이를 초과하였습니다. 입력된 자료는 길이에 맞게 자동으로 짤립니다.\n\n"
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
    QTest::newRow("letters refuse digits") << 2 << 0 << "a1b"
                                           << "ab" << 1;
    QTest::newRow("letters refuse hangul") << 2 << 0 << "a가"
                                           << "a" << 1;
    QTest::newRow("letters to upper") << 2 << 1 << "abc"
                                      << "ABC" << 0;
    QTest::newRow("any text to lower") << 0 << 2 << "AbC"
                                       << "abc" << 0;
    QTest::newRow("any text keeps hangul") << 0 << 1 << "가a"
                                           << "가A" << 0;
    QTest::newRow("number refuses letters") << 1 << 1 << "1a2"
                                            << "12" << 1;
    QTest::newRow("telephone refuses minus") << 3 << 0 << "02-1"
                                             << "021" << 1;
    QTest::newRow("time refuses hangul") << 4 << 0 << "1가"
                                         << "1" << 1;
    QTest::newRow("dashed refuses blank") << 5 << 0 << "1 2"
                                          << "12" << 1;
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
    connect(h.field, &HCText::KeyUp, h.field,
            [&](int &code, int &shift) { events << QString("KeyUp %1 %2").arg(code).arg(shift); });
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

// The three ways an operator pastes: Ctrl+V, Shift+Insert and the Paste of
// the box's own context menu.
enum class PasteWay { CtrlV, ShiftInsert, ContextMenu };

void pasteInto(QLineEdit *box, const QString &clip, PasteWay way)
{
    QGuiApplication::clipboard()->setText(clip);
    switch (way) {
    case PasteWay::CtrlV: QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); return;
    case PasteWay::ShiftInsert: QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier); return;
    case PasteWay::ContextMenu: break;
    }
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box, &request);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(QLatin1String("&Paste")))
            paste = action;
    }
    QVERIFY(paste);
    QVERIFY(paste->isEnabled());
    menu->setActiveAction(paste);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

void addPasteWays(const char *name, const std::function<void(QTestData &)> &row)
{
    const QList<QPair<const char *, PasteWay>> ways{
        {"Ctrl+V", PasteWay::CtrlV}, {"Shift+Insert", PasteWay::ShiftInsert}, {"menu", PasteWay::ContextMenu}};
    for (const auto &[label, way] : ways)
        row(QTest::addRow("%s, %s", name, label) << int(way));
}

void TestHCText::pasteObeysTheType_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("acceptType");
    QTest::addColumn<int>("convertCase");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    const auto rows = [](const char *name, int acceptType, int convertCase, const char *clip, const char *shown,
                         int beeps) {
        addPasteWays(name, [&](QTestData &row) {
            row << acceptType << convertCase << QString::fromUtf8(clip) << QString::fromUtf8(shown) << beeps;
        });
    };
    rows("number refuses letters and hangul", 1, 0, "1a2가3", "123", 1);
    rows("letters refuse digits, converted", 2, 1, "ab1c가", "ABC", 1);
    rows("telephone refuses dashes", 3, 0, "02-123-4567", "021234567", 1);
    rows("time refuses letters", 4, 0, "9시30", "930", 1);
    rows("dashed refuses blanks", 5, 0, "12 34", "1234", 1);
    rows("any text keeps all, lower case", 0, 2, "AbC 가", "abc 가", 0);
    rows("a copied cell's line break", 1, 0, "42\r\n", "42", 0);
}

void TestHCText::pasteObeysTheType()
{
    QFETCH(int, way);
    QFETCH(int, acceptType);
    QFETCH(int, convertCase);
    QFETCH(QString, clip);
    HostWindow &h = host(fieldOfType(acceptType, 0, convertCase));
    h.field->setText(QString());
    QString pressed;
    connect(h.field, &HCText::KeyPress, h.field, [&pressed](int &keyAscii) { pressed += QChar(keyAscii); });
    pasteInto(h.field->txtBox(), clip, PasteWay(way));
    QTEST(h.field->txtBox()->text(), "shown");
    QTEST(m_messages.beeps(), "beeps");
    QCOMPARE(pressed, clip.left(clip.indexOf(u'\r'))); // the host sees each character as typed
}

void TestHCText::pasteKeepsTheByteLimit_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("acceptType");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("left");
    const auto rows = [](const char *name, int acceptType, const char *clip, const char *shown, const char *left) {
        addPasteWays(name, [&](QTestData &row) {
            row << acceptType << QString::fromUtf8(clip) << QString::fromUtf8(shown) << QString::fromUtf8(left);
        });
    };
    rows("number", 1, "1234567890", "1234", "1234");
    rows("hangul text", 0, "가나다", "가나", "가나");
    rows("hangul never halved", 0, "a가나", "a가", "a가");
    rows("telephone", 3, "0212345678", "0212", "0212");
}

void TestHCText::pasteKeepsTheByteLimit()
{
    QFETCH(int, way);
    QFETCH(int, acceptType);
    QFETCH(QString, clip);
    HostWindow &h = host(fieldOfType(acceptType, 4));
    h.field->setText(QString());
    pasteInto(h.field->txtBox(), clip, PasteWay(way));
    QTEST(h.field->txtBox()->text(), "shown");
    leaveField();
    QTEST(h.field->txtBox()->text(), "left");
    QCOMPARE(m_messages.count(), 0);
}

void TestHCText::pastedNumberIsFormattedLive()
{
    HostWindow &h = host(numberField(0));
    h.field->setText(QString());
    pasteInto(h.field->txtBox(), QStringLiteral("1234567"), PasteWay::ContextMenu);
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("1,234,567"));
    QCOMPARE(h.field->txtBox()->cursorPosition(), 9);
    QCOMPARE(h.field->text(), QStringLiteral("1234567"));
    pasteInto(h.field->txtBox(), QStringLiteral("-8"), PasteWay::CtrlV);
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("-12,345,678"));

    HostWindow &decimals = host(numberField(2));
    decimals.field->setText(QString());
    pasteInto(decimals.field->txtBox(), QStringLiteral("1,234.5"), PasteWay::ShiftInsert);
    QCOMPARE(decimals.field->txtBox()->text(), QStringLiteral("1,234.50"));
    QCOMPARE(decimals.field->text(), QStringLiteral("1234.50"));
    QCOMPARE(m_messages.beeps(), 1);
}

void TestHCText::droppedTextObeysTheType()
{
    HostWindow &h = host(fieldOfType(1, 4));
    h.field->setText(QString());
    QMimeData dragged;
    dragged.setText(QStringLiteral("12ab34567"));
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction | Qt::MoveAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(h.field->txtBox(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction | Qt::MoveAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(h.field->txtBox(), &drop);
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("1234"));
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QCOMPARE(m_messages.beeps(), 1);
}

void TestHCText::leadingSeparatorReadsAsTheNumber_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("read");
    QTest::newRow("Delete the first digit") << "1234567" << 0 << int(Qt::Key_Delete) << "234,567"
                                            << "234567";
    QTest::newRow("Backspace the first digit") << "1234" << 1 << int(Qt::Key_Backspace) << "234"
                                               << "234";
    QTest::newRow("Delete behind the minus") << "-1234" << 1 << int(Qt::Key_Delete) << "-234"
                                             << "-234";
}

void TestHCText::leadingSeparatorReadsAsTheNumber()
{
    QFETCH(QString, entered);
    QFETCH(int, at);
    QFETCH(int, key);
    HostWindow &h = host(numberField(0));
    h.field->setText(entered);
    h.field->txtBox()->setCursorPosition(at);
    QTest::keyClick(h.field->txtBox(), Qt::Key(key));
    QTEST(h.field->txtBox()->text(), "shown");
    QTEST(h.field->text(), "read");
    leaveField();
    QTEST(h.field->txtBox()->text(), "shown");
}

void TestHCText::passwordShowsTheConfiguredCharacter()
{
    PropertyStore store;
    store.setValue("PasswordChar", "*");
    HostWindow &h = host(store);
    QTest::keyClicks(h.field->txtBox(), "secret");
    QCOMPARE(h.field->txtBox()->displayText(), QStringLiteral("******"));
    QCOMPARE(h.field->text(), QStringLiteral("secret"));
    h.field->setPasswordChar(QStringLiteral("#"));
    QCOMPARE(h.field->txtBox()->displayText(), QStringLiteral("######"));
    h.field->setPasswordChar(QString());
    QCOMPARE(h.field->txtBox()->displayText(), QStringLiteral("secret"));
}

// Two decimals in a field of four bytes: whatever is typed, the formatted
// number never stays longer than the limit.
void TestHCText::decimalsNeverOutgrowTheLimit()
{
    PropertyStore store = numberField(2);
    store.setValue("MaxLength", 4);
    HostWindow &h = host(store);
    h.field->setText(QString());
    QTest::keyClick(h.field->txtBox(), '-');
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("-"));
    h.field->txtBox()->setCursorPosition(0);
    for (const char key : {'2', '3', '1'}) {
        QTest::keyClick(h.field->txtBox(), key);
        QVERIFY2(Cp949::byteLength(h.field->txtBox()->text()) <= 4, qPrintable(h.field->txtBox()->text()));
    }
    h.field->setText(QString());
    QTest::keyClick(h.field->txtBox(), '7');
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("7.00"));
    QTest::keyClick(h.field->txtBox(), '8');
    QCOMPARE(h.field->txtBox()->text(), QStringLiteral("7.00"));
}

QTEST_MAIN(TestHCText)
#include "TestHCText.moc"
