#include "CalendarButton.h"
#include "Clock.h"
#include "DateEdit.h"
#include "DateFrame.h"
#include "FrmCalendar.h"
#include "HCTerm.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// The period box and its calendar as the operator sees them and as an
// assistive tool reads them.
class TestPeriodBoxLook : public QObject {
    Q_OBJECT

private slots:
    void init() { Clock::fix(QDateTime(QDate(2011, 5, 23), QTime(9, 0))); }
    void cleanup() { Clock::release(); }

    // A narrow window never squeezes the box below its 3885-twip design width.
    void boxKeepsItsDesignWidthInANarrowRow()
    {
        QWidget window;
        auto *row = new QHBoxLayout(&window);
        auto *box = new HCTerm(&window);
        row->addWidget(new QLabel(QStringLiteral("기간:"), &window));
        row->addWidget(box);
        row->addWidget(new QLabel(QStringLiteral("뒤에 오는 긴 설명 글"), &window));
        window.resize(120, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(box->width() >= 3885 / 15, qPrintable(QString::number(box->width())));
    }

    void everyPartHasAName()
    {
        HCTerm box;
        const QList<QWidget *> parts = box.findChildren<QWidget *>();
        int named = 0;
        for (QWidget *part : parts) {
            if (!qobject_cast<QLineEdit *>(part) && !qobject_cast<QAbstractButton *>(part))
                continue;
            QVERIFY2(!part->accessibleName().isEmpty(), part->metaObject()->className());
            ++named;
        }
        QCOMPARE(named, 2 * 4 + 1); // field, two arrows, calendar per date; the presets button
        QCOMPARE(box.field(0)->accessibleName(), QStringLiteral("시작일"));
        QCOMPARE(box.frame(1)->calendarButton()->accessibleName(), QStringLiteral("종료일 달력"));
    }

    void calendarNamesTheMonthTheKoreanWay()
    {
        FrmCalendar calendar;
        calendar.setText(QStringLiteral("2011-01-15"));
        QCOMPARE(calendar.monthTitle(), QStringLiteral("2011년 1월"));
        calendar.monthView()->showNextMonth();
        QCOMPARE(calendar.monthTitle(), QStringLiteral("2011년 2월"));
        calendar.monthView()->showPreviousMonth();
        calendar.monthView()->showPreviousMonth();
        QCOMPARE(calendar.monthTitle(), QStringLiteral("2010년 12월"));
    }

    // The button shows a calendar page: its red binding strip is there.
    void calendarButtonShowsACalendar()
    {
        HCTerm box;
        const QImage picture = box.frame(0)->calendarButton()->icon().pixmap(16, 16).toImage();
        bool red = false;
        for (int y = 0; y < picture.height() && !red; ++y)
            for (int x = 0; x < picture.width() && !red; ++x) {
                const QColor c = picture.pixelColor(x, y);
                red = c.alpha() > 0 && c.red() > 180 && c.green() < 80 && c.blue() < 80;
            }
        QVERIFY(red);
    }
};

QTEST_MAIN(TestPeriodBoxLook)
#include "TestPeriodBoxLook.moc"
