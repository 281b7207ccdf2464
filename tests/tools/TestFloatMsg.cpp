#include "FloatNotice.h"
#include "NoticeArguments.h"

#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QtTest>

// The notice program: its parameters, its window, and the built program ending by itself.
class TestFloatMsg : public QObject {
    Q_OBJECT

private slots:
    void parseArguments_data();
    void parseArguments();
    void noticeNeverTakesFocus();
    void noticeSitsBottomRightAndCloses();
    void programEndsByItself();
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

QTEST_MAIN(TestFloatMsg)
#include "TestFloatMsg.moc"
