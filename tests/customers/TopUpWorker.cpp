// One operator's program topping up one customer again and again through the
// real top-up window, as fast as it can. Run by the concurrency test, two at a
// time, against the test server:
//   topup_worker <operator id> <operator name> <customer code> <top-ups>
// Prints "saved <n> refused <n> counted <sum of counts>" and ends 0 when every
// top-up was saved.
#include "FrmFill_Save.h"
#include "LabelledFields.h"
#include "Launcher.h"
#include "LoginValues.h"
#include "MessageRecorder.h"
#include "ShellUtils.h"
#include "TestDatabase.h"
#include "TestWorkspace.h"
#include "modMySQL_Func.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include <cstdio>

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
    Launcher::setHandler([](const LaunchRequest &) { return true; });
    PointProgramAtTestDatabase();
    g_sAppTitle = QStringLiteral("Quotadesk");
    g_sOperID = args.at(1);
    g_sOperName = args.at(2);
    DBInit(TestDatabase::address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
           QStringLiteral("businesslog"), QString(), true);

    const int code = args.at(3).toInt();
    const int topUps = args.at(4).toInt();
    long long counted = 0;
    int saved = 0;
    FrmFill_Save fill;
    for (int i = 0; i < topUps; ++i) {
        const int count = 1 + i % 9;
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), 1, nullptr, 0);
        fill.show();
        fill.fields().setText(FrmFill_Save::FieldCount, QString::number(count));
        fill.fields().setText(FrmFill_Save::FieldMemo, QStringLiteral("%1 #%2").arg(g_sOperID).arg(i));
        QTest::mouseClick(fill.btnSave, Qt::LeftButton);
        if (!fill.isVisible()) {
            ++saved;
            counted += count;
        }
    }
    for (const MessageRequest &m : messages.messages())
        std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
    std::printf("saved %d refused %d counted %lld\n", saved, topUps - saved, counted);
    g_DB[0].reset();
    g_DB[1].reset();
    return saved == topUps ? 0 : 1;
}
