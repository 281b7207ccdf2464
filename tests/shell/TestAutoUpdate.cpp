#include "AutoUpdate.h"
#include "Cp949.h"
#include "CuttingHttpServer.h"
#include "Launcher.h"
#include "LocalHttpServer.h"
#include "MessageRecorder.h"
#include "ProgramExit.h"
#include "ProgramFolder.h"
#include "ShellUtils.h"
#include "TestWorkspace.h"
#include "UpdateServer.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <memory>

// The update step of start-up against a local download server. Programs are
// never really started: the launcher records the requests.
class TestAutoUpdate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void updateSkippedWithoutServer();
    void updateSkippedInReadOnlyProgramFolder();
    void unreadableVersionInfo_data();
    void unreadableVersionInfo();
    void updaterRefresh_data();
    void updaterRefresh();
    void failedDownload_data();
    void failedDownload();
    void missingProgramFileSkipsUpdater();
    void newProgramStartsFileChanger();
    void missingFileChangerEndsProgram();
    void readUrlText_data();
    void readUrlText();
    void downloadKeepsFileOnFailure();
    void downloadBrokenOffKeepsFile();
    void updaterReportsStampedVersion();

private:
    static QString updaterName() { return ProgramFolder::programFileName(QStringLiteral("AutoUpdateV1")); }
    static QString changerName() { return ProgramFolder::programFileName(QStringLiteral("filechanger")); }
    static QString exeName() { return ProgramFolder::programFileName(ProgramFolder::executableBaseName()); }
    static QByteArray read(const QString &path);
    static void write(const QString &path, const QByteArray &content);
    void installBuiltUpdater() const;
    void expectUpdaterRun() const;
    QList<LaunchRequest> requests(LaunchRequest::Kind kind) const;
    QStringList files() const { return sorted(QDir(m_workspace->programFolder()).entryList(QDir::Files)); }
    static QStringList sorted(QStringList names)
    {
        names.sort();
        return names;
    }

    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<TestWorkspace> m_workspace;
    std::unique_ptr<MessageRecorder> m_messages;
    QList<LaunchRequest> m_launches;
    std::function<void()> m_onUpdaterRun;
    int m_ends = 0;
};

void TestAutoUpdate::initTestCase()
{
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY2(m_server->isRunning(), "python3 -m http.server did not start");
}

void TestAutoUpdate::init()
{
    m_workspace = std::make_unique<TestWorkspace>();
    m_messages = std::make_unique<MessageRecorder>();
    m_launches.clear();
    m_onUpdaterRun = nullptr;
    m_ends = 0;
    g_sAppTitle = QStringLiteral("Quotadesk");
    UpdateServer::redirect(m_server->address());
    ProgramExit::setHandler([this](int) { ++m_ends; });
    Launcher::setHandler([this](const LaunchRequest &request) {
        m_launches << request;
        if (request.kind == LaunchRequest::StartAndWait && m_onUpdaterRun)
            m_onUpdaterRun();
        return true;
    });
    write(m_workspace->file(exeName()), "current program");
    for (const QString &name : {QStringLiteral("AutoUpdateV1_lastver.txt"), updaterName(), changerName()})
        m_server->withdraw(name);
}

void TestAutoUpdate::cleanup()
{
    Launcher::setHandler({});
    ProgramExit::setHandler({});
    UpdateServer::redirect(QString());
    m_messages.reset();
    m_workspace.reset();
}

QByteArray TestAutoUpdate::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestAutoUpdate::write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void TestAutoUpdate::installBuiltUpdater() const
{
    QVERIFY(QFile::copy(QStringLiteral(UPDATER_PATH), m_workspace->file(updaterName())));
}

QList<LaunchRequest> TestAutoUpdate::requests(LaunchRequest::Kind kind) const
{
    QList<LaunchRequest> out;
    for (const LaunchRequest &request : m_launches)
        if (request.kind == kind)
            out << request;
    return out;
}

void TestAutoUpdate::expectUpdaterRun() const
{
    const QList<LaunchRequest> runs = requests(LaunchRequest::StartAndWait);
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs[0].program, m_workspace->file(updaterName()));
    QCOMPARE(runs[0].parameters, QString::number(QD_REVISION) + QLatin1Char(';') + exeName());
    QCOMPARE(runs[0].folder, m_workspace->programFolder());
    QCOMPARE(runs[0].mode, WindowMode::Normal);
}

void TestAutoUpdate::updateSkippedWithoutServer()
{
    UpdateServer::redirect(QString(QLatin1String("")));
    installBuiltUpdater();
    RunAutoUpdate(false);
    QCOMPARE(m_messages->count(), 0);
    QVERIFY(m_launches.isEmpty());
    QCOMPARE(m_ends, 0);
}

// An installed package: the package manager updates it, the program says nothing.
void TestAutoUpdate::updateSkippedInReadOnlyProgramFolder()
{
    ProgramFolder::redirect(QStringLiteral("/proc")); // no one may create files there
    RunAutoUpdate(false);
    QCOMPARE(m_messages->count(), 0);
    QVERIFY(m_launches.isEmpty());
    QCOMPARE(m_ends, 0);
}

void TestAutoUpdate::unreadableVersionInfo_data()
{
    QTest::addColumn<bool>("serverUp");
    QTest::addColumn<QByteArray>("versionFile"); // null: not published
    QTest::newRow("no network") << false << QByteArray();
    QTest::newRow("version file missing") << true << QByteArray();
    QTest::newRow("version file blank") << true << QByteArray("   \r\n");
}

void TestAutoUpdate::unreadableVersionInfo()
{
    QFETCH(bool, serverUp);
    QFETCH(QByteArray, versionFile);
    if (!serverUp)
        UpdateServer::redirect(LocalHttpServer::deadAddress());
    if (!versionFile.isNull())
        m_server->publish(QStringLiteral("AutoUpdateV1_lastver.txt"), versionFile);
    installBuiltUpdater();

    RunAutoUpdate(false);

    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().text, updaterName() + QStringLiteral("의 최신버전 정보를 읽어올 수 없습니다!"));
    QCOMPARE(m_messages->last().icon, MsgIcon::Critical);
    QCOMPARE(m_messages->last().buttons, MsgButtons::Ok);
    QCOMPARE(m_messages->last().title, QStringLiteral("Quotadesk"));
    QVERIFY(m_launches.isEmpty()); // start-up goes on without the updater
    QCOMPARE(m_ends, 0);
}

void TestAutoUpdate::updaterRefresh_data()
{
    const int local = QD_UPDATER_REVISION;
    QTest::addColumn<bool>("localUpdater");
    QTest::addColumn<QByteArray>("published");
    QTest::addColumn<bool>("fetched");
    QTest::newRow("same revision") << true << QByteArray::number(local) << false;
    QTest::newRow("newer revision") << true << QByteArray::number(local + 1) << true;
    QTest::newRow("older revision") << true << QByteArray::number(local - 1) << false;
    QTest::newRow("no local updater counts as 0") << false << QByteArray("1") << true;
    QTest::newRow("fraction rounds up") << true << QByteArray::number(local) + ".6" << true;
    QTest::newRow("text after the number") << true << QByteArray::number(local) + " release\r\n" << false;
}

void TestAutoUpdate::updaterRefresh()
{
    QFETCH(bool, localUpdater);
    QFETCH(QByteArray, published);
    QFETCH(bool, fetched);
    if (localUpdater)
        installBuiltUpdater();
    const QByteArray before = read(m_workspace->file(updaterName()));
    m_server->publish(QStringLiteral("AutoUpdateV1_lastver.txt"), published);
    m_server->publish(updaterName(), "updater from the server");
    m_server->publish(changerName(), "file changer from the server");

    RunAutoUpdate(false);

    QCOMPARE(m_messages->count(), 0);
    if (fetched) {
        QCOMPARE(read(m_workspace->file(updaterName())), QByteArray("updater from the server"));
        QCOMPARE(read(m_workspace->file(changerName())), QByteArray("file changer from the server"));
        QVERIFY(QFileInfo(m_workspace->file(updaterName())).isExecutable());
        QVERIFY(QFileInfo(m_workspace->file(changerName())).isExecutable());
    } else {
        QCOMPARE(read(m_workspace->file(updaterName())), before);
        QVERIFY(!QFile::exists(m_workspace->file(changerName())));
    }
    expectUpdaterRun();
    QVERIFY(requests(LaunchRequest::Start).isEmpty()); // no new program arrived
    QCOMPARE(m_ends, 0);
}

void TestAutoUpdate::failedDownload_data()
{
    QTest::addColumn<bool>("updaterPublished");
    QTest::newRow("updater missing on the server") << false;
    QTest::newRow("file changer missing on the server") << true;
}

void TestAutoUpdate::failedDownload()
{
    QFETCH(bool, updaterPublished);
    installBuiltUpdater();
    const QByteArray before = read(m_workspace->file(updaterName()));
    m_server->publish(QStringLiteral("AutoUpdateV1_lastver.txt"), "9999");
    if (updaterPublished)
        m_server->publish(updaterName(), "updater from the server");

    QVERIFY(!AutoUpdaterSelfUpdate());
    RunAutoUpdate(false);

    QCOMPARE(read(m_workspace->file(updaterName())), updaterPublished ? QByteArray("updater from the server") : before);
    QVERIFY(!QFile::exists(m_workspace->file(changerName())));
    QCOMPARE(m_messages->count(), 0);
    QVERIFY(m_launches.isEmpty());
    QCOMPARE(files(), sorted({exeName(), updaterName()})); // no half-written files
}

void TestAutoUpdate::missingProgramFileSkipsUpdater()
{
    installBuiltUpdater();
    m_server->publish(QStringLiteral("AutoUpdateV1_lastver.txt"), "1");
    QVERIFY(QFile::remove(m_workspace->file(exeName())));
    RunAutoUpdate(false);
    QVERIFY(m_launches.isEmpty());
    QCOMPARE(m_ends, 0);
}

void TestAutoUpdate::newProgramStartsFileChanger()
{
    installBuiltUpdater();
    write(m_workspace->file(changerName()), "file changer");
    m_server->publish(QStringLiteral("AutoUpdateV1_lastver.txt"), "1");
    m_onUpdaterRun = [this] { write(m_workspace->file(QStringLiteral("New_") + exeName()), "new"); };

    RunAutoUpdate(false);

    expectUpdaterRun();
    const QList<LaunchRequest> starts = requests(LaunchRequest::Start);
    QCOMPARE(starts.size(), 1);
    QCOMPARE(starts[0].program + QLatin1Char(' ') + starts[0].parameters,
             m_workspace->file(changerName()) + QLatin1Char(' ') + exeName() + QStringLiteral(";New_") + exeName());
    QCOMPARE(starts[0].mode, WindowMode::Minimized);
    QCOMPARE(m_messages->count(), 0);
    QCOMPARE(m_ends, 1);
}

void TestAutoUpdate::missingFileChangerEndsProgram()
{
    installBuiltUpdater();
    m_server->publish(QStringLiteral("AutoUpdateV1_lastver.txt"), "1");
    m_onUpdaterRun = [this] { write(m_workspace->file(QStringLiteral("New_") + exeName()), "new"); };

    RunAutoUpdate(false);

    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().text, QStringLiteral("파일교체 프로그램을 찾을 수 없습니다.\r\n\r\n")
                                          + QDir::toNativeSeparators(m_workspace->file(changerName())));
    QCOMPARE(m_messages->last().buttons, MsgButtons::Ok);
    const QList<LaunchRequest> opened = requests(LaunchRequest::OpenDocument);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0].program, m_workspace->programFolder());
    QVERIFY(requests(LaunchRequest::Start).isEmpty());
    QCOMPARE(m_ends, 1);
}

void TestAutoUpdate::readUrlText_data()
{
    QTest::addColumn<QByteArray>("content"); // null: not published
    QTest::addColumn<QString>("expected");
    QTest::newRow("first 20 bytes only") << QByteArray("123456789012345678901234567890")
                                         << QStringLiteral("12345678901234567890");
    QTest::newRow("ANSI text") << Cp949::encode(QStringLiteral("최신 28")) << QStringLiteral("최신 28");
    QTest::newRow("missing resource") << QByteArray() << QString();
}

void TestAutoUpdate::readUrlText()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    if (!content.isNull())
        m_server->publish(QStringLiteral("text.txt"), content);
    else
        m_server->withdraw(QStringLiteral("text.txt"));
    QCOMPARE(ReadUrlText(UpdateDownloadFolder() + QStringLiteral("text.txt")), expected);
}

void TestAutoUpdate::downloadKeepsFileOnFailure()
{
    const QString target = m_workspace->file(QStringLiteral("target.bin"));
    write(target, "old content");
    m_server->withdraw(QStringLiteral("absent.bin"));
    QVERIFY(!DownloadToFile(UpdateDownloadFolder() + QStringLiteral("absent.bin"), target));
    QCOMPARE(read(target), QByteArray("old content"));

    UpdateServer::redirect(LocalHttpServer::deadAddress());
    QVERIFY(!DownloadToFile(UpdateDownloadFolder() + QStringLiteral("absent.bin"), target));
    QCOMPARE(read(target), QByteArray("old content"));
    QCOMPARE(files(), sorted({exeName(), QStringLiteral("target.bin")}));
}

void TestAutoUpdate::downloadBrokenOffKeepsFile()
{
    const QString target = m_workspace->file(QStringLiteral("target.bin"));
    write(target, "old content");
    CuttingHttpServer server;
    server.serve(QStringLiteral("big.bin"), "only the start", 100000);
    UpdateServer::redirect(server.address());
    QVERIFY(!DownloadToFile(UpdateDownloadFolder() + QStringLiteral("big.bin"), target));
    QCOMPARE(read(target), QByteArray("old content"));
    QCOMPARE(files(), sorted({exeName(), QStringLiteral("target.bin")}));
}

void TestAutoUpdate::updaterReportsStampedVersion()
{
    QCOMPARE(GetFileVer(QStringLiteral(UPDATER_PATH), true, true),
             QStringLiteral("1.00.") + QString::number(QD_UPDATER_REVISION));
    QCOMPARE(GetFileVer(QStringLiteral(UPDATER_PATH), false, true), QStringLiteral("1.00"));
}

QTEST_MAIN(TestAutoUpdate)
#include "TestAutoUpdate.moc"
