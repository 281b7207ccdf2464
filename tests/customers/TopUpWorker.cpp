// One operator's program topping up one customer again and again through the
// real top-up window, as fast as it can. Run two at a time by the concurrency
// test (against the test server) and by the cluster test (through the
// balancer; QD_TEST_DB names the address):
//   topup_worker <operator id> <operator name> <customer code> <top-ups>
// The memo of top-up i is "<operator id> #i". QD_TOPUP_PAUSE_MS makes it wait
// that long between two top-ups, as an operator would. Prints one line per top-up,
// "saved <memo> <count>", "failed <memo>: <message>" or "inconsistent <memo>:
// ..." (saved with a message, or not saved without one), then
// "saved <n> refused <n> counted <sum of saved counts>". A top-up whose result
// could not be confirmed is asked about again (Save, once a second, as an
// operator told so would) until it is decided, and adds a line
// "unconfirmed <memo> <count>" before its final one, which is "open <memo>
// <count>" when it was never decided. Ends 0 when every top-up ended in
// exactly one of: saved with no message, or not saved with a message; 1
// otherwise, and 3 when any top-up was refused or left open.
#include "DBErrorBox.h"
#include "FrmFill_Save.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "Launcher.h"
#include "LoginValues.h"
#include "MessageRecorder.h"
#include "ProgramFolder.h"
#include "ShellUtils.h"
#include "TestDatabase.h"
#include "TestWorkspace.h"
#include "WindowParts.h"
#include "modMySQL_Func.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QtTest>

#include <cstdio>

namespace {
const QString UnconfirmedStart = QStringLiteral("데이터베이스 연결 문제로 충전 결과를 확인하지 못하였습니다.");
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: topup_worker <operator id> <operator name> <customer code> <top-ups>\n");
        return 2;
    }
    TestWorkspace workspace;
    MessageRecorder messages;
    // The saved notice is handed to the notice program, which must be present.
    QFile notice(ProgramFolder::file(ProgramFolder::programFileName(QStringLiteral("FloatMsg"))));
    notice.open(QIODevice::WriteOnly);
    Launcher::setHandler([](const LaunchRequest &) { return true; });
    PointProgramAtTestDatabase();
    g_sAppTitle = QStringLiteral("Quotadesk");
    g_sOperID = args.at(1);
    g_sOperName = args.at(2);
    DBInit(TestDatabase::address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
           QStringLiteral("businesslog"), QString(), true, ShowDBError);

    const int code = args.at(3).toInt();
    const int topUps = args.at(4).toInt();
    const int pauseMs = qEnvironmentVariableIntValue("QD_TOPUP_PAUSE_MS");
    long long counted = 0;
    int saved = 0;
    int open = 0;
    bool consistent = true;
    QStringList outcomes;
    FrmFill_Save fill;
    QPushButton *btnSave = part<QPushButton>(fill, "btnSave");
    for (int i = 0; i < topUps; ++i) {
        if (pauseMs > 0)
            QTest::qSleep(pauseMs);
        const int count = 1 + i % 9;
        const QString memo = QStringLiteral("%1 #%2").arg(g_sOperID).arg(i);
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
        fill.show();
        part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setText(QString::number(count));
        part<HCText>(fill, "htField", FrmFill_Save::FieldMemo)->setText(memo);
        int before = messages.count();
        QTest::mouseClick(btnSave, Qt::LeftButton);
        if (fill.isVisible() && messages.count() > before && messages.last().text.startsWith(UnconfirmedStart)) {
            outcomes << QStringLiteral("unconfirmed %1 %2").arg(memo).arg(count);
            for (int ask = 0; ask < 60 && messages.last().text.startsWith(UnconfirmedStart); ++ask) {
                QTest::qSleep(1000);
                before = messages.count();
                QTest::mouseClick(btnSave, Qt::LeftButton);
            }
            if (fill.isVisible() && messages.last().text.startsWith(UnconfirmedStart)) {
                outcomes << QStringLiteral("open %1 %2").arg(memo).arg(count);
                ++open;
                continue;
            }
        }
        const bool closed = !fill.isVisible();
        const bool toldAnything = messages.count() > before;
        const QString told = toldAnything ? messages.last().text.simplified() : QString();
        if (closed == toldAnything) {
            consistent = false;
            outcomes << QStringLiteral("inconsistent %1: %2 with the message \"%3\"")
                            .arg(memo, closed ? QStringLiteral("saved") : QStringLiteral("not saved"), told);
        } else if (closed) {
            ++saved;
            counted += count;
            outcomes << QStringLiteral("saved %1 %2").arg(memo).arg(count);
        } else {
            outcomes << QStringLiteral("failed %1: %2").arg(memo, told);
        }
    }
    for (const QString &line : outcomes)
        std::printf("%s\n", qPrintable(line));
    std::printf("saved %d refused %d counted %lld open %d\n", saved, topUps - saved - open, counted, open);
    g_DB[0].reset();
    g_DB[1].reset();
    if (!consistent)
        return 1;
    return saved == topUps && open == 0 ? 0 : 3;
}
