#include "CustomerFixture.h"
#include "DateEdit.h"
#include "FrmDetail.h"
#include "FrmFill_Save.h"
#include "FrmMain.h"
#include "FrmUser_Add.h"
#include "Frmlogin.h"
#include "HCDate.h"
#include "HCTerm.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "ProgramExit.h"
#include "PropertyStore.h"
#include "WindowParts.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// How a character reaches the box: a key with its character, a key the
// keyboard cannot name (as an input method delivers a syllable), or an input
// method's commit string.
enum class Delivery { Key, UnknownKey, InputMethod };

// A box as the tests drive it: its field, how to empty it, what it shows and
// what a typed character should make of it.
struct Box {
    QWidget *focusTarget;
    std::function<void()> reset;
    std::function<QString()> shown;
    std::function<QString(QChar)> expected;
};

bool isShifted(QChar c) { return c.isUpper() || QStringLiteral("~!@#$%^&*()_+{}|:\"<>?").contains(c); }

Qt::Key keyOf(QChar c) { return static_cast<Qt::Key>(c.isLetter() ? c.toUpper().unicode() : c.unicode()); }

QString anyText(QChar c) { return QString(c); }

QString digitsOnly(QChar c, const QString &before) { return c.isDigit() && c.unicode() < 128 ? QString(c) : before; }

} // namespace

// Every printable character and hangul syllables typed into every kind of
// box, with real key events: the box takes what its format admits, the focus
// stays and no button is pressed.
class TestTyping : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void typedCharacterStaysInTheBox_data();
    void typedCharacterStaysInTheBox();

private:
    void watchButtons(QWidget *window);
    QHash<QString, Box> m_boxes;
    std::unique_ptr<CustomerFixture> m_fixture;
    std::vector<std::unique_ptr<QWidget>> m_windows;
    int m_presses = 0;
};

void TestTyping::watchButtons(QWidget *window)
{
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::pressed, this, [this] { ++m_presses; });
    window->show();
    m_windows.emplace_back(window);
}

void TestTyping::initTestCase()
{
    m_fixture = std::make_unique<CustomerFixture>();
    m_fixture->db.exec(QStringLiteral("INSERT INTO user_mac VALUES ('clerk', '001A2B3C4D5E', 0)"));
    ProgramExit::setHandler([](int) {});
    const int code = m_fixture->addCustomer("cust", "(주)한국상사");

    auto *fill = new FrmFill_Save;
    fill->SetFormMode(code, QStringLiteral("(주)한국상사"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr,
                      0);
    auto *add = new FrmUser_Add;
    add->SetFormMode(FrmUser_Add::Mode::New, nullptr, 0);
    auto *main = new FrmMain;
    auto *detail = new FrmDetail(code);
    HCTerm *htDate = part<HCTerm>(*detail, "htDate");
    auto *login = new Frmlogin;
    QLineEdit *txtPassword = part<QLineEdit>(*login, "txtPassword");
    auto *host = new QWidget;
    auto *date = new HCDate(host);
    auto *telephone = new HCText(host);
    PropertyStore telephoneDesign;
    telephoneDesign.setValue(QStringLiteral("AcceptType"), 3);
    telephone->loadProperties(telephoneDesign);
    auto *hostLayout = new QHBoxLayout(host);
    hostLayout->addWidget(date);
    hostLayout->addWidget(telephone);
    hostLayout->addWidget(new QPushButton(QStringLiteral("확인"), host));
    for (QWidget *window : std::initializer_list<QWidget *>{fill, add, main, detail, login, host})
        watchButtons(window);
    QTRY_COMPARE(part<QLineEdit>(*login, "txtUserName")->text(), QStringLiteral("clerk"));

    const auto hcText = [](HCText *box, const QString &empty, std::function<QString(QChar)> expected) {
        return Box{box->txtBox(), [box, empty] { box->setText(empty); }, [box] { return box->txtBox()->text(); },
                   std::move(expected)};
    };
    const auto dateField = [](DateEdit *field, std::function<void()> reset) {
        return Box{field, std::move(reset), [field] { return field->rawText(); },
                   [](QChar c) {
                       return digitsOnly(c, QString())
                              + QStringLiteral("2011-05-03").mid(c.isDigit() && c.unicode() < 128 ? 1 : 0);
                   }};
    };
    m_boxes[QStringLiteral("trade name")] = hcText(part<HCText>(*add, "htField", FrmUser_Add::FieldName), QString(),
                                                   anyText);
    m_boxes[QStringLiteral("memo")] = hcText(part<HCText>(*fill, "htField", FrmFill_Save::FieldMemo), QString(),
                                             anyText);
    m_boxes[QStringLiteral("number")] = hcText(
        part<HCText>(*fill, "htField", FrmFill_Save::FieldCount), QStringLiteral("0"),
        [](QChar c) { return c == u'-' ? QStringLiteral("-") : digitsOnly(c, QStringLiteral("0")); });
    m_boxes[QStringLiteral("telephone")] = hcText(telephone, QString(),
                                                  [](QChar c) { return digitsOnly(c, QString()); });
    m_boxes[QStringLiteral("search")] = hcText(part<HCText>(*main, "htFind"), QString(), anyText);
    m_boxes[QStringLiteral("password")] = Box{txtPassword, [txtPassword] { txtPassword->clear(); },
                                              [txtPassword] { return txtPassword->text(); }, anyText};
    m_boxes[QStringLiteral("date")] = dateField(date->field(), [date] { date->setText(QStringLiteral("2011-05-03")); });
    m_boxes[QStringLiteral("period")] = dateField(htDate->field(0),
                                                  [htDate] { htDate->setText1(QStringLiteral("2011-05-03")); });
}

void TestTyping::cleanupTestCase()
{
    m_windows.clear();
    ProgramExit::setHandler({});
    m_fixture.reset();
}

void TestTyping::typedCharacterStaysInTheBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QChar>("character");
    QTest::addColumn<int>("delivery");
    const QStringList boxes{"trade name", "memo", "number", "telephone", "search", "password", "date", "period"};
    const QString hangul = QStringLiteral("가주한힣");
    for (const QString &box : boxes) {
        for (char16_t c = 0x20; c < 0x7f; ++c)
            QTest::addRow("%s %04x", qPrintable(box), c) << box << QChar(c) << int(Delivery::Key);
        for (const QChar c : hangul) {
            QTest::addRow("%s %s key", qPrintable(box), qPrintable(QString(c)))
                << box << c << int(Delivery::UnknownKey);
            QTest::addRow("%s %s commit", qPrintable(box), qPrintable(QString(c)))
                << box << c << int(Delivery::InputMethod);
        }
    }
}

void TestTyping::typedCharacterStaysInTheBox()
{
    QFETCH(QString, box);
    QFETCH(QChar, character);
    QFETCH(int, delivery);
    const Box &tested = m_boxes[box];
    QWidget *window = tested.focusTarget->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    tested.focusTarget->setFocus(Qt::OtherFocusReason);
    tested.reset();
    if (auto *line = qobject_cast<QLineEdit *>(tested.focusTarget))
        line->selectAll();
    QCOMPARE(QApplication::focusWidget(), tested.focusTarget);
    m_presses = 0;

    const QString text(character);
    if (delivery == int(Delivery::InputMethod)) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(tested.focusTarget, &commit);
    } else {
        const Qt::Key key = delivery == int(Delivery::Key) ? keyOf(character) : Qt::Key_unknown;
        const Qt::KeyboardModifiers shift = isShifted(character) ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::sendKeyEvent(QTest::Press, tested.focusTarget, key, text, shift);
        QTest::sendKeyEvent(QTest::Release, tested.focusTarget, key, text, shift);
    }

    QCOMPARE(QApplication::focusWidget(), tested.focusTarget);
    QCOMPARE(m_presses, 0);
    QVERIFY(window->isVisible());
    QCOMPARE(tested.shown(), tested.expected(character));
}

QTEST_MAIN(TestTyping)
#include "TestTyping.moc"
