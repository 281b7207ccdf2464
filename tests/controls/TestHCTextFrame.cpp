#include "HCText.h"
#include "MessageRecorder.h"
#include "PropertyStore.h"
#include "Twips.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

// Frame layout in twips, focus colours, Enabled colours and the loading and
// saving of the text box's design-time properties.
class TestHCTextFrame : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void focusEffectColours();
    void edgeFocusThickensTheFrame();
    void enabledColours();
    void frameShowsOnlyWithoutBorderAnd3D();
    void newInstanceSavesDefaultsInOrder();
    void loadingNumberFields_data();
    void loadingNumberFields();
    void loadedChangedFlagOverridesTextChanges();
    void saveAfterLoadKeepsEveryValue();
    void remembersTheInputMethodMode();

private:
    MessageRecorder m_messages;
};

QRect twipsOf(const QRect &pixels)
{
    return QRect(pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()), pixelsToTwips(pixels.width()),
                 pixelsToTwips(pixels.height()));
}

PropertyStore flatFrame(int edgeWidth)
{
    PropertyStore store;
    store.setValue("BorderStyle", 0);
    store.setValue("Appearance", 0);
    store.setValue("EdgeWidth", edgeWidth);
    return store;
}

void TestHCTextFrame::layout_data()
{
    QTest::addColumn<int>("borderStyle");
    QTest::addColumn<int>("edgeWidth");
    QTest::addColumn<int>("topMagin");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QList<int>>("lines"); // top y, bottom y, left x, right x
    QTest::addColumn<bool>("visible");
    QTest::newRow("flat frame one pixel")
        << 0 << 1 << 0 << QRect(15, 15, 1470, 270) << QList<int>{0, 285, 0, 1485} << true;
    QTest::newRow("flat frame two pixels")
        << 0 << 2 << 0 << QRect(30, 30, 1440, 240) << QList<int>{15, 285, 15, 1485} << true;
    QTest::newRow("single border fills the surface")
        << 1 << 1 << 0 << QRect(0, 0, 1500, 300) << QList<int>{0, 300, 0, 1500} << false;
    QTest::newRow("surface lower than twice the margin")
        << 0 << 1 << 200 << QRect(15, 0, 1470, 300) << QList<int>{0, 285, 0, 1485} << true;
    QTest::newRow("top margin") << 1 << 1 << 60 << QRect(0, 60, 1500, 180) << QList<int>{0, 300, 0, 1500} << false;
}

void TestHCTextFrame::layout()
{
    QFETCH(int, borderStyle);
    QFETCH(int, edgeWidth);
    QFETCH(int, topMagin);
    QFETCH(QList<int>, lines);
    PropertyStore store = flatFrame(edgeWidth);
    store.setValue("BorderStyle", borderStyle);
    store.setValue("TopMagin", topMagin);
    QWidget host;
    host.resize(200, 100);
    HCText text(&host);
    text.loadProperties(store);
    text.setGeometry(0, 0, twipsToPixels(1500), twipsToPixels(300));
    host.show();
    QTEST(twipsOf(text.txtBox()->geometry()), "box");
    QCOMPARE(text.lineEdge(HCTextFrame::Top).line.y1(), lines.at(0));
    QCOMPARE(text.lineEdge(HCTextFrame::Bottom).line.y1(), lines.at(1));
    QCOMPARE(text.lineEdge(HCTextFrame::Left).line.x1(), lines.at(2));
    QCOMPARE(text.lineEdge(HCTextFrame::Right).line.x1(), lines.at(3));
    QCOMPARE(text.lineEdge(HCTextFrame::Top).line.x2(), 1500);
    QTEST(text.lineEdge(HCTextFrame::Right).visible, "visible");
    if (topMagin > 0 && topMagin * 2 <= 300)
        QCOMPARE(text.surfaceColor(), 0xFFFFFF);
}

// A host with the box under test and a second box that holds the focus first.
struct FocusHost {
    QWidget window;
    HCText *field;
    HCText *other;

    explicit FocusHost(const PropertyStore &store)
    {
        auto *layout = new QVBoxLayout(&window);
        other = new HCText(&window); // first in tab order: the window starts focused on it
        field = new HCText(&window);
        field->loadProperties(store);
        layout->addWidget(other);
        layout->addWidget(field);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("host window not active");
    }
};

void TestHCTextFrame::focusEffectColours()
{
    PropertyStore store;
    store.setValue("FocusEffect", true);
    store.setValue("BackColor", 0x00FF00);
    FocusHost host(store);
    QCOMPARE(host.field->backColor(), 0x00FF00);
    host.field->setFocus();
    QCOMPARE(host.field->backColor(), HCText::DefaultFocusEffectParam);
    QCOMPARE(host.field->surfaceColor(), HCText::DefaultFocusEffectParam);
    QCOMPARE(host.field->txtBox()->palette().color(QPalette::Base), QColor(255, 224, 192));
    host.other->setFocus();
    QCOMPARE(host.field->backColor(), 0xFFFFFF);
    QCOMPARE(host.field->surfaceColor(), 0xFFFFFF);
}

void TestHCTextFrame::edgeFocusThickensTheFrame()
{
    PropertyStore store = flatFrame(1);
    store.setValue("EdgeFocus", true);
    store.setValue("EdgeColor", 0x0000FF);
    store.setValue("EdgeFocusColor", 0xFF0000);
    FocusHost host(store);
    host.field->resize(100, 20);
    QCOMPARE(host.field->lineEdge(0).color, 0x0000FF);
    QCOMPARE(host.field->txtBox()->geometry().left(), 1);
    host.field->setFocus();
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(host.field->lineEdge(i).width, 2);
        QCOMPARE(host.field->lineEdge(i).color, 0xFF0000);
    }
    QCOMPARE(host.field->txtBox()->geometry(), QRect(2, 2, 96, 16));
    host.other->setFocus();
    QCOMPARE(host.field->lineEdge(3).width, 1);
    QCOMPARE(host.field->lineEdge(3).color, 0x0000FF);
    QCOMPARE(host.field->txtBox()->geometry(), QRect(1, 1, 98, 18));
}

void TestHCTextFrame::enabledColours()
{
    HCText text;
    QSignalSpy notified(&text, &HCText::propertyChanged);
    text.setProperty("Enabled", false);
    QVERIFY(!text.txtBox()->isEnabled());
    QCOMPARE(text.backColor(), 0xE0E0E0);
    QCOMPARE(text.txtBox()->palette().color(QPalette::Disabled, QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
    text.setProperty("Enabled", true);
    QCOMPARE(text.backColor(), 0xFFFFFF);
    QCOMPARE(notified.count(), 2);
    QCOMPARE(notified.first().first().toString(), QStringLiteral("Enabled"));
}

void TestHCTextFrame::frameShowsOnlyWithoutBorderAnd3D()
{
    HCText text;
    QVERIFY(!text.lineEdge(0).visible);
    text.setBorderStyle(0);
    QVERIFY(!text.lineEdge(0).visible);
    text.setAppearance(0);
    QVERIFY(text.lineEdge(0).visible);
    QVERIFY(!text.txtBox()->hasFrame());
    text.setAppearance(1);
    QVERIFY(!text.lineEdge(2).visible);
}

void TestHCTextFrame::newInstanceSavesDefaultsInOrder()
{
    QWidget host;
    host.setFont(QFont(QStringLiteral("Sans"), 11));
    HCText text(&host);
    text.initNewInstance();
    PropertyStore store;
    text.saveProperties(store);
    const QStringList order{"Enabled",      "ForeColor", "Text",       "ConvertCase", "AcceptType",  "ShowSeparate",
                            "MaxLength",    "Locked",    "BackColor",  "bChanged",    "IMEMode",     "DecPlace",
                            "PasswordChar", "AutoTab",   "Appearance", "Font",        "FocusEffect", "FocusEffectParam",
                            "BorderStyle",  "TopMagin",  "EdgeWidth",  "EdgeColor",   "EdgeFocus",   "EdgeFocusColor"};
    QCOMPARE(store.keys(), order);
    const QVariantMap defaults{{"Enabled", true},
                               {"ForeColor", int(0x80000008u)},
                               {"Text", ""},
                               {"ConvertCase", 0},
                               {"AcceptType", 0},
                               {"ShowSeparate", false},
                               {"MaxLength", 0},
                               {"Locked", false},
                               {"BackColor", 0xFFFFFF},
                               {"bChanged", false},
                               {"IMEMode", 0},
                               {"DecPlace", 0},
                               {"PasswordChar", ""},
                               {"AutoTab", true},
                               {"Appearance", 1},
                               {"FocusEffect", false},
                               {"FocusEffectParam", 12640511},
                               {"BorderStyle", 1},
                               {"TopMagin", 0},
                               {"EdgeWidth", 1},
                               {"EdgeColor", 16777215},
                               {"EdgeFocus", false},
                               {"EdgeFocusColor", 16777215}};
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it)
        QCOMPARE(store.value(it.key()).toString(), it.value().toString());
    QCOMPARE(store.value("Font").toString(), host.font().toString());
}

void TestHCTextFrame::loadingNumberFields_data()
{
    QTest::addColumn<int>("acceptType");
    QTest::addColumn<bool>("separated");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("rightAligned");
    QTest::newRow("empty number becomes zero") << 1 << false << ""
                                               << "0" << true;
    QTest::newRow("separated number") << 1 << true << "1234567"
                                      << "1,234,567" << true;
    QTest::newRow("plain number loses separators") << 1 << false << "1,234"
                                                   << "1234" << true;
    QTest::newRow("early format has no decimals") << 1 << true << "1234.56"
                                                  << "1,235" << true;
    QTest::newRow("text left alone") << 0 << true << "1234"
                                     << "1234" << false;
    QTest::newRow("number not numeric kept") << 1 << true << "abc"
                                             << "abc" << true;
}

void TestHCTextFrame::loadingNumberFields()
{
    QFETCH(int, acceptType);
    QFETCH(bool, separated);
    QFETCH(QString, stored);
    QFETCH(bool, rightAligned);
    PropertyStore store;
    store.setValue("Text", stored);
    store.setValue("AcceptType", acceptType);
    store.setValue("ShowSeparate", separated);
    store.setValue("DecPlace", 2);
    HCText text;
    text.loadProperties(store);
    QTEST(text.txtBox()->text(), "shown");
    QCOMPARE(bool(text.txtBox()->alignment() & Qt::AlignRight), rightAligned);
    QCOMPARE(text.decPlace(), 2);
}

void TestHCTextFrame::loadedChangedFlagOverridesTextChanges()
{
    PropertyStore store;
    store.setValue("Text", "abc");
    HCText fresh;
    QSignalSpy notified(&fresh, &HCText::propertyChanged);
    fresh.loadProperties(store);
    QVERIFY(!fresh.bChanged());
    QCOMPARE(notified.count(), 0); // loading is no design change
    store.setValue("bChanged", true);
    HCText changed;
    changed.loadProperties(store);
    QVERIFY(changed.bChanged());
}

void TestHCTextFrame::saveAfterLoadKeepsEveryValue()
{
    PropertyStore original;
    const QVariantMap values{{"Enabled", false},
                             {"ForeColor", 0x123456},
                             {"Text", "abc"},
                             {"ConvertCase", 1},
                             {"AcceptType", 2},
                             {"ShowSeparate", true},
                             {"MaxLength", 20},
                             {"Locked", true},
                             {"BackColor", 0xABCDEF},
                             {"bChanged", true},
                             {"IMEMode", 2},
                             {"DecPlace", 3},
                             {"PasswordChar", "*"},
                             {"AutoTab", false},
                             {"Appearance", 0},
                             {"FocusEffect", true},
                             {"FocusEffectParam", 0x00FFFF},
                             {"BorderStyle", 0},
                             {"TopMagin", 45},
                             {"EdgeWidth", 3},
                             {"EdgeColor", 0x808080},
                             {"EdgeFocus", true},
                             {"EdgeFocusColor", 0x0000FF}};
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        original.setValue(it.key(), it.value());
    HCText text;
    text.loadProperties(original);
    PropertyStore saved;
    text.saveProperties(saved);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        QCOMPARE(saved.value(it.key()).toString(), it.value().toString());
    QCOMPARE(text.txtBox()->echoMode(), QLineEdit::Password);
    QVERIFY(text.txtBox()->isReadOnly());
    QCOMPARE(text.lineEdge(1).width, 3);
    QCOMPARE(text.lineEdge(1).color, 0x808080);
}

void TestHCTextFrame::remembersTheInputMethodMode()
{
    PropertyStore store;
    store.setValue("IMEMode", 2);
    FocusHost host(store);
    QCOMPARE(host.field->imeMode(), 2);
    QVERIFY(host.field->txtBox()->inputMethodHints() & Qt::ImhLatinOnly);
    host.field->setFocus();
    host.other->setFocus();
    QCOMPARE(host.field->property("IMEMode").toInt(), 2);
    host.field->setIMEMode(0);
    QCOMPARE(host.field->txtBox()->inputMethodHints(), Qt::ImhNone);
}

QTEST_MAIN(TestHCTextFrame)
#include "TestHCTextFrame.moc"
