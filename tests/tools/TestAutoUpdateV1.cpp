#include "CuttingHttpServer.h"
#include "LocalHttpServer.h"
#include "ProgramFolder.h"
#include "UpdateOrder.h"
#include "UpdateServer.h"
#include "UpdateSignature.h"
#include "UpdateSigner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The built updater, run as a process in a temporary program folder against a
// local download server whose files are signed by a key made for the test.
class TestAutoUpdateV1 : public QObject {
    Q_OBJECT

private slots:
    void parseOrder_data();
    void parseOrder();
    void fetchNewProgram_data();
    void fetchNewProgram();
    void brokenDownloadLeavesNoNewFile();
    void releaseBuildTakesNoServerFromTheEnvironment();

private:
    static QByteArray read(const QString &path);
    static QProcessEnvironment pointedAt(const QString &server, const UpdateSigner &signer);
    static void write(const QString &path, const QByteArray &content);
};

QByteArray TestAutoUpdateV1::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestAutoUpdateV1::write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// The environment that gives the updater built for the tests its server and key.
QProcessEnvironment TestAutoUpdateV1::pointedAt(const QString &server, const UpdateSigner &signer)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QD_UPDATE_SERVER"), server);
    environment.insert(QStringLiteral("QD_UPDATE_KEY"), signer.publicKey());
    return environment;
}

void TestAutoUpdateV1::parseOrder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("programFile");
    QTest::newRow("revision and program") << QStringList{"27;Quotadesk.exe"} << true << 27 << "Quotadesk.exe";
    QTest::newRow("blank around the parts") << QStringList{"27", ";", "Quotadesk"} << true << 27 << "Quotadesk";
    QTest::newRow("no separator") << QStringList{"27"} << false << 0 << QString();
    QTest::newRow("no program") << QStringList{"27;"} << false << 0 << QString();
    QTest::newRow("revision not a number") << QStringList{"x;Quotadesk"} << false << 0 << QString();
    QTest::newRow("program in another folder") << QStringList{"27;../Quotadesk"} << false << 0 << QString();
    QTest::newRow("nothing") << QStringList{} << false << 0 << QString();
}

void TestAutoUpdateV1::parseOrder()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    const std::optional<UpdateOrder> order = UpdateOrder::parse(arguments);
    QCOMPARE(order.has_value(), valid);
    if (valid) {
        QTEST(order->revision, "revision");
        QTEST(order->programFile, "programFile");
    }
}

void TestAutoUpdateV1::fetchNewProgram_data()
{
    QTest::addColumn<QByteArray>("published"); // the version file; null: none
    QTest::addColumn<bool>("programPublished");
    QTest::addColumn<bool>("leftover"); // a "New_" file from an earlier run
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("newFile"); // expected "New_" content; null: no file
    QTest::newRow("newer revision") << QByteArray("28") << true << false << 0 << QByteArray("program 28");
    QTest::newRow("newer revision replaces leftover")
        << QByteArray("28\r\n") << true << true << 0 << QByteArray("program 28");
    QTest::newRow("fraction rounds up") << QByteArray("27.6") << true << false << 0 << QByteArray("program 28");
    QTest::newRow("same revision") << QByteArray("27") << true << false << 0 << QByteArray();
    QTest::newRow("same revision removes leftover") << QByteArray("27") << true << true << 0 << QByteArray();
    QTest::newRow("version file missing") << QByteArray() << true << false << 1 << QByteArray();
    QTest::newRow("failure removes leftover") << QByteArray() << true << true << 1 << QByteArray();
    QTest::newRow("program missing on the server") << QByteArray("28") << false << false << 1 << QByteArray();
}

void TestAutoUpdateV1::fetchNewProgram()
{
    QFETCH(QByteArray, published);
    QFETCH(bool, programPublished);
    QFETCH(bool, leftover);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, newFile);

    LocalHttpServer server;
    QVERIFY2(server.isRunning(), "python3 -m http.server did not start");
    const UpdateSigner signer;
    const QString program = ProgramFolder::programFileName(QStringLiteral("Quotadesk"));
    if (!published.isNull())
        signer.publishVersion(server, QStringLiteral("Quotadesk"), published);
    if (programPublished)
        signer.publishFile(server, program, "program 28", 28);

    QTemporaryDir folder;
    const QString updater = folder.filePath(ProgramFolder::programFileName(QStringLiteral("AutoUpdateV1")));
    QVERIFY(QFile::copy(QStringLiteral(UPDATER_PATH), updater));
    write(folder.filePath(program), "program 27");
    if (leftover)
        write(folder.filePath(QStringLiteral("New_") + program), "left over");

    QProcess run;
    run.setProcessEnvironment(pointedAt(server.address(), signer));
    run.start(updater, {QStringLiteral("27;") + program});
    QVERIFY(run.waitForFinished(60000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), exitCode);

    const QString newPath = folder.filePath(QStringLiteral("New_") + program);
    QStringList expectedFiles{QFileInfo(updater).fileName(), program};
    if (!newFile.isNull()) {
        QCOMPARE(read(newPath), newFile);
        QVERIFY(QFileInfo(newPath).isExecutable());
        expectedFiles << QFileInfo(newPath).fileName();
    } else {
        QVERIFY(!QFile::exists(newPath));
    }
    QCOMPARE(read(folder.filePath(program)), QByteArray("program 27"));
    QStringList files = QDir(folder.path()).entryList(QDir::Files);
    files.sort();
    expectedFiles.sort();
    QCOMPARE(files, expectedFiles); // nothing half-written left behind
}

void TestAutoUpdateV1::brokenDownloadLeavesNoNewFile()
{
    const QString program = ProgramFolder::programFileName(QStringLiteral("Quotadesk"));
    CuttingHttpServer server;
    const UpdateSigner signer;
    server.serve(QStringLiteral("Quotadesk_lastver.txt"), "28");
    server.serve(QStringLiteral("Quotadesk_lastver.txt.sig"),
                 signer.sign(UpdateSignature::versionStatement(QStringLiteral("Quotadesk_lastver.txt"), 28)));
    server.serve(program, "the first bytes of program 28", 500000);

    QTemporaryDir folder;
    const QString updater = folder.filePath(ProgramFolder::programFileName(QStringLiteral("AutoUpdateV1")));
    QVERIFY(QFile::copy(QStringLiteral(UPDATER_PATH), updater));
    write(folder.filePath(program), "program 27");

    QProcess run;
    run.setProcessEnvironment(pointedAt(server.address(), signer));
    run.start(updater, {QStringLiteral("27;") + program});
    // The server answers from this event loop, so wait without blocking it.
    QTRY_VERIFY_WITH_TIMEOUT(run.state() == QProcess::NotRunning, 60000);
    QCOMPARE(run.exitCode(), 1);
    QStringList files = QDir(folder.path()).entryList(QDir::Files);
    files.sort();
    QStringList expected{QFileInfo(updater).fileName(), program};
    expected.sort();
    QCOMPARE(files, expected);
}

// The released updater knows only the server and the key it was built with:
// environment variables cannot send it to another server or make it trust
// another key.
void TestAutoUpdateV1::releaseBuildTakesNoServerFromTheEnvironment()
{
    if (!UpdateServer::address().isEmpty())
        QSKIP("this build names a download server");
    LocalHttpServer server;
    QVERIFY2(server.isRunning(), "python3 -m http.server did not start");
    const UpdateSigner signer;
    const QString program = ProgramFolder::programFileName(QStringLiteral("Quotadesk"));
    signer.publishVersion(server, QStringLiteral("Quotadesk"), "28");
    signer.publishFile(server, program, "program 28", 28);

    QTemporaryDir folder;
    const QString updater = folder.filePath(ProgramFolder::programFileName(QStringLiteral("AutoUpdateV1")));
    QVERIFY(QFile::copy(QStringLiteral(RELEASE_UPDATER_PATH), updater));
    write(folder.filePath(program), "program 27");
    QProcess run;
    run.setProcessEnvironment(pointedAt(server.address(), signer));
    run.start(updater, {QStringLiteral("27;") + program});
    QVERIFY(run.waitForFinished(60000));
    QCOMPARE(run.exitCode(), 0);
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("New_") + program)));
}

QTEST_MAIN(TestAutoUpdateV1)
#include "TestAutoUpdateV1.moc"
