// The customer list's search over 100,000 customers, from the F5 key press
// until the grid is filled, against the bare client library fetching the same
// statement on an euckr connection; the full list and a one-letter search.
#include "BenchFigures.h"
#include "BenchFolder.h"
#include "BenchServer.h"
#include "Cp949.h"
#include "CustomerStore.h"
#include "FrmMain.h"
#include "HCText.h"
#include "Launcher.h"
#include "ProgramFolder.h"
#include "SettingsStore.h"
#include "ShellUtils.h"
#include "SpreadGrid.h"
#include "WindowParts.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

#include <cstdio>

namespace {
constexpr int Customers = 100000;
constexpr int Repeats = 5;

// What the notice program was asked to show, and the pointer at that moment
// (the notice comes at the end of the load, while the grid is still busy).
struct NoticeWatch {
    int notices = 0;
    int withHourglass = 0;
};

void prepareProgram(NoticeWatch &watch)
{
    g_sAppTitle = QStringLiteral("Quotadesk");
    QCoreApplication::setApplicationName(g_sAppTitle);
    SaveSetting(QStringLiteral("Tallow 업무관리"), QStringLiteral("Config"), QStringLiteral("DB_IP"),
                BenchServer::address());
    QFile notice(ProgramFolder::file(ProgramFolder::programFileName(QStringLiteral("FloatMsg"))));
    notice.open(QIODevice::WriteOnly);
    Launcher::setHandler([&watch](const LaunchRequest &) {
        ++watch.notices;
        const QCursor *cursor = QGuiApplication::overrideCursor();
        if (cursor && cursor->shape() == Qt::WaitCursor)
            ++watch.withHourglass;
        return true;
    });
}

void compare(FrmMain &main, BenchServer &plain, const QString &find, const char *label)
{
    HCText *htFind = part<HCText>(main, "htFind");
    const SpreadGrid *spList = part<SpreadGrid>(main, "spList");
    htFind->setText(find);
    const QByteArray sql = Cp949::encode(CustomerStore::listStatement(find));
    PlainFetch fetched;
    const auto [searchMs, plainMs] = BenchFigures::interleavedMediansMs(
        Repeats, [&] { QTest::keyClick(htFind->txtBox(), Qt::Key_F5); }, [&] { fetched = plain.fetch(sql); });

    std::printf("%s: grid rows %d, plain rows %llu\n", label, spList->MaxRows(), fetched.rows);
    std::printf("%s: first trade name in the grid: %s\n", label, qPrintable(spList->text(FrmMain::ColName, 1)));
    const QByteArray name = QByteArray(label);
    BenchFigures::print((name + " search, F5 until grid filled (median of 5)").constData(), searchMs, "ms");
    BenchFigures::print((name + " plain client library fetch (median of 5)").constData(), plainMs, "ms");
    BenchFigures::printRatio((name + " ratio (search / plain)").constData(), plainMs > 0 ? searchMs / plainMs : 0, 2.0);
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (BenchServer::missing("bench_search"))
        return 0;
    const BenchFolder folder;
    NoticeWatch watch;
    prepareProgram(watch);
    BenchServer("utf8mb4").fillCustomers(Customers);
    if (!BenchServer::connectProgram("bench_search"))
        return 0;
    BenchServer plain("euckr");
    {
        FrmMain main;
        main.show();
        if (!QTest::qWaitForWindowExposed(&main))
            std::printf("window not exposed; searching an unshown window\n");
        compare(main, plain, QString(), "full list");
        compare(main, plain, QStringLiteral("가"), "one letter");
    }
    std::printf("searches: %d, notices shown: %d, hourglass set at the notice: %d\n", 2 * Repeats, watch.notices,
                watch.withHourglass);
    std::printf("hourglass during search: %s\n",
                watch.notices > 0 && watch.withHourglass == watch.notices ? "yes" : "no");
    std::printf("hourglass left after the searches: %s\n", QGuiApplication::overrideCursor() ? "yes" : "no");
    Launcher::setHandler({});
    return 0;
}
