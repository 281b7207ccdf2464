#include "CalendarButton.h"
#include "Clock.h"
#include "DateEdit.h"
#include "DateFrame.h"
#include "DateLayout.h"
#include "DateText.h"
#include "FrmCalendar.h"
#include "FrmEasyDate.h"
#include "HCTerm.h"
#include "MessageRecorder.h"
#include "PropertyStore.h"
#include "TestWorkspace.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>
#include <memory>

namespace {
// A host window: the period box htDate and a button after it.
struct Host {
    QWidget window;
    HCTerm *htDate;
    QPushButton *after;

    Host() : htDate(new HCTerm(&window)), after(new QPushButton(QStringLiteral("조회"), &window))
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(htDate);
        layout->addWidget(after);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

void onModal(const std::function<void(FrmEasyDate *)> &action)
{
    QTimer::singleShot(0, [action] {
        auto *dialog = qobject_cast<FrmEasyDate *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}

QStringList period(const HCTerm &box) { return {box.text1(), box.text2()}; }
QStringList period(const FrmEasyDate &dialog) { return {dialog.field(0)->rawText(), dialog.field(1)->rawText()}; }
} // namespace

class TestHCTerm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void periodMethods();
    void reversedPeriodAccepted();
    void emptyEndAllowed();
    void layout();
    void dialogPlacement_data();
    void dialogPlacement();
    void presetConfirmsAtOnce();
    void escapeChangesNothing();
    void calendarRaisesDateClick();
    void fieldCheckRefusesClick();
    void persistence();
    void dialogLoad_data();
    void dialogLoad();
    void dialogTexts();
    void dialogShifts();
    void dialogShiftWithInvalidField();
    void dialogRefusesPresetClick();
    void dialogLayout();
    void enterConfirmsTheDialog();
    void neighbourCalendarEndsTheFocusColour();

private:
    std::unique_ptr<TestWorkspace> m_workspace;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestHCTerm::init()
{
    m_workspace = std::make_unique<TestWorkspace>(QDateTime(QDate(2011, 5, 18), QTime(9, 0)));
    m_messages = std::make_unique<MessageRecorder>();
}

void TestHCTerm::cleanup()
{
    m_messages.reset();
    m_workspace.reset();
}

void TestHCTerm::periodMethods()
{
    HCTerm htDate;
    QCOMPARE(period(htDate), QStringList({"2011-05-18", "2011-05-18"}));
    htDate.ThisMonth();
    QCOMPARE(period(htDate), QStringList({"2011-05-01", "2011-05-18"}));
    htDate.ThisYear();
    QCOMPARE(period(htDate), QStringList({"2011-01-01", "2011-05-18"}));
    htDate.ToDay();
    QCOMPARE(period(htDate), QStringList({"2011-05-18", "2011-05-18"}));
}

void TestHCTerm::reversedPeriodAccepted()
{
    HCTerm htDate;
    htDate.setProperty("Text1", QStringLiteral("2011-06-30"));
    htDate.setProperty("Text2", QStringLiteral("2011-6-1"));
    QCOMPARE(htDate.property("Text1").toString(), QStringLiteral("2011-06-30"));
    QCOMPARE(htDate.property("Text2").toString(), QStringLiteral("2011-06-01"));
    QCOMPARE(m_messages->count(), 0);
}

void TestHCTerm::emptyEndAllowed()
{
    Host host;
    host.htDate->setAllowEmpty(true);
    host.htDate->field(1)->setFocus();
    host.htDate->field(1)->selectAll();
    QTest::keyClick(host.htDate->field(1), Qt::Key_Delete);
    QTest::keyClick(host.htDate->field(1), Qt::Key_Tab);
    QCOMPARE(host.htDate->field(1)->rawText(), QStringLiteral("____-__-__"));
    QCOMPARE(host.htDate->text2(), QString());
    QCOMPARE(m_messages->count(), 0);
    QVERIFY(!host.htDate->field(1)->hasFocus());
}

void TestHCTerm::layout()
{
    const DateLayout::Period twips = DateLayout::period(QSizeF(3885, 390));
    QCOMPARE(twips.frames[0], QRectF(0, 0, 1792.5, 390));
    QCOMPARE(twips.frames[1], QRectF(2092.5, 0, 1792.5, 390));
    QCOMPARE(twips.presets, QRectF(1822.5, 0, 240, 390));
    QCOMPARE(DateLayout::framed(twips.frames[0]).field, QRectF(30, 30, 1147.5, 330));
    QCOMPARE(DateLayout::framed(twips.frames[1]).field, QRectF(2122.5, 30, 1147.5, 330));

    // 3885 x 390 twips are 259 x 26 pixels; half pixels round up.
    HCTerm htDate;
    htDate.resize(259, 26);
    htDate.show();
    QCOMPARE(htDate.frame(0)->geometry(), QRect(0, 0, 120, 26));
    QCOMPARE(htDate.presetsButton()->geometry(), QRect(122, 0, 16, 26));
    QCOMPARE(htDate.frame(1)->geometry(), QRect(140, 0, 119, 26));
    QCOMPARE(htDate.field(0)->mapTo(&htDate, QPoint(0, 0)), QPoint(2, 2));
    QCOMPARE(htDate.field(1)->mapTo(&htDate, QPoint(0, 0)), QPoint(142, 2));
    QCOMPARE(htDate.field(0)->size(), QSize(77, 22));
    QCOMPARE(htDate.field(1)->size(), QSize(76, 22));
}

void TestHCTerm::dialogPlacement_data()
{
    QTest::addColumn<int>("showPos");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<qreal>("left");
    QTest::newRow("0 left edges") << 0 << true << 1000.0;
    QTest::newRow("1 right edges") << 1 << true << 1000.0 - 2175;
    QTest::newRow("2 centred") << 2 << true << 1000.0 - 1087.5;
    QTest::newRow("3 not moved") << 3 << false << 0.0;
}

void TestHCTerm::dialogPlacement()
{
    QFETCH(int, showPos);
    QFETCH(bool, moved);
    QFETCH(qreal, left);
    const std::optional<QPointF> at = HCTerm::easyDateOrigin(showPos, QPointF(1000, 600), 3885, 6060);
    QCOMPARE(at.has_value(), moved);
    if (moved)
        QCOMPARE(*at, QPointF(left, 600));

    // The dialog really opens there: right edges level for position 1.
    Host host;
    host.htDate->resize(259, 26);
    host.htDate->setEasyDateShowPos(showPos);
    QRect dialogFrame;
    onModal([&](FrmEasyDate *dialog) {
        dialogFrame = dialog->frameGeometry();
        dialog->reject();
    });
    QTest::mouseClick(host.htDate->presetsButton(), Qt::LeftButton);
    const QPoint box = host.htDate->mapToGlobal(QPoint(0, 0));
    if (showPos == 0)
        QCOMPARE(dialogFrame.topLeft(), box);
    if (showPos == 1)
        QCOMPARE(QPoint(dialogFrame.right(), dialogFrame.top()), QPoint(box.x() + host.htDate->width() - 1, box.y()));
}

void TestHCTerm::presetConfirmsAtOnce()
{
    Host host;
    QSignalSpy clicks(host.htDate, &HCTerm::DateClick);
    onModal([](FrmEasyDate *dialog) { QTest::mouseClick(dialog->presetButton(5), Qt::LeftButton); });
    QTest::mouseClick(host.htDate->presetsButton(), Qt::LeftButton);
    QCOMPARE(period(*host.htDate), QStringList({"2011-05-08", "2011-05-14"}));
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(host.window.focusWidget(), host.htDate->field(0));
}

void TestHCTerm::escapeChangesNothing()
{
    Host host;
    host.htDate->setText1(QStringLiteral("2011-04-01"));
    QStringList handedIn;
    onModal([&](FrmEasyDate *dialog) {
        handedIn = period(*dialog);
        QTest::mouseClick(dialog->shiftButton(5), Qt::LeftButton);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(host.htDate->presetsButton(), Qt::LeftButton);
    QCOMPARE(handedIn, QStringList({"2011-04-01", "2011-05-18"}));
    QCOMPARE(period(*host.htDate), QStringList({"2011-04-01", "2011-05-18"}));
}

void TestHCTerm::calendarRaisesDateClick()
{
    Host host;
    QSignalSpy clicks(host.htDate, &HCTerm::DateClick);
    QTimer::singleShot(0, [] {
        auto *popup = qobject_cast<FrmCalendar *>(QApplication::activeModalWidget());
        QVERIFY(popup);
        auto *view = popup->monthView()->findChild<QTableView *>();
        QTest::keyClick(view, Qt::Key_Left);
        QTest::keyClick(view, Qt::Key_Return);
        if (popup->isVisible())
            popup->reject();
    });
    QTest::mouseClick(host.htDate->frame(1)->findChild<QToolButton *>(QStringLiteral("cmdCaln")), Qt::LeftButton);
    QCOMPARE(host.htDate->text2(), QStringLiteral("2011-05-17"));
    QCOMPARE(clicks.count(), 1);
}

void TestHCTerm::fieldCheckRefusesClick()
{
    Host host;
    QSignalSpy clicks(host.after, &QPushButton::clicked);
    host.htDate->field(1)->setFocus();
    host.htDate->field(1)->setRawText(QStringLiteral("2011-02-29"));
    QTest::mouseClick(host.after, Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().title, QStringLiteral("날짜입력 확인"));
    QVERIFY(host.htDate->field(1)->hasFocus());
}

void TestHCTerm::persistence()
{
    PropertyStore empty;
    HCTerm loaded;
    loaded.setText1(QString());
    loaded.loadProperties(empty);
    QCOMPARE(period(loaded), QStringList({"2011-05-18", "2011-05-18"}));
    QCOMPARE(loaded.easyDateShowPos(), 0);

    PropertyStore store;
    store.setValue(QStringLiteral("Text1"), QStringLiteral("2011-0_-__"));
    store.setValue(QStringLiteral("EasyDateShowPos"), 2);
    store.setValue(QStringLiteral("AutoTab"), false);
    loaded.loadProperties(store);
    QCOMPARE(loaded.field(0)->rawText(), QStringLiteral("2011-0_-__"));
    QCOMPARE(loaded.text2(), QStringLiteral("2011-05-18"));
    QCOMPARE(loaded.easyDateShowPos(), 2);
    QVERIFY(!loaded.field(1)->autoTab());

    PropertyStore saved;
    loaded.saveProperties(saved);
    QCOMPARE(saved.value(QStringLiteral("Text1")).toString(), QStringLiteral("2011-0_-__"));
    QVERIFY(!saved.contains(QStringLiteral("Text2"))); // today reads back as the day of loading
    QCOMPARE(saved.value(QStringLiteral("EasyDateShowPos")).toInt(), 2);
    QCOMPARE(saved.value(QStringLiteral("AutoTab")).toBool(), false);
}

void TestHCTerm::dialogLoad_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QList<int>>("bold");
    QTest::newRow("May") << QDate(2011, 5, 18) << QList<int>{2, 6, 10, 14, 17, 20};
    QTest::newRow("June") << QDate(2011, 6, 30) << QList<int>{2, 6, 10, 14, 17, 20};
    QTest::newRow("July") << QDate(2011, 7, 1) << QList<int>{2, 6, 10, 14, 18, 21};
}

void TestHCTerm::dialogLoad()
{
    QFETCH(QDate, today);
    QFETCH(QList<int>, bold);
    Clock::fix(QDateTime(today, QTime(9, 0)));
    FrmEasyDate dialog;
    QList<int> shownBold;
    for (int n = 0; n < 27; ++n) {
        if (dialog.presetButton(n)->font().bold())
            shownBold << n;
    }
    QCOMPARE(shownBold, bold);
    QVERIFY(!dialog.ok());
    QCOMPARE(period(dialog), QStringList({DateText::format(today), DateText::format(today)}));
    QCOMPARE(dialog.presetButton(2)->palette().color(QPalette::Button), QColor(0, 255, 0));
    QCOMPARE(dialog.presetButton(10)->palette().color(QPalette::Button), QColor(255, 255, 0));
    QCOMPARE(dialog.presetButton(14)->palette().color(QPalette::Button), QColor(0, 255, 255));
}

void TestHCTerm::dialogTexts()
{
    FrmEasyDate dialog;
    dialog.setText1(QStringLiteral("abc"));
    dialog.setText2(QStringLiteral("2011-06-10"));
    QCOMPARE(dialog.text1(), QString());
    QCOMPARE(period(dialog), QStringList({"2011-05-18", "2011-06-10"}));
    QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
    QVERIFY(!dialog.ok());
    QCOMPARE(dialog.text2(), QStringLiteral("2011-06-10"));
}

void TestHCTerm::dialogShifts()
{
    FrmEasyDate dialog;
    dialog.show();
    dialog.setText1(QStringLiteral("2011-05-15"));
    dialog.setText2(QStringLiteral("2011-06-10"));
    QTest::mouseClick(dialog.shiftButton(4), Qt::LeftButton);
    QCOMPARE(period(dialog), QStringList({"2011-04-01", "2011-05-31"}));
    QVERIFY(dialog.isVisible());
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(dialog.ok());
    QCOMPARE(dialog.text1(), QStringLiteral("2011-04-01"));
    QCOMPARE(dialog.text2(), QStringLiteral("2011-05-31"));
}

void TestHCTerm::dialogShiftWithInvalidField()
{
    FrmEasyDate dialog;
    dialog.field(1)->setRawText(QStringLiteral("2011-02-30"));
    dialog.shiftButton(1)->click();
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().title, QStringLiteral("날짜입력 확인"));
    QCOMPARE(period(dialog), QStringList({"2011-05-18", "2011-02-30"}));
}

void TestHCTerm::dialogRefusesPresetClick()
{
    FrmEasyDate dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.field(0)->setFocus();
    dialog.field(0)->setRawText(QStringLiteral("2011-13-01"));
    QTest::mouseClick(dialog.presetButton(2), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.ok());
    QCOMPARE(m_messages->count(), 1);
    QVERIFY(dialog.field(0)->hasFocus());
    QTest::keyClick(&dialog, Qt::Key_O, Qt::AltModifier);
    QVERIFY(!dialog.ok());
    QCOMPARE(m_messages->count(), 2);
    QCOMPARE(dialog.field(0)->rawText(), QStringLiteral("2011-13-01"));
}

void TestHCTerm::dialogLayout()
{
    FrmEasyDate dialog;
    dialog.show();
    QCOMPARE(dialog.size(), QSize(398, 234));
    QCOMPARE(dialog.frame(1)->geometry(), QRect(129, 6, 120, 26));
    QCOMPARE(dialog.field(1)->mapTo(&dialog, QPoint(0, 0)), QPoint(131, 8));
    QCOMPARE(dialog.okButton()->geometry(), QRect(252, 5, 67, 28));
    QCOMPARE(dialog.okButton()->text(), QStringLiteral("확인(&O)"));
    QCOMPARE(dialog.presetButton(21)->geometry(), QRect(177, 177, 142, 25));
    QCOMPARE(dialog.presetButton(26)->geometry(), QRect(321, 204, 70, 25));
    QCOMPARE(dialog.shiftButton(11)->geometry(), QRect(357, 177, 34, 25));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("기간 간편설정"));
}

// Enter walks from the start field over the end field to "확인(&O)", and
// presses it there.
void TestHCTerm::enterConfirmsTheDialog()
{
    FrmEasyDate dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(dialog.field(0)->hasFocus());
    QTest::keyClick(dialog.field(0), Qt::Key_Return);
    QVERIFY(dialog.field(1)->hasFocus());
    QTest::keyClick(dialog.field(1), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dialog.okButton());
    QTest::keyClick(dialog.okButton(), Qt::Key_Return);
    QVERIFY(dialog.ok());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.text1(), QStringLiteral("2011-05-18"));
}

// A field that gave the focus to the other field's calendar is left: it
// loses its focus colour.
void TestHCTerm::neighbourCalendarEndsTheFocusColour()
{
    Host host;
    host.htDate->setFocusEffect(true);
    host.after->setFocus();
    host.htDate->field(0)->setFocus();
    QCOMPARE(host.htDate->field(0)->backColor(), 0xC0E0FFu);
    QTimer::singleShot(0, [] {
        QWidget *popup = QApplication::activeModalWidget();
        QVERIFY(popup);
        QTest::keyClick(popup, Qt::Key_Escape);
    });
    QTest::mouseClick(host.htDate->frame(1)->calendarButton(), Qt::LeftButton);
    host.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host.window));
    QVERIFY(host.htDate->field(1)->hasFocus());
    QCOMPARE(host.htDate->field(1)->backColor(), 0xC0E0FFu);
    QCOMPARE(host.htDate->field(0)->backColor(), 0xFFFFFFu);
}

QTEST_MAIN(TestHCTerm)
#include "TestHCTerm.moc"
