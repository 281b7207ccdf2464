#include "FloatNotice.h"
#include "NoticeArguments.h"
#include "NoticeSlot.h"

#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

// The notice program: its parameters, its window, and the built program ending by itself.
class TestFloatMsg : public QObject {
    Q_OBJECT

private slots:
    void parseArguments_data();
    void parseArguments();
    void noticeNeverTakesFocus();
    void noticeSitsBottomRightAndCloses();
    void programEndsByItself();
    void emptyNoticeShowsNothing_data();
    void emptyNoticeShowsNothing();
    void noticesOnScreenTogetherStack();
};

void TestFloatMsg::parseArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("timeMs");
    const int fallback = NoticeArguments::kDefaultMs;
    QTest::newRow("text and time") << QStringList{"조회", "/T500"} << "조회" << 500;
    QTest::newRow("text with blanks") << QStringList{"자료가", "저장되었습니다.", "/T1200"} << "자료가 저장되었습니다."
                                      << 1200;
    QTest::newRow("last /T word is the time") << QStringList{"/T5", "items", "/T800"} << "/T5 items" << 800;
    QTest::newRow("lower-case /t") << QStringList{"done", "/t300"} << "done" << 300;
    QTest::newRow("no time") << QStringList{"done"} << "done" << fallback;
    QTest::newRow("time not a number") << QStringList{"done", "/Tabc"} << "done" << fallback;
    QTest::newRow("time zero") << QStringList{"done", "/T0"} << "done" << fallback;
    QTest::newRow("nothing") << QStringList{} << QString() << fallback;
}

void TestFloatMsg::parseArguments()
{
    QFETCH(QStringList, arguments);
    const NoticeArguments notice = NoticeArguments::parse(arguments);
    QTEST(notice.text, "text");
    QTEST(notice.timeMs, "timeMs");
}

void TestFloatMsg::noticeNeverTakesFocus()
{
    FloatNotice notice(QStringLiteral("자료가 저장되었습니다."), 5000);
    QVERIFY(notice.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    QCOMPARE(notice.windowType(), Qt::Tool);
    QVERIFY(notice.testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(notice.focusPolicy(), Qt::NoFocus);
    QCOMPARE(notice.text(), QStringLiteral("자료가 저장되었습니다."));
}

void TestFloatMsg::noticeSitsBottomRightAndCloses()
{
    QPointer<FloatNotice> notice = new FloatNotice(QStringLiteral("조회 완료 하였습니다."), 300);
    notice->showInCorner();
    QVERIFY(notice->isVisible());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = notice->geometry();
    QVERIFY(area.contains(frame));
    QVERIFY(frame.center().x() > area.center().x());
    QVERIFY(frame.center().y() > area.center().y());
    QTRY_VERIFY_WITH_TIMEOUT(notice.isNull(), 5000); // closed and gone
}

void TestFloatMsg::programEndsByItself()
{
    QProcess program;
    program.start(QStringLiteral(FLOATMSG_PATH),
                  {QStringLiteral("자료가"), QStringLiteral("저장되었습니다."), QStringLiteral("/T200")});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

void TestFloatMsg::emptyNoticeShowsNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no text") << QStringList{QStringLiteral("/T5000")};
    QTest::newRow("blanks only") << QStringList{QStringLiteral("  "), QStringLiteral("/T5000")};
}

// A notice without a text would be an empty green box: the program ends at
// once, long before the time it was given.
void TestFloatMsg::emptyNoticeShowsNothing()
{
    QFETCH(QStringList, arguments);
    QProcess program;
    program.start(QStringLiteral(FLOATMSG_PATH), arguments);
    QVERIFY(program.waitForFinished(3000));
    QCOMPARE(program.exitCode(), 0);
}

// Notices on screen together take the slots from the corner upwards, each
// held while its program runs, and never cover each other.
void TestFloatMsg::noticesOnScreenTogetherStack()
{
    QTemporaryDir folder;
    std::vector<std::unique_ptr<NoticeSlot>> held;
    for (int i = 0; i < 3; ++i)
        held.push_back(std::make_unique<NoticeSlot>(folder.path(), 500));
    QCOMPARE(held[0]->index(), 0);
    QCOMPARE(held[1]->index(), 1);
    QCOMPARE(held[2]->index(), 2);
    held[0].reset();
    QCOMPARE(NoticeSlot(folder.path(), 500).index(), 0);

    FloatNotice lower(QStringLiteral("조회 완료 하였습니다."), 60000);
    FloatNotice upper(QStringLiteral("자료가 저장되었습니다."), 60000);
    lower.showInCorner(0);
    upper.showInCorner(1);
    QVERIFY(!lower.geometry().intersects(upper.geometry()));
    QVERIFY(upper.geometry().bottom() < lower.geometry().top());
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(upper.geometry()));
}

QTEST_MAIN(TestFloatMsg)
#include "TestFloatMsg.moc"
