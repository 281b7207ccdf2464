#include "AutoUpdate.h"
#include "Cp949.h"
#include "CuttingHttpServer.h"
#include "Launcher.h"
#include "LeadingNumber.h"
#include "LocalHttpServer.h"
#include "MessageRecorder.h"
#include "ProgramExit.h"
#include "ProgramFolder.h"
#include "ShellUtils.h"
#include "TestWorkspace.h"
#include "UpdateServer.h"
#include "UpdateSigner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>
#include <cmath>
#include <memory>

// How a test spoils one file of a signed release.
enum class Spoil { Nothing, ChangedAfterSigning, OtherKey, NoSignature, OlderRelease, SignedForOlderRevision };
Q_DECLARE_METATYPE(Spoil)

// The update step of start-up against a local download server, with a
// deployer's key made for the test. Programs are never really started (the
// launcher records the requests), except the updater where a test says so.
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
    void onlySignedUpdateTaken_data();
    void onlySignedUpdateTaken();

private:
    static QString updaterName() { return ProgramFolder::programFileName(QStringLiteral("AutoUpdateV1")); }
    static QString changerName() { return ProgramFolder::programFileName(QStringLiteral("filechanger")); }
    static QString exeName() { return ProgramFolder::programFileName(ProgramFolder::executableBaseName()); }
    static QString exeVersionFile() { return ProgramFolder::executableBaseName() + QStringLiteral("_lastver.txt"); }
    void publishUpdater(const QByteArray &versionText, bool withChanger = true) const;
    void publishRelease(Spoil spoil, const QString &target) const;
    void runUpdater(const LaunchRequest &request) const;
    QStringList updateLog() const;
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
    std::unique_ptr<UpdateSigner> m_signer;
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
    m_signer = std::make_unique<UpdateSigner>();
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
    UpdateServer::redirectKeys(m_signer->publicKey());
    ProgramExit::setHandler([this](int) { ++m_ends; });
    Launcher::setHandler([this](const LaunchRequest &request) {
        m_launches << request;
        if (request.kind == LaunchRequest::StartAndWait && m_onUpdaterRun)
            m_onUpdaterRun();
        return true;
    });
    write(m_workspace->file(exeName()), "current program");
    m_server->withdrawAll();
}

void TestAutoUpdate::cleanup()
{
    Launcher::setHandler({});
    ProgramExit::setHandler({});
    UpdateServer::redirect(QString());
    UpdateServer::redirectKeys(QString());
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

// The updater's version file with the updater and the file changer published
// under its revision, all signed.
void TestAutoUpdate::publishUpdater(const QByteArray &versionText, bool withChanger) const
{
    const long revision = std::lround(LeadingNumber(QString::fromLatin1(versionText)));
    m_signer->publishVersion(*m_server, QStringLiteral("AutoUpdateV1"), versionText);
    m_signer->publishFile(*m_server, updaterName(), "updater from the server", revision);
    if (withChanger)
        m_signer->publishFile(*m_server, changerName(), "file changer from the server", revision);
}

QStringList TestAutoUpdate::updateLog() const
{
    return QString::fromUtf8(read(m_workspace->file(QStringLiteral("update.log")))).split(u'\n', Qt::SkipEmptyParts);
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
    QTest::addColumn<bool>("refused"); // an older revision is noted in the update log
    QTest::newRow("same revision") << true << QByteArray::number(local) << false << false;
    QTest::newRow("newer revision") << true << QByteArray::number(local + 1) << true << false;
    QTest::newRow("older revision") << true << QByteArray::number(local - 1) << false << true;
    QTest::newRow("no local updater counts as 0") << false << QByteArray("1") << true << false;
    QTest::newRow("fraction rounds up") << true << QByteArray::number(local) + ".6" << true << false;
    QTest::newRow("text after the number") << true << QByteArray::number(local) + " release\r\n" << false << false;
}

void TestAutoUpdate::updaterRefresh()
{
    QFETCH(bool, localUpdater);
    QFETCH(QByteArray, published);
    QFETCH(bool, fetched);
    QFETCH(bool, refused);
    if (localUpdater)
        installBuiltUpdater();
    const QByteArray before = read(m_workspace->file(updaterName()));
    publishUpdater(published);

    RunAutoUpdate(false);

    QCOMPARE(m_messages->count(), 0);
    QCOMPARE(updateLog().size(), refused ? 1 : 0);
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
    publishUpdater("9999", false);
    if (!updaterPublished)
        m_server->withdraw(updaterName());

    QVERIFY(!AutoUpdaterSelfUpdate());
    RunAutoUpdate(false);

    QCOMPARE(read(m_workspace->file(updaterName())), updaterPublished ? QByteArray("updater from the server") : before);
    QVERIFY(!QFile::exists(m_workspace->file(changerName())));
    QCOMPARE(m_messages->count(), 0);
    QVERIFY(m_launches.isEmpty());
    QCOMPARE(files(), sorted({exeName(), updaterName()})); // no half-written files, nothing refused
}

void TestAutoUpdate::missingProgramFileSkipsUpdater()
{
    installBuiltUpdater();
    publishUpdater("1");
    QVERIFY(QFile::remove(m_workspace->file(exeName())));
    RunAutoUpdate(false);
    QVERIFY(m_launches.isEmpty());
    QCOMPARE(m_ends, 0);
}

void TestAutoUpdate::newProgramStartsFileChanger()
{
    installBuiltUpdater();
    write(m_workspace->file(changerName()), "file changer");
    publishUpdater("1");
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
    publishUpdater("1");
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

// A release of the updater (with the file changer) and of the program, signed
// by the test's key except where the spoil changes the target file afterwards.
void TestAutoUpdate::publishRelease(Spoil spoil, const QString &target) const
{
    const UpdateSigner otherKey;
    const auto signer = [&](const QString &name) -> const UpdateSigner & {
        return spoil == Spoil::OtherKey && name == target ? otherKey : *m_signer;
    };
    const QByteArray updaterVersion = QByteArray::number(QD_UPDATER_REVISION + 1);
    signer(QStringLiteral("AutoUpdateV1_lastver.txt"))
        .publishVersion(*m_server, QStringLiteral("AutoUpdateV1"), updaterVersion);
    QFile updater(QStringLiteral(UPDATER_UNDER_TEST_PATH));
    QVERIFY(updater.open(QIODevice::ReadOnly));
    signer(updaterName()).publishFile(*m_server, updaterName(), updater.readAll(), QD_UPDATER_REVISION + 1);
    signer(changerName()).publishFile(*m_server, changerName(), "file changer", QD_UPDATER_REVISION + 1);

    const long older = QD_REVISION - 1;
    const long published = spoil == Spoil::OlderRelease ? older : QD_REVISION + 1;
    const long signedFor = spoil == Spoil::SignedForOlderRevision ? older : published;
    signer(exeVersionFile())
        .publishVersion(*m_server, ProgramFolder::executableBaseName(), QByteArray::number(published));
    signer(exeName()).publishFile(*m_server, exeName(), "program " + QByteArray::number(published), signedFor);

    if (spoil == Spoil::ChangedAfterSigning)
        m_server->publish(target, "99999");
    if (spoil == Spoil::NoSignature)
        m_server->withdraw(target + QStringLiteral(".sig"));
}

// Runs the updater as a process, as start-up does, against the test's server and key.
void TestAutoUpdate::runUpdater(const LaunchRequest &request) const
{
    QProcess updater;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QD_UPDATE_SERVER"), m_server->address());
    environment.insert(QStringLiteral("QD_UPDATE_KEY"), m_signer->publicKey());
    updater.setProcessEnvironment(environment);
    updater.setWorkingDirectory(request.folder);
    updater.start(request.program, Launcher::splitParameters(request.parameters));
    QVERIFY(updater.waitForFinished(60000));
}

void TestAutoUpdate::onlySignedUpdateTaken_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Spoil>("spoil");
    QTest::addColumn<bool>("updaterTaken");
    QTest::addColumn<bool>("programTaken");
    QTest::addColumn<QString>("reason"); // in the update log; empty: nothing refused
    const QString updaterVersion = QStringLiteral("AutoUpdateV1_lastver.txt");
    const QString badSignature = QStringLiteral("its signature does not verify against the built-in update key");
    const QString noSignature = QStringLiteral("no signature was published with it");
    QTest::newRow("signed release") << QString() << Spoil::Nothing << true << true << QString();
    QTest::newRow("updater's version file changed after signing")
        << updaterVersion << Spoil::ChangedAfterSigning << false << false << badSignature;
    QTest::newRow("updater changed after signing")
        << updaterName() << Spoil::ChangedAfterSigning << false << false << badSignature;
    QTest::newRow("updater without signature") << updaterName() << Spoil::NoSignature << false << false << noSignature;
    QTest::newRow("file changer signed by another key")
        << changerName() << Spoil::OtherKey << true << false << badSignature;
    QTest::newRow("program's version file signed by another key")
        << exeVersionFile() << Spoil::OtherKey << true << false << badSignature;
    QTest::newRow("program changed after signing")
        << exeName() << Spoil::ChangedAfterSigning << true << false << badSignature;
    QTest::newRow("signed version file, unsigned program")
        << exeName() << Spoil::NoSignature << true << false << noSignature;
    QTest::newRow("older signed release")
        << exeVersionFile() << Spoil::OlderRelease << true << false
        << QStringLiteral("revision %1 is older than the installed %2").arg(QD_REVISION - 1).arg(QD_REVISION);
    QTest::newRow("older program under the newer version file")
        << exeName() << Spoil::SignedForOlderRevision << true << false << badSignature;
}

void TestAutoUpdate::onlySignedUpdateTaken()
{
    QFETCH(QString, target);
    QFETCH(Spoil, spoil);
    QFETCH(bool, updaterTaken);
    QFETCH(bool, programTaken);
    QFETCH(QString, reason);
    publishRelease(spoil, target);
    Launcher::setHandler([this](const LaunchRequest &request) {
        m_launches << request;
        if (request.kind == LaunchRequest::StartAndWait)
            runUpdater(request);
        return true;
    });

    RunAutoUpdate(false);

    QCOMPARE(QFile::exists(m_workspace->file(updaterName())), updaterTaken);
    QCOMPARE(read(m_workspace->file(QStringLiteral("New_") + exeName())),
             programTaken ? "program " + QByteArray::number(QD_REVISION + 1) : QByteArray());
    QCOMPARE(read(m_workspace->file(exeName())), QByteArray("current program"));
    QCOMPARE(requests(LaunchRequest::Start).size(), programTaken ? 1 : 0); // the file changer
    QCOMPARE(m_ends, programTaken ? 1 : 0);
    QCOMPARE(m_messages->count(), 0);
    const QStringList log = updateLog();
    QCOMPARE(log.size(), reason.isEmpty() ? 0 : 1);
    if (!reason.isEmpty())
        QVERIFY2(log[0].contains(QStringLiteral(" refused ") + target + QStringLiteral(": ") + reason),
                 qPrintable(log[0]));
}

QTEST_MAIN(TestAutoUpdate)
#include "TestAutoUpdate.moc"
