#include "CalendarButton.h"
#include "DateEdit.h"
#include "DateFrame.h"
#include "DateLayout.h"
#include "DateText.h"
#include "DayUpDown.h"
#include "FrmCalendar.h"
#include "HCDate.h"
#include "HCDateAdv.h"
#include "HCTerm.h"
#include "HCText.h"
#include "MessageRecorder.h"
#include "PropertyStore.h"
#include "TestWorkspace.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <memory>

namespace {
const QString DateMessage = QStringLiteral("날짜의 입력형식이 잘못 되었거나,          \n존재하지 않는 날짜입니다.");

// A host window: a line edit before the date box, the box, a button after it.
struct Host {
    QWidget window;
    QLineEdit *before;
    SingleDateControl *box;
    QPushButton *after;

    explicit Host(SingleDateControl *control)
        : before(new QLineEdit(&window)), box(control), after(new QPushButton(QStringLiteral("조회"), &window))
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        box->setParent(&window);
        layout->addWidget(box);
        layout->addWidget(after);
        QWidget::setTabOrder(before, box->field());
        QWidget::setTabOrder(box->field(), after);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        before->setFocus();
    }
};

std::unique_ptr<SingleDateControl> makeBox(const QString &kind)
{
    if (kind == QLatin1String("HCDate"))
        return std::make_unique<HCDate>();
    return std::make_unique<HCDateAdv>();
}

// Runs action on the modal window that opens next.
void onModal(const std::function<void(QWidget *)> &action)
{
    QTimer::singleShot(0, [action] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        action(modal);
    });
}

void clickDay(QWidget *popup, int day)
{
    auto *calendar = static_cast<FrmCalendar *>(popup)->monthView();
    auto *view = calendar->findChild<QTableView *>();
    for (int row = 1; row < view->model()->rowCount(); ++row) {
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            const QModelIndex index = view->model()->index(row, column);
            if (index.data().toInt() == day) {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
                return;
            }
        }
    }
    QFAIL("day not shown");
}
} // namespace

class TestDateControls : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void enteringFillsToday_data();
    void enteringFillsToday();
    void checkOnLeaving_data();
    void checkOnLeaving();
    void hcDateLetsClickThrough();
    void hcDateAdvRefusesClick();
    void textRules_data();
    void textRules();
    void autoTabKeys_data();
    void autoTabKeys();
    void hostCancelsKey();
    void dayUpDown_data();
    void dayUpDown();
    void calendarDateClick_data();
    void calendarDateClick();
    void calendarPlacement_data();
    void calendarPlacement();
    void calendarWeekdaysInKorean();
    void calendarEnter();
    void focusEffect();
    void layouts();
    void persistence();
    void typingOverKeepsTheRest_data();
    void typingOverKeepsTheRest();
    void keyCodesAsTheTextBox();
    void switchingProgramsChecksTheDate();

private:
    std::unique_ptr<TestWorkspace> m_workspace;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestDateControls::init()
{
    m_workspace = std::make_unique<TestWorkspace>(QDateTime(QDate(2011, 5, 18), QTime(9, 0)));
    m_messages = std::make_unique<MessageRecorder>();
}

void TestDateControls::cleanup()
{
    m_messages.reset();
    m_workspace.reset();
}

void TestDateControls::enteringFillsToday_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("allowEmpty");
    QTest::addColumn<QString>("shown");
    QTest::newRow("HCDate") << "HCDate" << false << "2011-05-18";
    QTest::newRow("HCDate allow empty") << "HCDate" << true << "____-__-__";
    QTest::newRow("HCDateAdv") << "HCDateAdv" << false << "2011-05-18";
    QTest::newRow("HCDateAdv allow empty") << "HCDateAdv" << true << "____-__-__";
}

void TestDateControls::enteringFillsToday()
{
    QFETCH(QString, kind);
    QFETCH(bool, allowEmpty);
    QFETCH(QString, shown);
    Host host(makeBox(kind).release());
    host.box->setAllowEmpty(allowEmpty);
    QCOMPARE(host.box->field()->rawText(), QStringLiteral("____-__-__"));
    QTest::keyClick(host.before, Qt::Key_Tab);
    QVERIFY(host.box->field()->hasFocus());
    QCOMPARE(host.box->field()->rawText(), shown);
    if (!allowEmpty) {
        QTest::keyClicks(host.box->field(), QStringLiteral("20120229"));
        QCOMPARE(host.box->field()->rawText(), QStringLiteral("2012-02-29"));
    }
    QTest::keyClick(host.box->field(), Qt::Key_Tab);
    QVERIFY(host.after->hasFocus());
    QCOMPARE(m_messages->count(), 0);
    QCOMPARE(host.box->text(), allowEmpty ? QString() : QStringLiteral("2012-02-29"));
}

void TestDateControls::checkOnLeaving_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    for (const char *kind : {"HCDate", "HCDateAdv"}) {
        const QString k = QString::fromLatin1(kind);
        QTest::newRow(qPrintable(k + " 30 February")) << k << "20110230" << true;
        QTest::newRow(qPrintable(k + " 29 February 2011")) << k << "20110229" << true;
        QTest::newRow(qPrintable(k + " 29 February 2012")) << k << "20120229" << false;
        QTest::newRow(qPrintable(k + " half-typed")) << k << "201102" << true;
    }
}

void TestDateControls::checkOnLeaving()
{
    QFETCH(QString, kind);
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    Host host(makeBox(kind).release());
    host.box->field()->setFocus();
    host.box->field()->selectAll();
    QTest::keyClick(host.box->field(), Qt::Key_Delete);
    host.box->field()->setCursorPosition(0);
    QTest::keyClicks(host.box->field(), typed);
    const QString shown = host.box->field()->rawText();
    QTest::keyClick(host.box->field(), Qt::Key_Tab);
    if (!refused) {
        QVERIFY(host.after->hasFocus());
        QCOMPARE(m_messages->count(), 0);
        return;
    }
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().title, QStringLiteral("날짜입력 확인"));
    QCOMPARE(m_messages->last().text, DateMessage);
    QVERIFY(host.box->field()->hasFocus());
    QCOMPARE(host.box->field()->rawText(), shown);
}

void TestDateControls::hcDateLetsClickThrough()
{
    Host host(new HCDate);
    QSignalSpy clicks(host.after, &QPushButton::clicked);
    host.box->field()->setFocus();
    host.box->field()->setRawText(QStringLiteral("2011-02-30"));
    QTest::mouseClick(host.after, Qt::LeftButton);
    QCOMPARE(m_messages->count(), 1);
    QVERIFY(host.box->field()->hasFocus());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(host.box->field()->rawText(), QStringLiteral("2011-02-30"));
}

void TestDateControls::hcDateAdvRefusesClick()
{
    Host host(new HCDateAdv);
    QSignalSpy clicks(host.after, &QPushButton::clicked);
    host.box->field()->setFocus();
    host.box->field()->setRawText(QStringLiteral("2011-1_-__"));
    QTest::mouseClick(host.after, Qt::LeftButton);
    QCOMPARE(m_messages->count(), 1);
    QVERIFY(host.box->field()->hasFocus());
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(host.box->field()->rawText(), QStringLiteral("2011-1_-__"));

    // Corrected, the next click goes through.
    host.box->field()->setRawText(QStringLiteral("2011-12-01"));
    QTest::mouseClick(host.after, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(m_messages->count(), 1);
}

void TestDateControls::textRules_data()
{
    QTest::addColumn<QString>("assigned");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("read");
    QTest::newRow("short parts") << "2011-5-3"
                                 << "2011-05-03"
                                 << "2011-05-03";
    QTest::newRow("slashes") << "2011/5/3"
                             << "2011-05-03"
                             << "2011-05-03";
    QTest::newRow("letters") << "abc"
                             << "____-__-__"
                             << "";
    QTest::newRow("empty") << ""
                           << "____-__-__"
                           << "";
    QTest::newRow("impossible") << "2011-02-30"
                                << "____-__-__"
                                << "";
}

void TestDateControls::textRules()
{
    QFETCH(QString, assigned);
    QFETCH(QString, shown);
    QFETCH(QString, read);
    HCDateAdv box;
    box.setText(QStringLiteral("2011-01-01"));
    QSignalSpy changed(&box, &SingleDateControl::propertyChanged);
    box.setText(assigned);
    QCOMPARE(box.field()->rawText(), shown);
    QCOMPARE(box.text(), read);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("Text"));
}

void TestDateControls::autoTabKeys_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("autoTab");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focusOn");
    for (const char *kind : {"HCDate", "HCDateAdv"}) {
        const QString k = QString::fromLatin1(kind);
        QTest::newRow(qPrintable(k + " Enter")) << k << true << int(Qt::Key_Return) << "after";
        QTest::newRow(qPrintable(k + " Down")) << k << true << int(Qt::Key_Down) << "after";
        QTest::newRow(qPrintable(k + " Up")) << k << true << int(Qt::Key_Up) << "before";
        QTest::newRow(qPrintable(k + " Enter off")) << k << false << int(Qt::Key_Return) << "box";
        QTest::newRow(qPrintable(k + " Down off")) << k << false << int(Qt::Key_Down) << "box";
    }
}

void TestDateControls::autoTabKeys()
{
    QFETCH(QString, kind);
    QFETCH(bool, autoTab);
    QFETCH(int, key);
    QFETCH(QString, focusOn);
    Host host(makeBox(kind).release());
    host.box->setAutoTab(autoTab);
    host.box->field()->setFocus();
    QSignalSpy presses(host.box, &SingleDateControl::KeyDown);
    QTest::keyClick(host.box->field(), Qt::Key(key));
    QCOMPARE(presses.count(), 1);
    QWidget *expected = focusOn == QLatin1String("after")    ? static_cast<QWidget *>(host.after)
                        : focusOn == QLatin1String("before") ? static_cast<QWidget *>(host.before)
                                                             : static_cast<QWidget *>(host.box->field());
    QCOMPARE(QApplication::focusWidget(), expected);
}

void TestDateControls::hostCancelsKey()
{
    Host host(new HCDateAdv);
    host.box->field()->setFocus();
    connect(host.box, &SingleDateControl::KeyDown, this, [](int &keyCode, int &) {
        if (keyCode == 40) // Down
            keyCode = 0;
    });
    connect(host.box, &SingleDateControl::KeyPress, this, [](int &keyAscii) {
        if (keyAscii == '\r' || keyAscii == '7')
            keyAscii = 0;
    });
    QTest::keyClick(host.box->field(), Qt::Key_Down);
    QTest::keyClick(host.box->field(), Qt::Key_Return);
    QVERIFY(host.box->field()->hasFocus());
    host.box->field()->setCursorPosition(0);
    QTest::keyClicks(host.box->field(), QStringLiteral("17"));
    QCOMPARE(host.box->field()->rawText(), QStringLiteral("1011-05-18"));
}

void TestDateControls::dayUpDown_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("result");
    QTest::newRow("up across year") << "2011-12-31" << true << "2012-01-01";
    QTest::newRow("down across month") << "2011-03-01" << false << "2011-02-28";
    QTest::newRow("down into leap day") << "2012-03-01" << false << "2012-02-29";
    QTest::newRow("empty becomes today") << "____-__-__" << false << "2011-05-18";
    QTest::newRow("half-typed stays") << "2011-1_-__" << true << "2011-1_-__";
}

void TestDateControls::dayUpDown()
{
    QFETCH(QString, shown);
    QFETCH(bool, up);
    QFETCH(QString, result);
    HCDateAdv box;
    box.field()->setRawText(shown);
    DayUpDown *upDown = box.frame()->upDown();
    QTest::mouseClick(up ? upDown->upButton() : upDown->downButton(), Qt::LeftButton);
    QCOMPARE(box.field()->rawText(), result);
}

void TestDateControls::calendarDateClick_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("allowEmpty");
    QTest::addColumn<int>("day"); // 0: Esc
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("dateClick");
    QTest::newRow("other day") << "HCDate"
                               << "2011-05-03" << false << 20 << "2011-05-20" << true;
    QTest::newRow("same day") << "HCDate"
                              << "2011-05-03" << false << 3 << "2011-05-03" << false;
    QTest::newRow("Esc on a date") << "HCDateAdv"
                                   << "2011-05-03" << false << 0 << "2011-05-03" << false;
    QTest::newRow("Esc on empty") << "HCDateAdv"
                                  << "____-__-__" << false << 0 << "2011-05-18" << true;
    QTest::newRow("Esc on empty, empty allowed") << "HCDate"
                                                 << "____-__-__" << true << 0 << "____-__-__" << false;
    QTest::newRow("Esc on half-typed, empty allowed") << "HCDateAdv"
                                                      << "2011-0_-__" << true << 0 << "____-__-__" << true;
}

void TestDateControls::calendarDateClick()
{
    QFETCH(QString, kind);
    QFETCH(QString, shown);
    QFETCH(bool, allowEmpty);
    QFETCH(int, day);
    QFETCH(QString, result);
    QFETCH(bool, dateClick);
    Host host(makeBox(kind).release());
    host.box->setAllowEmpty(allowEmpty);
    host.box->field()->setRawText(shown);
    QSignalSpy clicks(host.box, &SingleDateControl::DateClick);
    QDate opened;
    onModal([&](QWidget *popup) {
        opened = static_cast<FrmCalendar *>(popup)->monthView()->selectedDate();
        if (day)
            clickDay(popup, day);
        else
            QTest::keyClick(popup, Qt::Key_Escape);
    });
    auto *button = host.box->findChild<CalendarButton *>();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(opened, DateText::isDate(shown) ? DateText::toDate(shown) : QDate(2011, 5, 18));
    QCOMPARE(host.box->field()->rawText(), result);
    QCOMPARE(clicks.count(), dateClick ? 1 : 0);
    QCOMPARE(host.window.focusWidget(), host.box->field());
    QCOMPARE(m_messages->count(), 0);
}

void TestDateControls::calendarPlacement_data()
{
    QTest::addColumn<bool>("atScreenCorner");
    QTest::newRow("room under the field") << false;
    QTest::newRow("field at the screen's bottom right") << true;
}

// The popup opens under its field, left-aligned with it, its frame never over
// the field; at the screen's edge it moves only as far as needed to stay on it.
void TestDateControls::calendarPlacement()
{
    QFETCH(bool, atScreenCorner);
    Host host(new HCDate);
    const QRect area = host.window.screen()->availableGeometry();
    if (atScreenCorner) {
        const QPoint field = host.box->field()->mapTo(&host.window, QPoint(0, 0));
        host.window.move(area.right() - field.x() - host.box->field()->width() / 2,
                         area.bottom() - field.y() - host.box->field()->height());
    }
    host.box->field()->setRawText(QStringLiteral("2011-05-03"));
    QRect frame;
    QString title;
    onModal([&](QWidget *popup) {
        frame = popup->frameGeometry();
        title = popup->windowTitle();
        QVERIFY(popup->windowFlags() & Qt::WindowStaysOnTopHint);
        QTest::keyClick(popup, Qt::Key_Escape);
    });
    auto *button = host.box->findChild<CalendarButton *>();
    QTest::mouseClick(button, Qt::LeftButton);
    const QRect field(host.box->field()->mapToGlobal(QPoint(0, 0)), host.box->field()->size());
    QCOMPARE(title, QStringLiteral("날짜 선택"));
    QVERIFY2(
        area.contains(frame),
        qPrintable(QStringLiteral("%1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
    if (atScreenCorner) {
        QCOMPARE(frame.right(), area.right());
        QCOMPARE(frame.bottom(), area.bottom());
    } else {
        QCOMPARE(frame.topLeft(), QPoint(field.left(), field.top() + button->height()));
        QVERIFY(!frame.intersects(field));
    }
}

// The days of the week are named in Korean, as the rest of the program.
void TestDateControls::calendarWeekdaysInKorean()
{
    FrmCalendar popup;
    popup.show();
    auto *view = popup.monthView()->findChild<QTableView *>();
    QStringList names;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        names << view->model()->index(0, column).data().toString();
    QCOMPARE(names, (QStringList{"일", "월", "화", "수", "목", "금", "토"}));
}

void TestDateControls::calendarEnter()
{
    FrmCalendar popup;
    QCOMPARE(popup.monthView()->selectedDate(), QDate(2011, 5, 18));
    popup.setText(QStringLiteral("2011-02-30"));
    QCOMPARE(popup.text(), QString());
    popup.setText(QStringLiteral("2011-05-03"));
    popup.show();
    auto *view = popup.monthView()->findChild<QTableView *>();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(popup.result(), int(QDialog::Accepted));
    QCOMPARE(popup.text(), QStringLiteral("2011-05-04"));
}

void TestDateControls::focusEffect()
{
    Host host(new HCDateAdv);
    host.box->setFocusEffect(true);
    host.box->setBackColor(0x00FFFF);
    host.box->field()->setFocus();
    QCOMPARE(host.box->backColor(), 0xC0E0FFu);
    QCOMPARE(host.box->field()->palette().color(QPalette::Base), QColor(255, 224, 192));
    QTest::keyClick(host.box->field(), Qt::Key_Tab);
    QCOMPARE(host.box->backColor(), 0xFFFFFFu);
    QCOMPARE(host.box->field()->palette().color(QPalette::Base), QColor(Qt::white));
}

void TestDateControls::layouts()
{
    const DateLayout::Framed adv = DateLayout::framed(QRectF(0, 0, 2400, 390));
    QCOMPARE(adv.field, QRectF(30, 30, 1755, 330));
    QCOMPARE(adv.upDown.left(), 1815.0);
    QCOMPARE(adv.calendar.left(), 2085.0);
    QCOMPARE(adv.calendar.right(), 2370.0);
    const DateLayout::Single single = DateLayout::single(QSizeF(2000, 300));
    QCOMPARE(single.field, QRectF(0, 0, 1685, 300));
    QCOMPARE(single.calendar, QRectF(1715, 0, 285, 300));

    // On the screen, 2400 x 390 twips are 160 x 26 pixels.
    HCDateAdv box;
    box.resize(160, 26);
    box.show();
    QCOMPARE(box.frame()->geometry(), QRect(0, 0, 160, 26));
    QCOMPARE(box.field()->geometry(), QRect(2, 2, 117, 22));
    QCOMPARE(box.frame()->upDown()->geometry(), QRect(121, 2, 16, 22));
    QCOMPARE(box.frame()->calendarButton()->geometry(), QRect(139, 2, 19, 22));
    // 2000 x 300 twips round to 133 x 20 pixels: the field keeps the rest.
    HCDate plain;
    plain.resize(133, 20);
    plain.show();
    QCOMPARE(plain.field()->geometry(), QRect(0, 0, 112, 20));
    QCOMPARE(plain.calendarButton()->geometry(), QRect(114, 0, 19, 20));
}

void TestDateControls::persistence()
{
    PropertyStore store;
    store.setValue(QStringLiteral("Text"), QStringLiteral("2011-0_-__"));
    store.setValue(QStringLiteral("AllowEmpty"), true);
    store.setValue(QStringLiteral("Enabled"), false);
    store.setValue(QStringLiteral("FocusEffectParam"), 255u);
    HCDateAdv box;
    box.loadProperties(store);
    QCOMPARE(box.field()->rawText(), QStringLiteral("2011-0_-__"));
    QCOMPARE(box.text(), QStringLiteral("2011-0_-__"));
    QVERIFY(box.allowEmpty());
    QVERIFY(!box.property("Enabled").toBool());
    QVERIFY(!box.frame()->calendarButton()->isEnabled());
    QVERIFY(!box.frame()->upDown()->isEnabled());
    QCOMPARE(box.focusEffectParam(), 255u);
    QVERIFY(box.autoTab());
    QCOMPARE(box.backColor(), 0x80000005u);

    PropertyStore saved;
    box.saveProperties(saved);
    for (const char *key : {"ForeColor", "BackStyle", "BorderStyle", "Text", "AllowEmpty", "Enabled", "FocusEffect",
                            "FocusEffectParam", "BackColor", "Font", "AutoTab"})
        QVERIFY2(saved.contains(QString::fromLatin1(key)), key);
    QCOMPARE(saved.value(QStringLiteral("Text")).toString(), QStringLiteral("2011-0_-__"));
    HCDate again;
    again.loadProperties(saved);
    QCOMPARE(again.field()->rawText(), QStringLiteral("2011-0_-__"));
    QVERIFY(again.allowEmpty());
    QVERIFY(!again.calendarButton()->isEnabled());
}

// Every way into a date field that holds 2011-05-18, or that is empty and
// shows today's 2011-05-18 once entered: typing 2012 keeps the rest.
void TestDateControls::typingOverKeepsTheRest_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("shown");
    for (const char *kind : {"HCDate", "HCDateAdv"}) {
        for (const char *way : {"Tab", "Shift+Tab", "click", "dialog", "calendar"}) {
            for (const char *shown : {"____-__-__", "2011-05-18"})
                QTest::addRow("%s, %s, %s", kind, way, shown) << kind << way << shown;
        }
    }
}

void TestDateControls::typingOverKeepsTheRest()
{
    QFETCH(QString, kind);
    QFETCH(QString, way);
    QFETCH(QString, shown);
    Host host(makeBox(kind).release());
    DateEdit *field = host.box->field();
    field->setRawText(shown);
    if (way == QLatin1String("Tab")) {
        QTest::keyClick(host.before, Qt::Key_Tab);
    } else if (way == QLatin1String("Shift+Tab")) {
        host.after->setFocus();
        QTest::keyClick(host.after, Qt::Key_Backtab, Qt::ShiftModifier);
    } else if (way == QLatin1String("click")) {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(1, field->height() / 2));
    } else if (way == QLatin1String("dialog")) {
        field->setFocus();
        field->end(false); // as after typing the whole date
        auto *dialog = new QDialog(&host.window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        onModal([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        dialog->exec();
        host.window.activateWindow(); // as the window manager does when the dialog closes
        QVERIFY(QTest::qWaitForWindowActive(&host.window));
    } else {
        field->setFocus();
        field->end(false);
        onModal([](QWidget *popup) { QTest::keyClick(popup, Qt::Key_Escape); });
        QTest::mouseClick(host.box->findChild<CalendarButton *>(), Qt::LeftButton);
        host.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host.window));
    }
    QVERIFY(field->hasFocus());
    QCOMPARE(field->rawText(), QStringLiteral("2011-05-18"));
    QTest::keyClicks(field, QStringLiteral("2012"));
    QCOMPARE(field->rawText(), QStringLiteral("2012-05-18"));
    QTest::keyClicks(field, QStringLiteral("06"));
    QCOMPARE(field->rawText(), QStringLiteral("2012-06-18"));
}

// Down with Shift reaches the host as 40 and 1 from every control, as the
// text box gives them.
void TestDateControls::keyCodesAsTheTextBox()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *text = new HCText(&window);
    auto *date = new HCDate(&window);
    auto *adv = new HCDateAdv(&window);
    auto *term = new HCTerm(&window);
    for (QWidget *control : std::initializer_list<QWidget *>{text, date, adv, term})
        layout->addWidget(control);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList seen;
    const auto record = [&seen](const char *event) {
        return [&seen, event](int &keyCode, int &shift) {
            if (keyCode != 16 && keyCode != Qt::Key_Shift) // the Shift key itself
                seen << QStringLiteral("%1 %2 %3").arg(event).arg(keyCode).arg(shift);
        };
    };
    connect(text, &HCText::KeyDown, this, record("down"));
    connect(text, &HCText::KeyUp, this, record("up"));
    for (DateControlBase *control : std::initializer_list<DateControlBase *>{date, adv, term}) {
        control->setAutoTab(false);
        connect(control, &DateControlBase::KeyDown, this, record("down"));
        connect(control, &DateControlBase::KeyUp, this, record("up"));
    }
    text->setAutoTab(false);
    for (QWidget *field : std::initializer_list<QWidget *>{text->txtBox(), date->field(), adv->field(), term->field(0),
                                                           term->field(1)}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Down, Qt::ShiftModifier);
    }
    QStringList expected;
    for (int i = 0; i < 5; ++i)
        expected << QStringLiteral("down 40 1") << QStringLiteral("up 40 1");
    QCOMPARE(seen, expected);
}

// Switching to another program checks the date of the box that checks before
// leaving; switching to another window of this program does not.
void TestDateControls::switchingProgramsChecksTheDate()
{
    Host host(new HCDateAdv);
    DateEdit *field = host.box->field();
    field->setFocus();
    field->setRawText(QStringLiteral("2011-1_-__"));
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QCOMPARE(m_messages->count(), 0);
    host.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host.window));
    QVERIFY(field->hasFocus());

    QApplication::setActiveWindow(nullptr);
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().title, QStringLiteral("날짜입력 확인"));
    QCOMPARE(m_messages->last().text, DateMessage);
    QApplication::setActiveWindow(&host.window);
    QVERIFY(field->hasFocus());
    QCOMPARE(field->rawText(), QStringLiteral("2011-1_-__"));
    QCOMPARE(m_messages->count(), 1);

    field->setRawText(QStringLiteral("2011-12-01"));
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&host.window);
    QCOMPARE(m_messages->count(), 1);
    QVERIFY(field->hasFocus());
}

QTEST_MAIN(TestDateControls)
#include "TestDateControls.moc"
